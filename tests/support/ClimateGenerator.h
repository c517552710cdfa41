#pragma once

// Synthetic daily climate records with known normals, in both layouts the import reads: seasonal
// cycles plus noise over real calendars (leap years included), with gaps, blanked months and
// missing-value markers. The expected normals are worked out here from the values before they
// were rounded into the file, each year's month counting only when 80 % of its days are there.

#include <array>
#include <string>
#include <utility>
#include <vector>

enum class TGenLayout { Csv, NasaPower };
enum class TGenDates { Iso, DayMonthYear, YearMonthDay, YearDayOfYear };
enum class TGenHumidity { Mean, MaxMin, DewPoint };
enum class TGenRadiation { None, Megajoules, Watts, KilowattHours };

struct TSyntheticClimateSpec {
    TGenLayout Layout = TGenLayout::Csv;
    TGenDates Dates = TGenDates::Iso;
    int FirstYear = 1991;
    int Years = 30;
    double Latitude = 37.4; // decimal degrees; in the header of a NASA POWER file
    TGenRadiation Radiation = TGenRadiation::None; // None: sunshine hours
    bool StateRadiationUnit = true;
    TGenHumidity Humidity = TGenHumidity::Mean;
    bool WithRHmax = false;
    int WindHeight = 2; // named in the wind column ("WS10M", "wind 10m"); 0: not named
    char Separator = ',';
    bool DecimalComma = false;
    double GapShare = 0;                          // share of values left out, at random
    std::vector<std::pair<int, int>> BlankMonths; // (year, month) without any value
    std::string Missing;                          // how a missing value is written
    unsigned Seed = 1;
};

struct TSyntheticClimate {
    std::string Text;
    // Per month 1..12 (index 0..11) and meteo series in file order (Tmin, Tmax, Precipitation,
    // Sunshine, RHmean, RHmax, WindSpeed, WindRatio): the mean of the years that count.
    std::array<std::array<double, 8>, 12> Normals{};
    // Per month the rainfall totals of the years that count, in year order.
    std::array<std::vector<double>, 12> RainTotals;
    // Per month the mean actual vapour pressure (kPa) of the years that count.
    std::array<double, 12> VapourPressure{};
    // Per month and series the number of years that count, and per series the days without a
    // value (0 for what the record does not hold).
    std::array<std::array<int, 8>, 12> YearsUsed{};
    std::array<int, 8> DaysMissing{};
    int Lines = 0;
};

TSyntheticClimate MakeSyntheticClimate(const TSyntheticClimateSpec& spec);
