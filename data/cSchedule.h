#pragma once

#include "data/cSoil.h"

#include <array>
#include <string>

class TValueReader;
class TValueWriter;

// When a schedule irrigates: when the root-zone depletion reaches a share of the readily
// available water, every so many days, at a depletion depth, or never (rainfed).
enum class TScheduleTiming { PercentOfRAW, FixedInterval, DepletionDepth, Never };
// How much it gives: back to field capacity, a fixed net depth, or back to field capacity less
// an amount left as room for rain.
enum class TScheduleApplication { RefillToFieldCapacity, FixedDepth, RefillLessRoom };

// An irrigation schedule of one crop of the cropping pattern; the .sch file. It holds its own
// copy of the soil, so a schedule stays whole when the soil library changes, and names its crop
// line by crop file name and planting day. Depths in mm, p and Ky as fractions.
class TSchedule {
public:
    int Version = 1;
    std::string FileName;
    TSoil Soil;
    std::string CropFileName; // the crop file of the line, as the pattern names it
    int PlantingDay = 0;
    double DepletionFraction = 0.5; // p of the crop at an ETc of 5 mm/day
    double KySeason = 1.0;          // yield response factor of the whole season
    // Ky per growth stage (initial, development, mid-season, late season); 0 where the crop has
    // no published value, which also leaves that stage out of the yield reduction.
    std::array<double, 4> KyStage{};
    TScheduleTiming Timing = TScheduleTiming::PercentOfRAW;
    double TimingPercentOfRAW = 100; // % of RAW
    int TimingInterval = 10;         // days
    double TimingDepletion = 50;     // mm
    TScheduleApplication Application = TScheduleApplication::RefillToFieldCapacity;
    double ApplicationDepth = 40; // mm of the fixed net depth
    double RoomForRain = 10;      // mm left below field capacity
    double Efficiency = 70;       // field application efficiency, %

    void Clear();
    bool Load(const std::string& fileName);
    bool ReadData(TValueReader& reader);
    void Save(const std::string& fileName) const;
    void WriteData(TValueWriter& writer) const;
};
