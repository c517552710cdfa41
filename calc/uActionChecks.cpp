#include "calc/uActionChecks.h"

#include "core/cUserMessages.h"
#include "data/cAllData.h"

namespace {

bool GeneralFilePresent(const TAllData& data) {
    if (!data.General.FileName.empty())
        return true;
    ShowInformation("Load a General data file or save a new General data file first");
    return false;
}

bool GeneralDataValid(const TAllData& data) {
    if (data.General.DataValid)
        return true;
    ShowError("One or more general data are missing or some values are out of range");
    return false;
}

} // namespace

bool CheckCropPatternAction(TAllData& data) {
    return GeneralFilePresent(data);
}

bool CheckReportAction(TAllData& data) {
    return GeneralFilePresent(data) && GeneralDataValid(data);
}

bool CheckStrategyAction(TAllData& data) {
    return GeneralFilePresent(data) && GeneralDataValid(data);
}
