#include "support/ClimateGenerator.h"

#include "calc/uReferenceET.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <random>

namespace {

constexpr double kPi = 3.14159265358979323846;

bool Leap(int year) {
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int MonthDays(int year, int month) {
    static constexpr int kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && Leap(year) ? 29 : kDays[month - 1];
}

// Day of the 365-day year, 29 February as 28 February.
int Day365(int month, int day) {
    int doy = std::min(day, month == 2 ? 28 : 31);
    for (int m = 1; m < month; ++m)
        doy += MonthDays(2001, m);
    return doy;
}

std::string Number(double value, int decimals, bool decimalComma) {
    char text[32];
    std::snprintf(text, sizeof text, "%.*f", decimals, value);
    std::string s = text;
    if (s == "-0.0" || s == "-0.00")
        s.erase(0, 1);
    if (decimalComma)
        std::replace(s.begin(), s.end(), '.', ',');
    return s;
}

// Indices of what the expected normals gather.
enum { kTmin, kTmax, kRain, kSun, kRH, kRHmax, kWind, kRatio, kEa, kGathered };

struct TMonthSums {
    std::array<double, kGathered> Sum{};
    std::array<int, kGathered> Count{};
};

} // namespace

TSyntheticClimate MakeSyntheticClimate(const TSyntheticClimateSpec& spec) {
    TSyntheticClimate out;
    std::mt19937 random(spec.Seed);
    std::normal_distribution<double> noise(0.0, 1.0);
    std::uniform_real_distribution<double> uniform(0.0, 1.0);
    const bool power = spec.Layout == TGenLayout::NasaPower;
    const TGenRadiation radiation =
        power && spec.Radiation == TGenRadiation::None ? TGenRadiation::Megajoules : spec.Radiation;
    const char sep = spec.Separator;
    const std::string missing = spec.Missing.empty() && power ? "-999" : spec.Missing;
    const double latitudeRadians = spec.Latitude * kPi / 180;

    // The header.
    std::string text;
    auto line = [&](const std::string& l) {
        text += l + "\n";
        ++out.Lines;
    };
    const char* radiationUnit = radiation == TGenRadiation::Watts           ? "W/m^2"
                                : radiation == TGenRadiation::KilowattHours ? "kW-hr/m^2/day"
                                                                            : "MJ/m^2/day";
    const std::string wind = spec.WindHeight == 10 ? "WS10M" : "WS2M";
    if (power) {
        line("-BEGIN HEADER-");
        line("NASA/POWER CERES/MERRA2 Native Resolution Daily Data ");
        line("Dates (month/day/year): 01/01/" + std::to_string(spec.FirstYear) + " through 12/31/" +
             std::to_string(spec.FirstYear + spec.Years - 1) + " ");
        line("Location: Latitude  " + Number(spec.Latitude, 4, false) + "   Longitude -5.9800 ");
        line("Elevation from MERRA-2: Average for 0.5 x 0.625 degree lat/lon region = 29.21 "
             "meters");
        line("The value for missing source data that cannot be computed or is outside of the "
             "sources availability range: -999 ");
        line("Parameter(s): ");
        line("T2M_MAX             MERRA-2 Temperature at 2 Meters Maximum (C) ");
        line("T2M_MIN             MERRA-2 Temperature at 2 Meters Minimum (C) ");
        line("PRECTOTCORR         MERRA-2 Precipitation Corrected (mm/day) ");
        if (spec.Humidity == TGenHumidity::DewPoint)
            line("T2MDEW              MERRA-2 Dew/Frost Point at 2 Meters (C) ");
        else
            line("RH2M                MERRA-2 Relative Humidity at 2 Meters (%) ");
        line(wind + "                MERRA-2 Wind Speed at " +
             std::to_string(spec.WindHeight == 10 ? 10 : 2) + " Meters (m/s) ");
        line(std::string("ALLSKY_SFC_SW_DWN   CERES SYN1deg All Sky Surface Shortwave Downward "
                         "Irradiance (") +
             (spec.StateRadiationUnit ? radiationUnit : "") + ") ");
        line("-END HEADER-");
        line(std::string(spec.Dates == TGenDates::YearDayOfYear ? "YEAR,DOY" : "YEAR,MO,DY") +
             ",T2M_MAX,T2M_MIN,PRECTOTCORR," +
             (spec.Humidity == TGenHumidity::DewPoint ? "T2MDEW" : "RH2M") + "," + wind +
             ",ALLSKY_SFC_SW_DWN");
    } else {
        std::vector<std::string> names;
        switch (spec.Dates) {
        case TGenDates::Iso:
        case TGenDates::DayMonthYear:
            names = {"date"};
            break;
        case TGenDates::YearMonthDay:
            names = {"year", "month", "day"};
            break;
        case TGenDates::YearDayOfYear:
            names = {"Year", "DOY"};
            break;
        }
        names.insert(names.end(), {"Tmax (°C)", "tmin (°C)", "rain (mm)"});
        if (radiation == TGenRadiation::None)
            names.push_back("sunshine (h)");
        else
            names.push_back(spec.StateRadiationUnit
                                ? std::string("radiation (") + radiationUnit + ")"
                                : std::string("radiation"));
        if (spec.Humidity == TGenHumidity::Mean)
            names.push_back("RH (%)");
        else if (spec.Humidity == TGenHumidity::MaxMin)
            names.insert(names.end(), {"rhmax (%)", "rhmin (%)"});
        else
            names.push_back("dew point (°C)");
        if (spec.WithRHmax && spec.Humidity != TGenHumidity::MaxMin)
            names.push_back("rhmax");
        names.push_back(spec.WindHeight > 0 ? "wind " + std::to_string(spec.WindHeight) + "m (m/s)"
                                            : std::string("wind (m/s)"));
        std::string header;
        for (const std::string& n : names)
            header += (header.empty() ? "" : std::string(1, sep)) + n;
        line(header);
    }

    // The days.
    std::vector<std::array<TMonthSums, 12>> sums(spec.Years);
    std::array<int, 8> seriesDays{}; // days of each series, with or without a value
    const bool comma = spec.DecimalComma;
    for (int y = 0; y < spec.Years; ++y) {
        const int year = spec.FirstYear + y;
        for (int month = 1; month <= 12; ++month) {
            const bool blank = std::find(spec.BlankMonths.begin(), spec.BlankMonths.end(),
                                         std::pair(year, month)) != spec.BlankMonths.end();
            for (int day = 1; day <= MonthDays(year, month); ++day) {
                const int doy = Day365(month, day);
                const double season = -std::cos(2 * kPi * (doy - 15) / 365.0); // -1 mid-January
                const double tmin = 9 + 7 * season + 1.5 * noise(random);
                const double tmax = tmin + 11 + 3 * season + 1.5 * std::abs(noise(random));
                const double rain = uniform(random) < 0.35 - 0.2 * season
                                        ? -6 * std::log(1 - uniform(random))
                                        : 0.0;
                const TDaySun sun = DaySun(latitudeRadians, doy);
                const double share =
                    std::clamp(0.55 + 0.25 * season + 0.1 * noise(random), 0.05, 0.9);
                const double sunshine = share * sun.MaxSunshine;
                const double rh = std::clamp(62 - 15 * season + 5 * noise(random), 20.0, 95.0);
                const double rhMax = std::min(100.0, rh + 12 + 3 * std::abs(noise(random)));
                const double rhMin = 2 * rh - rhMax;
                const double windSpeed = std::max(0.3, 2.4 + 0.8 * season + 0.5 * noise(random));
                const double ea = ActualVapourPressure(rh, tmin, tmax);
                const double l = std::log(ea / 0.6108);
                const double dewPoint = 237.3 * l / (17.27 - l);

                auto present = [&] { return !blank && uniform(random) >= spec.GapShare; };
                const bool hasTmin = present(), hasTmax = present(), hasRain = present(),
                           hasSun = present(), hasHumidity = present(), hasRHmax = present(),
                           hasWind = present();
                // With RHmax and RHmin the humidity needs both; RHmax alone may be there.
                const bool hasRHmin = spec.Humidity == TGenHumidity::MaxMin ? present() : true;

                TMonthSums& s = sums[y][month - 1];
                auto add = [&](int what, double value, bool has) {
                    if (what < 8)
                        ++seriesDays[what];
                    if (!has)
                        return;
                    s.Sum[what] += value;
                    ++s.Count[what];
                };
                add(kTmin, tmin, hasTmin);
                add(kTmax, tmax, hasTmax);
                add(kRain, rain, hasRain);
                add(kSun, sunshine, hasSun);
                const bool humidityThere =
                    spec.Humidity == TGenHumidity::MaxMin ? hasRHmax && hasRHmin : hasHumidity;
                add(kRH, rh, humidityThere);
                add(kEa, ea, humidityThere);
                if (spec.WithRHmax || spec.Humidity == TGenHumidity::MaxMin)
                    add(kRHmax, rhMax, hasRHmax);
                add(kWind, windSpeed, hasWind);

                auto field = [&](double value, int decimals, bool has) {
                    return has ? Number(value, decimals, comma) : missing;
                };
                std::vector<std::string> f;
                char date[32];
                if (power) {
                    if (spec.Dates == TGenDates::YearDayOfYear) {
                        int calendarDay = day;
                        for (int m = 1; m < month; ++m)
                            calendarDay += MonthDays(year, m);
                        f = {std::to_string(year), std::to_string(calendarDay)};
                    } else {
                        f = {std::to_string(year), std::to_string(month), std::to_string(day)};
                    }
                } else {
                    switch (spec.Dates) {
                    case TGenDates::Iso:
                        std::snprintf(date, sizeof date, "%04d-%02d-%02d", year, month, day);
                        f = {date};
                        break;
                    case TGenDates::DayMonthYear:
                        std::snprintf(date, sizeof date, "%02d%c%02d%c%04d", day,
                                      sep == ',' ? '/' : '.', month, sep == ',' ? '/' : '.', year);
                        f = {date};
                        break;
                    case TGenDates::YearMonthDay:
                        f = {std::to_string(year), std::to_string(month), std::to_string(day)};
                        break;
                    case TGenDates::YearDayOfYear: {
                        int calendarDay = day;
                        for (int m = 1; m < month; ++m)
                            calendarDay += MonthDays(year, m);
                        f = {std::to_string(year), std::to_string(calendarDay)};
                        break;
                    }
                    }
                }
                f.push_back(field(tmax, 1, hasTmax));
                f.push_back(field(tmin, 1, hasTmin));
                f.push_back(field(rain, 1, hasRain));
                std::string humidityField;
                if (spec.Humidity == TGenHumidity::DewPoint)
                    humidityField = field(dewPoint, 2, hasHumidity);
                else if (spec.Humidity == TGenHumidity::Mean)
                    humidityField = field(rh, 1, hasHumidity);
                const std::string windField = field(windSpeed, 1, hasWind);
                double rs = (0.25 + 0.5 * sunshine / sun.MaxSunshine) * sun.Radiation; // W/m²
                if (radiation == TGenRadiation::Megajoules)
                    rs *= 0.0864;
                else if (radiation == TGenRadiation::KilowattHours)
                    rs *= 0.0864 / 3.6;
                const std::string sunField = radiation == TGenRadiation::None
                                                 ? field(sunshine, 1, hasSun)
                                                 : field(rs, 2, hasSun);
                if (power) {
                    f.push_back(humidityField);
                    f.push_back(windField);
                    f.push_back(sunField);
                } else {
                    f.push_back(sunField);
                    if (spec.Humidity == TGenHumidity::MaxMin) {
                        f.push_back(field(rhMax, 1, hasRHmax));
                        f.push_back(field(rhMin, 1, hasRHmin));
                    } else {
                        f.push_back(humidityField);
                    }
                    if (spec.WithRHmax && spec.Humidity != TGenHumidity::MaxMin)
                        f.push_back(field(rhMax, 1, hasRHmax));
                    f.push_back(windField);
                }
                std::string l2;
                for (const std::string& x : f)
                    l2 += (l2.empty() ? "" : std::string(1, power ? ',' : sep)) + x;
                line(l2);
            }
        }
    }

    // The expected normals.
    const std::array<int, 7> series{kTmin, kTmax, kRain, kSun, kRH, kRHmax, kWind};
    for (int m = 0; m < 12; ++m) {
        std::array<double, kGathered> total{};
        std::array<int, kGathered> years{};
        for (int y = 0; y < spec.Years; ++y) {
            const int days = MonthDays(spec.FirstYear + y, m + 1);
            const TMonthSums& s = sums[y][m];
            for (int what : {kTmin, kTmax, kRain, kSun, kRH, kRHmax, kWind, kEa}) {
                if (s.Count[what] == 0 || s.Count[what] * 100 < days * 80)
                    continue;
                const double mean = s.Sum[what] / s.Count[what];
                total[what] += what == kRain ? mean * days : mean;
                ++years[what];
                if (what == kRain)
                    out.RainTotals[m].push_back(mean * days);
            }
        }
        for (std::size_t i = 0; i < series.size(); ++i) {
            const int what = series[i];
            out.Normals[m][what] = years[what] > 0 ? total[what] / years[what] : 0;
            out.YearsUsed[m][what] = years[what];
        }
        out.VapourPressure[m] = years[kEa] > 0 ? total[kEa] / years[kEa] : 0;
    }
    for (int what = 0; what < 8; ++what) {
        int present = 0;
        for (const auto& year : sums)
            for (const TMonthSums& month : year)
                present += month.Count[what];
        out.DaysMissing[what] = seriesDays[what] - present;
    }
    out.Text = std::move(text);
    return out;
}
