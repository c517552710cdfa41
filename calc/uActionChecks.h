#pragma once

#include <functional>

class TAllData;

// The checks the main window runs before the cropping pattern editor, the report and the strategy
// window: each stops at the first missing or invalid data set and tells the user which one.
// They return true when everything the action needs stands.

// The meteo editor's full range check; it sets Meteo.DataValid. ValidateMeteoRecord checks the
// record as the editor would show it.
using TValidateMeteo = std::function<void(TAllData&)>;

bool CheckCropPatternAction(TAllData& data, const TValidateMeteo& validateMeteo);
bool CheckReportAction(TAllData& data, const TValidateMeteo& validateMeteo);
bool CheckStrategyAction(TAllData& data, const TValidateMeteo& validateMeteo);
