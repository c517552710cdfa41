#include "calc/uClimateNormals.h"

#include "calc/uReferenceET.h"
#include "core/cCalendar.h"
#include "core/cError.h"
#include "core/cGuiSettings.h"
#include "data/cGeneral.h"
#include "support/ClimateGenerator.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstdio>
#include <functional>
#include <sstream>

namespace {

struct TImportRun {
    TClimateRecordInfo Info;
    TClimateResult Result;
};

// The record read from memory and made into normals at a latitude (decimal degrees), checked
// as the editor would show it with the given general data (else a site at that latitude).
TImportRun Import(const std::string& text, const TClimateChoices& choices, double latitude,
                  TCsvUnit radiation = TCsvUnit::None, const TGeneral* general = nullptr,
                  const TGuiSettings& units = TGuiSettings()) {
    std::optional<std::pair<int, int>> daily;
    if (choices.DailyNormals)
        daily = std::pair(choices.FromYear ? choices.FromYear : INT_MIN,
                          choices.ToYear ? choices.ToYear : INT_MAX);
    TClimateAccumulator days(LatitudeRadians(SiteAtLatitude(latitude)), daily);
    std::istringstream in(text);
    TClimateReadOptions options;
    options.RadiationUnit = radiation;
    TImportRun run;
    run.Info = ReadClimateRecord(in, text.size(), options, days);
    const TGeneral site = general ? *general : SiteAtLatitude(latitude);
    run.Result = MakeClimateNormals(days, run.Info, choices, site, units);
    return run;
}

std::string ErrorOf(const std::string& text, const TClimateChoices& choices = {},
                    double latitude = 37.4) {
    try {
        Import(text, choices, latitude);
    } catch (const TQueltaError& e) {
        return e.what();
    }
    return "";
}

bool Leap(int year) {
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

struct TDayValues {
    double Tmin = 10, Tmax = 25, Rain = 0, Sunshine = 8, RH = 60, Wind = 2;
    bool Present = true;
};

// A record of whole years whose days are given by a function.
std::string Record(int firstYear, int years,
                   const std::function<void(int y, int m, int d, TDayValues&)>& day) {
    std::string text = "date,tmin,tmax,rain,sunshine,rh,wind\n";
    const int lengths[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    for (int y = firstYear; y < firstYear + years; ++y)
        for (int m = 1; m <= 12; ++m)
            for (int d = 1; d <= lengths[m - 1] + (m == 2 && Leap(y) ? 1 : 0); ++d) {
                TDayValues v;
                day(y, m, d, v);
                if (!v.Present)
                    continue;
                char line[160];
                std::snprintf(line, sizeof line, "%04d-%02d-%02d,%g,%g,%g,%g,%g,%g\n", y, m, d,
                              v.Tmin, v.Tmax, v.Rain, v.Sunshine, v.RH, v.Wind);
                text += line;
            }
    return text;
}

const auto kPlainDay = [](int, int, int, TDayValues&) {};

} // namespace

TEST(ClimateNormals, RadiationToSunshineRoundTripsThroughTheAngstromRelation) {
    for (double latitude : {0.0, 20.0, -35.5, 52.0, 66.0})
        for (int day : {1, 80, 172, 266, 355}) {
            const TGeneral site = SiteAtLatitude(latitude);
            const TDaySun sun = DaySun(LatitudeRadians(site), day);
            // The same astronomy as the editor's sunshine limit.
            EXPECT_DOUBLE_EQ(sun.MaxSunshine, CalcMaxSunshine(site, day));
            for (double share : {0.0, 0.1, 0.5, 0.9, 1.0}) {
                const double n = share * sun.MaxSunshine;
                const double rs = (0.25 + 0.5 * n / sun.MaxSunshine) * sun.Radiation;
                EXPECT_NEAR(SunshineFromRadiation(rs, sun), n, 1e-9)
                    << latitude << " " << day << " " << share;
            }
            // Kept within 0..N.
            EXPECT_EQ(SunshineFromRadiation(0.2 * sun.Radiation, sun), 0);
            EXPECT_EQ(SunshineFromRadiation(0.8 * sun.Radiation, sun), sun.MaxSunshine);
        }
    const TDaySun polarNight = DaySun(LatitudeRadians(SiteAtLatitude(75)), 355);
    EXPECT_EQ(polarNight.MaxSunshine, 0);
    EXPECT_EQ(SunshineFromRadiation(10, polarNight), 0);
}

TEST(ClimateNormals, HumidityFromVapourPressureInvertsTheProgramsRelation) {
    for (double tmin : {-5.0, 8.0, 22.0})
        for (double spread : {4.0, 12.0, 20.0})
            for (double rh : {15.0, 55.0, 98.0}) {
                const double tmax = tmin + spread;
                const double ea = ActualVapourPressure(rh, tmin, tmax);
                EXPECT_NEAR(RHmeanOfVapourPressure(ea, tmin, tmax), rh, 1e-10);
            }
    // The dew point's saturation vapour pressure is the air's vapour pressure.
    EXPECT_NEAR(SaturationVapourPressure(20), 2.338, 0.001);
}

TEST(ClimateNormals, SiteAtLatitudeWritesDegreesAndMinutes) {
    const TGeneral north = SiteAtLatitude(37.4);
    EXPECT_NEAR(north.Latitude, 37.24, 1e-12);
    EXPECT_EQ(north.Hemisphere, "North");
    const TGeneral south = SiteAtLatitude(-12.5);
    EXPECT_NEAR(south.Latitude, 12.30, 1e-12);
    EXPECT_EQ(south.Hemisphere, "South");
    EXPECT_NEAR(LatitudeRadians(south), -12.5 * 0.017453292519943295, 1e-12);
}

TEST(ClimateNormals, LeapDaysFoldIntoTheProgramsYear) {
    EXPECT_EQ(ClimateDayOfYear({2020, 2, 28}), 59);
    EXPECT_EQ(ClimateDayOfYear({2020, 2, 29}), 59);
    EXPECT_EQ(ClimateDayOfYear({2020, 3, 1}), 60);
    EXPECT_EQ(ClimateDayOfYear({2021, 3, 1}), 60);
    EXPECT_EQ(ClimateDayOfYear({2020, 12, 31}), 365);
}

TEST(ClimateNormals, DependableRainfallByHand) {
    // Nine Januaries sorted wet to dry: 51 40 33 25 18 12 7 3 0; m = P (9 + 1) / 100.
    const std::vector<double> nine{12, 40, 0, 25, 33, 7, 18, 51, 3};
    EXPECT_EQ(DependableRainfall(nine, 50), 18); // m = 5
    EXPECT_EQ(DependableRainfall(nine, 75), 5);  // m = 7.5: halfway from 7 to 3
    EXPECT_EQ(DependableRainfall(nine, 80), 3);  // m = 8
    EXPECT_EQ(DependableRainfall(nine, 90), 0);  // m = 9
    // Four years: 40 30 20 10.
    const std::vector<double> four{10, 20, 30, 40};
    EXPECT_EQ(DependableRainfall(four, 50), 25);   // m = 2.5
    EXPECT_EQ(DependableRainfall(four, 75), 12.5); // m = 3.75
    EXPECT_EQ(DependableRainfall(four, 80), 10);   // m = 4
    EXPECT_FALSE(DependableRainfall(four, 90));    // m = 4.5 lies past the driest year
    EXPECT_FALSE(DependableRainfall({}, 50));
    EXPECT_EQ(DependableRainfall({7}, 50), 7);

    struct TNeed {
        int P, Years;
    };
    for (const TNeed& need : {TNeed{50, 1}, TNeed{75, 3}, TNeed{80, 4}, TNeed{90, 9}}) {
        EXPECT_EQ(YearsForDependableRainfall(need.P), need.Years);
        EXPECT_TRUE(DependableRainfall(std::vector<double>(need.Years, 1), need.P));
        EXPECT_FALSE(DependableRainfall(std::vector<double>(need.Years - 1, 1), need.P));
    }
}

TEST(ClimateNormals, DependableRainfallOfARecordTakesEachYearsMonthTotal) {
    const double januaries[9] = {12, 40, 0, 25, 33, 7, 18, 51, 3};
    // January's rain falls on its first day, a little every day in July.
    const std::string text = Record(2001, 9, [&](int y, int m, int d, TDayValues& v) {
        if (m == 1 && d == 1)
            v.Rain = januaries[y - 2001];
        if (m == 7)
            v.Rain = 1 + (y - 2001) * 0.1;
    });
    struct TCase {
        int P;
        double January;
    };
    for (const TCase& c : {TCase{0, 21}, TCase{50, 18}, TCase{75, 5}, TCase{80, 3}, TCase{90, 0}}) {
        TClimateChoices choices;
        choices.RainP = c.P;
        const TClimateResult r = Import(text, choices, 37.4).Result;
        EXPECT_NEAR(r.Meteo.Precipitation.GetMonth(1), c.January, 1e-9) << c.P;
        EXPECT_NEAR(r.Meteo.Precipitation.GetMonth(2), 0, 1e-12);
        EXPECT_EQ(r.RainP, c.P);
    }
    TClimateChoices fewer;
    fewer.RainP = 90;
    fewer.ToYear = 2008;
    EXPECT_EQ(ErrorOf(text, fewer),
              "The rainfall exceeded in 90 % of the years needs at least 9 years of monthly "
              "totals; January has 8");
}

TEST(ClimateNormals, SyntheticRecordsGiveTheGeneratorsNormals) {
    struct TCase {
        const char* Name;
        TSyntheticClimateSpec Spec;
        TCsvUnit RadiationOption = TCsvUnit::None;
    };
    std::vector<TCase> cases;
    cases.push_back({"csv, ISO dates, sunshine hours, RH", {}});
    {
        TSyntheticClimateSpec s;
        s.Separator = ';';
        s.DecimalComma = true;
        s.Dates = TGenDates::DayMonthYear;
        s.Radiation = TGenRadiation::Watts;
        s.Humidity = TGenHumidity::MaxMin;
        s.GapShare = 0.05;
        s.BlankMonths = {{1995, 3}, {2001, 7}};
        s.Missing = "NA";
        s.Seed = 2;
        cases.push_back({"csv, semicolons, decimal comma, W/m², RHmax and RHmin, gaps", s});
    }
    {
        TSyntheticClimateSpec s;
        s.Separator = '\t';
        s.Dates = TGenDates::YearDayOfYear;
        s.Radiation = TGenRadiation::KilowattHours;
        s.StateRadiationUnit = false;
        s.Humidity = TGenHumidity::DewPoint;
        s.WithRHmax = true;
        s.WindHeight = 0;
        s.Years = 12;
        s.FirstYear = 2008;
        s.Seed = 3;
        cases.push_back(
            {"csv, tabs, day of year, unstated kWh, dew point", s, TCsvUnit::KilowattHoursPerDay});
    }
    {
        TSyntheticClimateSpec s;
        s.Layout = TGenLayout::NasaPower;
        s.FirstYear = 1984;
        s.Years = 40;
        s.GapShare = 0.02;
        s.Seed = 4;
        cases.push_back({"NASA POWER, MJ, RH2M, WS2M", s});
    }
    {
        TSyntheticClimateSpec s;
        s.Layout = TGenLayout::NasaPower;
        s.Dates = TGenDates::YearDayOfYear;
        s.Radiation = TGenRadiation::KilowattHours;
        s.Humidity = TGenHumidity::DewPoint;
        s.WindHeight = 10;
        s.Latitude = -33.9;
        s.GapShare = 0.03;
        s.BlankMonths = {{2003, 2}};
        s.Seed = 5;
        cases.push_back({"NASA POWER, kWh, day of year, T2MDEW, WS10M, south", s});
    }

    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Name);
        const TSyntheticClimate record = MakeSyntheticClimate(c.Spec);
        const TImportRun run = Import(record.Text, {}, c.Spec.Latitude, c.RadiationOption);
        const TClimateResult& r = run.Result;
        EXPECT_EQ(run.Info.Layout, c.Spec.Layout == TGenLayout::NasaPower
                                       ? TClimateLayout::NasaPower
                                       : TClimateLayout::Csv);
        EXPECT_EQ(r.FromYear, c.Spec.FirstYear);
        EXPECT_EQ(r.ToYear, c.Spec.FirstYear + c.Spec.Years - 1);
        EXPECT_EQ(r.Meteo.WindHeight, c.Spec.WindHeight == 10 ? 10 : 2);
        EXPECT_EQ(r.WindHeightSource,
                  c.Spec.WindHeight == 0 ? "assumed"
                  : c.Spec.Layout == TGenLayout::NasaPower
                      ? (c.Spec.WindHeight == 10 ? "WS10M" : "WS2M")
                      : "wind " + std::to_string(c.Spec.WindHeight) + "m (m/s)");
        EXPECT_TRUE(r.Notes.empty());
        const auto series = r.Meteo.Series();
        const bool dewPoint = c.Spec.Humidity == TGenHumidity::DewPoint;
        const bool rhMax = c.Spec.WithRHmax || c.Spec.Humidity == TGenHumidity::MaxMin;
        for (int m = 1; m <= 12; ++m) {
            SCOPED_TRACE(MonthNameOfMonth(m));
            const auto& expected = record.Normals[m - 1];
            // Values written with one decimal: means within half a tenth, month totals within
            // half a tenth a day.
            for (int s : {0, 1, 3, 6})
                EXPECT_NEAR(series[s]->GetMonth(m), expected[s], 0.05) << "series " << s;
            EXPECT_NEAR(series[2]->GetMonth(m), expected[2], 0.05 * 31);
            if (dewPoint) // the vapour pressure comes back unchanged
                EXPECT_NEAR(ActualVapourPressure(r.Meteo.RHmean.GetMonth(m),
                                                 r.Meteo.Tmin.GetMonth(m),
                                                 r.Meteo.Tmax.GetMonth(m)),
                            record.VapourPressure[m - 1], 0.002);
            else
                EXPECT_NEAR(r.Meteo.RHmean.GetMonth(m), expected[4], 0.05);
            EXPECT_NEAR(r.Meteo.RHmax.GetMonth(m), rhMax ? expected[5] : 0, 0.05);
            EXPECT_EQ(r.Meteo.WindRatio.GetMonth(m), 0);
            for (int s : {0, 1, 2, 3, 6})
                EXPECT_EQ(r.Variables[s].YearsUsed[m - 1], record.YearsUsed[m - 1][s]);
        }
        for (int s : {0, 1, 2, 3, 6})
            EXPECT_EQ(r.Variables[s].DaysMissing, record.DaysMissing[s]) << "series " << s;
        for (const auto& [year, month] : c.Spec.BlankMonths)
            EXPECT_LT(r.Variables[0].YearsUsed[month - 1], c.Spec.Years);
        EXPECT_EQ(r.Variables[5].InRecord, rhMax);
        EXPECT_FALSE(r.Variables[7].InRecord);
    }
}

TEST(ClimateNormals, DependableRainfallOfASyntheticRecordUsesTheYearsThatCount) {
    TSyntheticClimateSpec spec;
    spec.GapShare = 0.04;
    spec.BlankMonths = {{1993, 1}, {2000, 1}};
    const TSyntheticClimate record = MakeSyntheticClimate(spec);
    TClimateChoices choices;
    choices.RainP = 80;
    const TClimateResult r = Import(record.Text, choices, spec.Latitude).Result;
    for (int m = 1; m <= 12; ++m)
        EXPECT_NEAR(r.Meteo.Precipitation.GetMonth(m),
                    *DependableRainfall(record.RainTotals[m - 1], 80), 0.05 * 31)
            << MonthNameOfMonth(m);
    EXPECT_LE(r.Variables[2].YearsUsed[0], 28);
}

TEST(ClimateNormals, AMonthCountsWithEightyPerCentOfItsDays) {
    struct TCase {
        int Year, Month, Present;
        bool Counts;
    };
    const TCase cases[] = {
        {2001, 1, 25, true}, {2001, 1, 24, false}, {2001, 4, 24, true}, {2001, 4, 23, false},
        {2001, 2, 23, true}, {2001, 2, 22, false}, {2004, 2, 24, true}, {2004, 2, 23, false},
    };
    for (const TCase& c : cases) {
        const std::string text = Record(c.Year, 1, [&](int, int m, int d, TDayValues& v) {
            v.Present = m != c.Month || d <= c.Present;
        });
        const std::string month = MonthNameOfMonth(c.Month);
        if (c.Counts) {
            const TClimateResult r = Import(text, {}, 37.4).Result;
            EXPECT_EQ(r.Variables[0].YearsUsed[c.Month - 1], 1) << month << " " << c.Present;
            EXPECT_EQ(r.Variables[0].DaysMissing,
                      (Leap(c.Year) && c.Month == 2 ? 29 : TGuiSettings::DaysInMonth(c.Month)) -
                          c.Present);
        } else {
            EXPECT_EQ(ErrorOf(text), month + ": no year from " + std::to_string(c.Year) + " to " +
                                         std::to_string(c.Year) +
                                         " has 80 % of its days of minimum temperature")
                << c.Present;
        }
    }
}

TEST(ClimateNormals, GapsInOneYearLeaveThatMonthOutOfThatYearOnly) {
    // Warm Junes, except 2002's, which has only ten days of values and so must not count.
    const std::string text = Record(2001, 3, [](int y, int m, int d, TDayValues& v) {
        if (m == 6) {
            v.Tmax = y == 2002 ? 40 : 30;
            v.Present = y != 2002 || d <= 10;
        }
    });
    const TClimateResult r = Import(text, {}, 37.4).Result;
    EXPECT_DOUBLE_EQ(r.Meteo.Tmax.GetMonth(6), 30);
    EXPECT_EQ(r.Variables[1].YearsUsed[5], 2);
    EXPECT_EQ(r.Variables[1].YearsUsed[4], 3);
    EXPECT_EQ(r.Variables[1].DaysMissing, 20);
    EXPECT_EQ(r.Variables[1].DaysUsed, 3 * 365 - 30);
}

TEST(ClimateNormals, TheChosenYearsAreTheOnlyOnesAveraged) {
    const std::string text =
        Record(2001, 4, [](int y, int, int, TDayValues& v) { v.Tmin = 10 + (y - 2001); });
    TClimateChoices choices;
    choices.FromYear = 2002;
    choices.ToYear = 2003;
    const TClimateResult r = Import(text, choices, 37.4).Result;
    EXPECT_DOUBLE_EQ(r.Meteo.Tmin.GetMonth(5), 11.5);
    EXPECT_EQ(r.Variables[0].YearsUsed[4], 2);
    EXPECT_EQ(r.Variables[0].DaysMissing, 0);

    choices.FromYear = 2004;
    choices.ToYear = 2003;
    EXPECT_EQ(ErrorOf(text, choices), "The first year (2004) comes after the last (2003)");
    choices.FromYear = 1990;
    choices.ToYear = 1999;
    EXPECT_EQ(ErrorOf(text, choices),
              "The record covers 2001 to 2004, none of the years 1990 to 1999");
}

TEST(ClimateNormals, DailyNormalsFoldTheLeapDayIntoTheTwentyEighth) {
    const std::string text = Record(2019, 2, [](int y, int m, int d, TDayValues& v) {
        if (m == 2 && d >= 28) {
            v.Rain = y == 2019 ? 4 : (d == 28 ? 6 : 10);
            v.Tmin = y == 2019 ? 10 : (d == 28 ? 12 : 14);
        }
        if (m == 8)
            v.Tmin = y == 2019 ? 16 : 18;
    });
    TClimateChoices choices;
    choices.DailyNormals = true;
    const TClimateResult r = Import(text, choices, 37.4).Result;
    EXPECT_TRUE(r.DailyNormals);
    EXPECT_DOUBLE_EQ(r.Meteo.Precipitation.GetDay(59), 10); // (4 + (6 + 10)) / 2
    EXPECT_DOUBLE_EQ(r.Meteo.Tmin.GetDay(59), 11.5);        // (10 + (12 + 14) / 2) / 2
    EXPECT_DOUBLE_EQ(r.Meteo.Tmin.GetDay(58), 10);
    EXPECT_DOUBLE_EQ(r.Meteo.Tmin.GetDay(60), 10);
    EXPECT_DOUBLE_EQ(r.Meteo.Tmin.GetDay(220), 17);
    EXPECT_DOUBLE_EQ(r.Meteo.Precipitation.GetDay(100), 0);

    choices.RainP = 80;
    EXPECT_EQ(
        ErrorOf(text, choices),
        "Dependable rainfall is worked out from monthly totals: it goes with monthly normals");
}

TEST(ClimateNormals, DailyNormalsNameADayNoYearHas) {
    // Every 5 January is missing: January still counts (30 of 31 days), the day has no value.
    const std::string text =
        Record(2001, 3, [](int, int m, int d, TDayValues& v) { v.Present = !(m == 1 && d == 5); });
    TClimateChoices choices;
    choices.DailyNormals = true;
    EXPECT_EQ(ErrorOf(text, choices),
              "Jan / 5: no year from 2001 to 2003 has a value of the minimum temperature on this "
              "day");
}

TEST(ClimateNormals, SunshineAboveTheEditorsLimitIsLoweredAndNoted) {
    // Eight hours of sun every day is more than December's day length at 60° north.
    const std::string text = Record(2001, 2, kPlainDay);
    const TImportRun run = Import(text, {}, 60);
    const TGeneral site = SiteAtLatitude(60);
    const double limit = CalcMaxSunshine(site, DayOfYear(12, 15));
    ASSERT_LT(limit, 8);
    EXPECT_DOUBLE_EQ(run.Result.Meteo.Sunshine.GetMonth(12), std::floor(limit * 10) / 10);
    EXPECT_DOUBLE_EQ(run.Result.Meteo.Sunshine.GetMonth(6), 8);
    ASSERT_EQ(run.Result.Notes.size(), 1u);
    EXPECT_EQ(run.Result.Notes[0].rfind("Sunshine above the day length at the general data's "
                                        "latitude lowered to it: Jan (1), ",
                                        0),
              0u)
        << run.Result.Notes[0];

    // Per day, with a daily calculation period: every row stays within its own limit.
    TGuiSettings days;
    days.SetPeriodKind(1);
    TGeneral daily = site;
    daily.CalcPeriod = "Day";
    const TImportRun perDay = Import(text, {}, 60, TCsvUnit::None, &daily, days);
    for (int d = 1; d <= kDaysInYear; ++d)
        EXPECT_LE(perDay.Result.Meteo.Sunshine.GetDay(d), CalcMaxSunshine(daily, d) + 0.05) << d;
}

TEST(ClimateNormals, RHmaxBelowRHmeanIsRaisedToIt) {
    std::string text = "date,tmin,tmax,rain,sunshine,rh,rhmax,wind\n";
    for (int d = 1; d <= 365; ++d) {
        char line[100];
        std::snprintf(line, sizeof line, "2001-%02d-%02d,10,25,0,8,%d,%d,2\n",
                      TGuiSettings::MonthOfDay(d), TGuiSettings::DayOfMonth(d), d <= 31 ? 80 : 60,
                      d <= 31 ? 70 : 90);
        text += line;
    }
    const TClimateResult r = Import(text, {}, 37.4).Result;
    EXPECT_DOUBLE_EQ(r.Meteo.RHmax.GetMonth(1), 80);
    EXPECT_DOUBLE_EQ(r.Meteo.RHmax.GetMonth(2), 90);
    ASSERT_EQ(r.Notes.size(), 1u);
    EXPECT_EQ(r.Notes[0], "RHmax below RHmean raised to it: Jan (1)");
}

TEST(ClimateNormals, FrostyMonthsComeThroughAsTheEditorTakesThem) {
    const std::string cold = Record(2001, 3, [](int, int m, int, TDayValues& v) {
        if (m == 1) {
            v.Tmin = -8;
            v.Tmax = -1.5;
            v.Sunshine = 3;
        }
    });
    const TClimateResult r = Import(cold, {}, 45).Result;
    EXPECT_DOUBLE_EQ(r.Meteo.Tmin.GetMonth(1), -8);
    EXPECT_DOUBLE_EQ(r.Meteo.Tmax.GetMonth(1), -1.5);
}

TEST(ClimateNormals, AValueTheEditorWouldMarkStopsTheImport) {
    const std::string hot =
        Record(2001, 2, [](int, int m, int, TDayValues& v) { v.Tmax = m == 7 ? 57 : 25; });
    const std::string message = ErrorOf(hot);
    EXPECT_EQ(message.rfind("The meteo editor would refuse Tmax, Jul (7): 57.0 (Range: ", 0), 0u)
        << message;

    const std::string windy = Record(2001, 1, [](int, int, int, TDayValues& v) { v.Wind = 3; });
    TClimateChoices high;
    high.WindHeight = 20;
    EXPECT_EQ(ErrorOf(windy, high),
              "The meteo editor would refuse Height of windspeed measurements above ground level: "
              "20.00 (Range: 0.5 < Height windspeed measurement <= 15 m)");
}

TEST(ClimateNormals, RadiationAboveWhatReachesTheAtmosphereStopsTheImport) {
    // W/m² values in a column said to hold MJ/m²/day.
    std::string text = "date,tmin,tmax,rain,radiation (MJ/m2/day),rh,wind\n";
    text += "2001-01-01,5,20,0,40,60,2\n";
    const std::string message = ErrorOf(text);
    EXPECT_EQ(message.rfind("Line 2, column 5 \"radiation (MJ/m2/day)\": the radiation of "
                            "2001-01-01 (463 W/m² over the day) is more than reaches the top of "
                            "the atmosphere at latitude 37.40 (",
                            0),
              0u)
        << message;
}

TEST(ClimateNormals, SummaryRowsNameSourcesYearsAndDays) {
    TSyntheticClimateSpec spec;
    spec.Radiation = TGenRadiation::Megajoules;
    spec.Humidity = TGenHumidity::DewPoint;
    spec.Years = 5;
    spec.BlankMonths = {{1992, 3}};
    const TSyntheticClimate record = MakeSyntheticClimate(spec);
    const TClimateResult r = Import(record.Text, {}, spec.Latitude).Result;
    const auto rows = ClimateSummaryRows(r);
    ASSERT_EQ(rows.size(), 8u);
    EXPECT_EQ(rows[0], (std::array<std::string, 5>{"Tmin", "tmin (°C)", "4 to 5", "1795", "31"}));
    EXPECT_EQ(rows[3][1], "from the radiation radiation (MJ/m^2/day)");
    EXPECT_EQ(rows[4][1], "from the dew point dew point (°C)");
    EXPECT_EQ(rows[5], (std::array<std::string, 5>{"RHmax",
                                                   "not in the record: 0, estimated "
                                                   "from RHmean",
                                                   "-", "-", "-"}));
    EXPECT_EQ(rows[7][1], "not in the record: 0, taken as 2");
}
