#include "calc/uActionChecks.h"

#include "calc/uRangeCheck.h"
#include "data/cAllData.h"

namespace {

using TRefusal = std::optional<TActionRefusal>;

TRefusal Missing(const std::string& fileName, const char* text) {
    if (!fileName.empty())
        return std::nullopt;
    return TActionRefusal{TMessageKind::Information, text};
}

TRefusal GeneralFileMissing(const TAllData& data) {
    return Missing(data.General.FileName,
                   "Load a General data file or save a new General data file first");
}

TRefusal MeteoFileMissing(const TAllData& data) {
    return Missing(data.Meteo.FileName, "Load a Meteo file or save a new Meteo file first");
}

TRefusal PatternFileMissing(const TAllData& data) {
    return Missing(data.CropPattern.FileName,
                   "Load a Cropping pattern file or save new Cropping Pattern file first");
}

// The message, and on a second line the first value out of range when there is one (missing
// data alone have none to name).
TActionRefusal Invalid(const std::string& text, const std::vector<TOutOfRange>& outOfRange) {
    return {TMessageKind::Error,
            outOfRange.empty() ? text : text + "\r" + OutOfRangeText(outOfRange.front())};
}

TRefusal GeneralDataInvalid(const TAllData& data) {
    if (data.General.DataValid)
        return std::nullopt;
    return Invalid("One or more general data are missing or some values are out of range",
                   OutOfRangeGeneral(data.General, data.GuiSettings));
}

TRefusal MeteoDataInvalid(const TAllData& data) {
    if (data.Meteo.DataValid)
        return std::nullopt;
    return Invalid("One or more meteo data are missing or some values are out of range",
                   OutOfRangeMeteo(data.Meteo, data.GuiSettings, &data.General));
}

// Report and strategy validate the meteo data first and report the general data before them.
TRefusal EitherDataSetInvalid(TAllData& data, const TValidateMeteo& validateMeteo) {
    validateMeteo(data);
    if (TRefusal general = GeneralDataInvalid(data))
        return general;
    return MeteoDataInvalid(data);
}

} // namespace

TRefusal CropPatternActionRefusal(TAllData& data, const TValidateMeteo& validateMeteo) {
    if (TRefusal missing = GeneralFileMissing(data))
        return missing;
    if (TRefusal missing = MeteoFileMissing(data))
        return missing;
    validateMeteo(data); // the pattern editor does not need valid general data
    return MeteoDataInvalid(data);
}

TRefusal ReportActionRefusal(TAllData& data, const TValidateMeteo& validateMeteo) {
    if (TRefusal missing = GeneralFileMissing(data))
        return missing;
    if (TRefusal missing = MeteoFileMissing(data))
        return missing;
    return EitherDataSetInvalid(data, validateMeteo);
}

TRefusal StrategyActionRefusal(TAllData& data, const TValidateMeteo& validateMeteo) {
    if (TRefusal missing = GeneralFileMissing(data))
        return missing;
    if (TRefusal missing = MeteoFileMissing(data))
        return missing;
    if (TRefusal missing = PatternFileMissing(data))
        return missing;
    return EitherDataSetInvalid(data, validateMeteo);
}

bool ShowRefusal(const TRefusal& refusal) {
    if (!refusal)
        return true;
    UserMessages().Show(refusal->Kind, refusal->Text, TMessageButtons::Ok);
    return false;
}

bool CheckCropPatternAction(TAllData& data, const TValidateMeteo& validateMeteo) {
    return ShowRefusal(CropPatternActionRefusal(data, validateMeteo));
}

bool CheckReportAction(TAllData& data, const TValidateMeteo& validateMeteo) {
    return ShowRefusal(ReportActionRefusal(data, validateMeteo));
}

bool CheckStrategyAction(TAllData& data, const TValidateMeteo& validateMeteo) {
    return ShowRefusal(StrategyActionRefusal(data, validateMeteo));
}
