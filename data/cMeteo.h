#pragma once

#include "core/cYearData.h"

#include <array>
#include <string>

class TValueReader;
class TValueWriter;

// Meteorological data of the site as daily series over the 365-day year, in metric units; the
// .mtf file. Monthly input is spread over the days by each series' own period write, so the
// precipitation (a sum series) gets an equal share of the total per day, all others the value.
class TMeteo {
public:
    int Version = 0;
    std::string FileName;
    double WindHeight = 0;  // m above ground of the wind measurement
    TYearAverage Tmin;      // °C
    TYearAverage Tmax;      // °C
    TYearSum Precipitation; // mm per day
    TYearAverage Sunshine;  // hours
    TYearAverage RHmean;    // %
    TYearAverage RHmax;     // %; 0 means no data
    TYearAverage WindSpeed; // m/s at WindHeight
    TYearAverage WindRatio; // day-time over night-time wind; 0 means no data
    bool DataValid = false; // left by the meteo editor's range check

    static constexpr int kSeriesCount = 8;
    // The eight series in file order.
    std::array<TYearData*, kSeriesCount> Series();
    std::array<const TYearData*, kSeriesCount> Series() const;

    void Clear();
    bool Load(const std::string& fileName);
    bool ReadData(TValueReader& reader);
    void Save(const std::string& fileName) const;
    void WriteData(TValueWriter& writer) const;
    double AnnualPrecipitation() const;
};
