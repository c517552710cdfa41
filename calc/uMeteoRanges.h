#pragma once

#include <string>

class TAllData;

// The valid ranges of the meteo data as the meteo editor's grid shows them (one row per
// calculation period, columns 1..8), in metric units. The editor colours its cells with them;
// ValidateMeteoRecord is the full check the main window runs before the pattern editor, the
// report and the strategy.

namespace MeteoColumn {
constexpr int Tmin = 1;
constexpr int Tmax = 2;
constexpr int Precipitation = 3;
constexpr int Sunshine = 4;
constexpr int RHmean = 5;
constexpr int RHmax = 6;
constexpr int WindSpeed = 7;
constexpr int WindRatio = 8;
} // namespace MeteoColumn

// Mean daily temperatures a site may have, °C: frost is common on irrigated land.
constexpr double kMinTemperature = -50;
constexpr double kMaxTemperature = 55;

bool IsTemperatureColumn(int column);

// The quantity kind a column is converted and shown with.
int MeteoColumnKind(int column);

// Whether a metric value breaks its column's rule. tmin and rhMean are the same row's values of
// those columns; maxSunshine is the row's sunshine limit (hours).
bool MeteoValueOutOfRange(int column, double value, double tmin, double rhMean, double maxSunshine);

bool WindHeightInRange(double metres);

// The day of the year that stands for grid row `row` in the sunshine rule, chosen by the general
// data's period text; for any other period the middle day of the row's period of periodLength.
int SunshineDay(const std::string& calcPeriod, int row, int periodLength);

// Checks every cell as the grid shows it in the current units and period, then the wind height;
// sets Meteo.DataValid.
void ValidateMeteoRecord(TAllData& data);
