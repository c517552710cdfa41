#pragma once

class TAllData;

// The checks the main window runs before the cropping pattern editor, the report and the strategy
// window: each stops at the first missing or invalid data set and tells the user which one.
// They return true when everything the action needs stands.

bool CheckCropPatternAction(TAllData& data);
bool CheckReportAction(TAllData& data);
bool CheckStrategyAction(TAllData& data);
