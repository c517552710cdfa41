#pragma once

#include "core/cYearData.h"
#include "data/cCropFactor.h"

#include <string>

class TValueReader;
class TValueWriter;

// One crop of a cropping pattern: the crop factor data loaded from the crop's file, plus the
// pattern's own data for it and the daily series the crop calculation fills.
class TCropPatternLine : public TCropFactor {
public:
    int LineVersion = 0;
    double Area = 0;     // ha
    int PlantingDay = 0; // day of the year 1..365
    std::string CropFileName;
    TYearAverage KcSeries; // 0 on days the crop is not in the field
    TYearSum ETcSeries;    // mm/day

    // Reads the pattern's four values for this crop, then loads its crop factor file (see
    // ResolveCropFile). A missing file is reported and leaves the crop data empty.
    void ReadData(TValueReader& reader);
    void WriteData(TValueWriter& writer) const;
    // File name part of CropFileName without its extension: "Maize" for ...\MAIZE.udc.
    std::string CropName() const;
};

// Set while every crop factor file named by a pattern could be loaded; cleared by a pattern read
// that misses one, set again by the pattern editor.
extern bool PatternCropsFound;
