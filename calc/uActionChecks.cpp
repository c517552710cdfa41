#include "calc/uActionChecks.h"

#include "calc/uRangeCheck.h"
#include "core/cUserMessages.h"
#include "data/cAllData.h"

namespace {

bool GeneralFilePresent(const TAllData& data) {
    if (!data.General.FileName.empty())
        return true;
    ShowInformation("Load a General data file or save a new General data file first");
    return false;
}

bool MeteoFilePresent(const TAllData& data) {
    if (!data.Meteo.FileName.empty())
        return true;
    ShowInformation("Load a Meteo file or save a new Meteo file first");
    return false;
}

bool PatternFilePresent(const TAllData& data) {
    if (!data.CropPattern.FileName.empty())
        return true;
    ShowInformation("Load a Cropping pattern file or save new Cropping Pattern file first");
    return false;
}

// The message, and on a second line the first value out of range when there is one (missing
// data alone have none to name).
void ShowInvalid(const std::string& text, const std::vector<TOutOfRange>& outOfRange) {
    ShowError(outOfRange.empty() ? text : text + "\r" + OutOfRangeText(outOfRange.front()));
}

bool GeneralDataValid(const TAllData& data) {
    if (data.General.DataValid)
        return true;
    ShowInvalid("One or more general data are missing or some values are out of range",
                OutOfRangeGeneral(data.General, data.GuiSettings));
    return false;
}

bool MeteoDataValid(const TAllData& data) {
    if (data.Meteo.DataValid)
        return true;
    ShowInvalid("One or more meteo data are missing or some values are out of range",
                OutOfRangeMeteo(data.Meteo, data.GuiSettings, &data.General));
    return false;
}

// Report and strategy validate the meteo data first and report the general data before them.
bool BothDataSetsValid(TAllData& data, const TValidateMeteo& validateMeteo) {
    validateMeteo(data);
    return GeneralDataValid(data) && MeteoDataValid(data);
}

} // namespace

bool CheckCropPatternAction(TAllData& data, const TValidateMeteo& validateMeteo) {
    if (!GeneralFilePresent(data) || !MeteoFilePresent(data))
        return false;
    validateMeteo(data); // the pattern editor does not need valid general data
    return MeteoDataValid(data);
}

bool CheckReportAction(TAllData& data, const TValidateMeteo& validateMeteo) {
    return GeneralFilePresent(data) && MeteoFilePresent(data) &&
           BothDataSetsValid(data, validateMeteo);
}

bool CheckStrategyAction(TAllData& data, const TValidateMeteo& validateMeteo) {
    return GeneralFilePresent(data) && MeteoFilePresent(data) && PatternFilePresent(data) &&
           BothDataSetsValid(data, validateMeteo);
}
