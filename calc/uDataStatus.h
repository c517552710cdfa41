#pragma once

#include <string>

class TAllData;

// The texts of the main window's data-status panel, from the open project in the current units.
// The window only puts them into its labels.
struct TDataStatus {
    std::string AltitudeCaption;
    std::string AreaCaption;
    std::string DepthCaption;

    std::string GeneralFile; // file name part; also the hint
    std::string Country;
    std::string Region;
    std::string CalcPeriod;
    std::string Latitude;
    std::string Altitude;
    std::string Description;
    std::string IrrigableArea;
    std::string ApplInterval;
    std::string MeanDepth;

    std::string MeteoFile;   // file name part; also the hint
    std::string PatternFile; // file name part; also the hint
};

TDataStatus DataStatus(const TAllData& data);
