#include "calc/uCalculate.h"
#include "core/cError.h"
#include "data/cAllData.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>

namespace {

constexpr double kPi = 3.14159265358979323846;

void ExpectRelative(double actual, double expected, double tolerance, const char* what) {
    EXPECT_NEAR(actual, expected, std::abs(expected) * tolerance) << what;
}

// A summer site in the south of Spain; every meteo value differs from month to month.
void FillSite(TAllData& data) {
    data.General.Clear();
    data.General.Hemisphere = "North";
    data.General.Latitude = 37.25; // 37 degrees 25 minutes
    data.General.Altitude = 340;
    TMeteo& m = data.Meteo;
    m.Clear();
    m.WindHeight = 10;
    const double tmin[12] = {4, 5, 7, 9, 13, 17, 19, 19, 16, 12, 8, 5};
    const double tmax[12] = {16, 18, 21, 23, 28, 33, 36, 35, 31, 25, 20, 16};
    const double rain[12] = {70, 60, 55, 50, 30, 10, 0, 5, 20, 60, 80, 95};
    const double sun[12] = {5.5, 6.2, 6.8, 8, 9.8, 11, 12, 11.2, 9, 7, 5.8, 5};
    const double rhMean[12] = {75, 70, 65, 60, 55, 48, 45, 47, 55, 65, 72, 77};
    const double rhMax[12] = {95, 0, 90, 85, 80, 75, 0, 72, 80, 88, 93, 96};
    const double wind[12] = {2.5, 2.8, 3, 3.2, 3, 2.9, 3.1, 3, 2.6, 2.4, 2.3, 2.4};
    const double ratio[12] = {1.5, 2, 2.5, 3, 3.5, 4, 0, 2, 1.2, 0, 1.8, 2.2};
    for (int month = 1; month <= 12; ++month) {
        m.Tmin.SetMonth(month, tmin[month - 1]);
        m.Tmax.SetMonth(month, tmax[month - 1]);
        m.Precipitation.SetMonth(month, rain[month - 1]);
        m.Sunshine.SetMonth(month, sun[month - 1]);
        m.RHmean.SetMonth(month, rhMean[month - 1]);
        m.RHmax.SetMonth(month, rhMax[month - 1]);
        m.WindSpeed.SetMonth(month, wind[month - 1]);
        m.WindRatio.SetMonth(month, ratio[month - 1]);
    }
}

struct TExpectedDay {
    double penmanMonteith;
    double modPenman;
    double hargreaves;
    double rsPrime; // the arguments of the adjustment factor c
    double uDay;
    double rhMax;
};

// One day worked through from the published formulas, independently of the code under test.
// The adjustment factor c is passed in (checked against the table on its own below); without it
// the table lookup of the code is used with the day's worked-out arguments.
constexpr double kLookUpC = -1;
TExpectedDay WorkedDay(const TAllData& data, int j, double c) {
    const TMeteo& m = data.Meteo;
    // Latitude 37.25 North is 37 degrees 25 minutes.
    const double phi = (37 + 25.0 / 60) * kPi / 180;
    const double delta = 0.4093 * std::sin(2 * kPi * (j + 284) / 365);
    const double ws = std::acos(-std::tan(phi) * std::tan(delta));
    const double n = 24 / kPi * ws;
    const double dr = 1 + 0.033 * std::cos(2 * kPi * j / 365);
    const double bracket =
        ws * std::sin(phi) * std::sin(delta) + std::cos(phi) * std::cos(delta) * std::sin(ws);
    const double ra = 435.2 * dr * bracket;
    const double raPrime = 430.7 * dr * bracket;
    const double sunshine = m.Sunshine.GetDay(j);
    const double a = 0.25 + 0.5 * sunshine / n;

    const double tmax = m.Tmax.GetDay(j), tmin = m.Tmin.GetDay(j);
    const double tmean = (tmax + tmin) / 2;
    const double tk = tmean + 273.16;
    auto e0 = [](double t) { return 0.6108 * std::exp(17.27 * t / (t + 237.3)); };
    const double es = (e0(tmax) + e0(tmin)) / 2;
    const double rh = m.RHmean.GetDay(j);
    const double ea = rh / (50 / e0(tmax) + 50 / e0(tmin));
    const double ed = rh * e0(tmean) / 100;
    const double slope1 = 4098 * e0(tmean) / std::pow(tmean + 237.3, 2);
    const double slope2 = 4098 * es / std::pow(tmean + 237.3, 2);
    const double u2 = m.WindSpeed.GetDay(j) * 4.868 / std::log(67.75 * 10 - 5.42);
    const double p = 101.3 * std::pow((tk - 0.0065 * 340) / tk, 5.256);
    const double gamma = 0.000659 * p;
    auto rnl = [&](double e) {
        return 5.675e-8 * std::pow(tk, 4) * (0.34 - 0.139 * std::sqrt(e)) *
               (0.1 + 0.9 * sunshine / n);
    };

    TExpectedDay day{};
    const double rn = (0.77 * a * ra - rnl(ea)) * 0.0353;
    const double d = slope2 + gamma * (1 + 0.34 * u2);
    day.penmanMonteith = slope2 / d * rn + gamma / d * 900 / tk * u2 * (es - ea);

    const double rsPrime = a * raPrime * 0.0353;
    const double rnPrime = 0.75 * rsPrime - 0.0353 * rnl(ed);
    const double w = slope1 / (slope1 + gamma);
    const double fu = 0.27 * (1 + u2 * 86.4 / 100); // U2 in km/day
    const double ratio = m.WindRatio.GetDay(j) == 0 ? 2 : m.WindRatio.GetDay(j);
    day.rsPrime = rsPrime;
    day.uDay = u2 * 2 * ratio / (ratio + 1);
    day.rhMax = m.RHmax.GetDay(j) == 0 ? (rh + 100) / 2 : m.RHmax.GetDay(j);
    if (c == kLookUpC)
        c = ModPenmanAdjustment(ratio, day.rhMax, day.uDay, rsPrime);
    day.modPenman = c * (w * rnPrime + (1 - w) * fu * (e0(tmean) - ed) * 10);

    const int month = TYearData::MonthOfDay(j);
    const double td = m.Tmax.MonthAverage(month) - m.Tmin.MonthAverage(month);
    const double x = td - 0.0123 * m.Precipitation.MonthSum(month);
    const double f = std::pow(std::max(x, 0.1), 0.76);
    day.hargreaves = 0.0013 * (0.0864 * ra) * 0.408 * (tmean + 17) * f;
    return day;
}

double SunshineAt(const char* hemisphere, double latitude, int day) {
    TGeneral g;
    g.Hemisphere = hemisphere;
    g.Latitude = latitude;
    return CalcMaxSunshine(g, day);
}

} // namespace

TEST(ReferenceET, LatitudeInDegreesAndMinutesWithTheExactSouthTest) {
    TGeneral g;
    g.Latitude = 30.30;
    g.Hemisphere = "South";
    EXPECT_NEAR(LatitudeRadians(g), -30.5 * kPi / 180, 1e-15);
    g.Hemisphere = "south"; // only the exact text counts as southern
    EXPECT_NEAR(LatitudeRadians(g), 30.5 * kPi / 180, 1e-15);
    g.Hemisphere = "";
    g.Latitude = 52.05;
    EXPECT_NEAR(LatitudeRadians(g), (52 + 5.0 / 60) * kPi / 180, 1e-15);
    g.Latitude = 0;
    g.Hemisphere = "South";
    // 0 becomes 0.0001, that is 0 degrees 0.01 minutes, north even in the south.
    EXPECT_NEAR(LatitudeRadians(g), 0.01 / 60 * kPi / 180, 1e-20);
}

TEST(ReferenceET, MaxSunshine) {
    EXPECT_NEAR(SunshineAt("North", 0, 80), 12.0, 1e-4);
    for (int day = 1; day <= 365; ++day)
        ASSERT_NEAR(SunshineAt("South", 0, day), 12.0, 1e-4) << day;
    EXPECT_NEAR(SunshineAt("North", 60, 349), 5.55, 0.01);
    EXPECT_NEAR(SunshineAt("North", 60, 166), 18.44, 0.01);
    // The southern hemisphere mirrors the northern one.
    EXPECT_NEAR(SunshineAt("South", 60, 349), 24 - SunshineAt("North", 60, 349), 1e-9);
    // Beyond the polar circle: midnight sun and polar night.
    EXPECT_EQ(SunshineAt("North", 70, 172), 24);
    EXPECT_EQ(SunshineAt("North", 70, 355), 0);
    EXPECT_EQ(SunshineAt("South", 70, 355), 24);
}

TEST(ReferenceET, WindAtTwoMetres) {
    EXPECT_EQ(WindAt2m(3.7, 2), 3.7);
    EXPECT_NEAR(WindAt2m(3.7, 10), 3.7 * 4.868 / std::log(672.08), 1e-15);
    EXPECT_NEAR(WindAt2m(3.7, 10) / 3.7, 0.7477, 1e-4);
    EXPECT_THROW(WindAt2m(1, 0.05), TCalcError); // logarithm of a negative number
}

// Rows: grid points (the published table values); the centre of a cell (the mean of its 16
// corners, 13.58 / 16); Rs' below 3 extrapolates from the 3 and 6 columns (0.86 - 0.5 * 0.04,
// 0.64 - 0.07), 12 and above keep the 12 column; RHmax above 90 keeps the 90 % row, below 30
// extrapolates from 30 and 60 (0.86 - 0.5 * 0.10); day-time wind above 9 keeps the 9 column; a
// ratio below 1 extrapolates from 1 and 2 (0.64 - 0.5 * 0.05), above 4 keeps the 4 table; values
// far off the table (damaged data) stay on its edges.
TEST(ReferenceET, AdjustmentFactorOnBetweenAndBeyondTheGrid) {
    const std::array<double, 5> cases[] = {
        {1, 30, 0, 3, 0.86},           {2, 60, 3, 6, 0.91},          {3, 60, 9, 3, 0.67},
        {2, 30, 9, 6, 0.48},           {4, 90, 6, 12, 1.33},         {3, 90, 3, 12, 1.28},
        {4, 60, 9, 9, 1.02},           {1.5, 45, 1.5, 4.5, 0.84875}, {1, 30, 0, 1.5, 0.84},
        {1, 30, 3, 0, 0.57},           {1, 30, 3, 12, 0.89},         {1, 30, 3, 14.5, 0.89},
        {2, 100, 6, 9, 1.05},          {1, 15, 0, 3, 0.81},          {1, 30, 12, 3, 0.27},
        {0.5, 30, 3, 3, 0.615},        {5, 60, 3, 12, 1.19},         {4.5, 60, 3, 12, 1.19},
        {1e12, 1e12, 1e12, 1e12, 1.27}};
    for (const auto& [ratio, rhMax, uDay, rs, c] : cases)
        EXPECT_NEAR(ModPenmanAdjustment(ratio, rhMax, uDay, rs), c, 1e-12)
            << ratio << " " << rhMax << " " << uDay << " " << rs;
    EXPECT_NEAR(ModPenmanAdjustment(1, 30, 0, -1e12), 0.86 - (1e12 + 3) / 3 * 0.04, 1e-3);
    // Nothing but a number comes back, or NaN for NaN.
    EXPECT_TRUE(std::isnan(ModPenmanAdjustment(2, 60, 3, std::nan(""))));
    EXPECT_TRUE(std::isnan(ModPenmanAdjustment(2, INFINITY, 3, 6)));
}

TEST(ReferenceET, EachMethodMatchesTheWorkedDay) {
    TAllData data;
    FillSite(data);
    CalcET0(data);
    // July: no RHmax and no wind ratio, so the defaults are used; c is interpolated by hand.
    // RHmax (45 + 100) / 2 = 72.5, ratio 2, Uday = u2 * 4/3, Rs' of that day.
    const int july = 196;
    const TExpectedDay args = WorkedDay(data, july, 1);
    ASSERT_NEAR(args.uDay, 3.1 * 4.868 / std::log(672.08) * 4 / 3, 1e-12);
    ASSERT_EQ(args.rhMax, 72.5);
    ASSERT_GT(args.rsPrime, 9);
    ASSERT_LT(args.rsPrime, 12);
    ASSERT_LT(args.uDay, 6);
    ASSERT_GT(args.uDay, 3);
    // Ratio 2, RHmax between 60 and 90, Uday between 3 and 6, Rs' between 9 and 12.
    const double fh = (72.5 - 60) / 30, fu = (args.uDay - 3) / 3, fs = (args.rsPrime - 9) / 3;
    auto lerp = [](double a, double b, double f) { return a + (b - a) * f; };
    const double rs9 = lerp(lerp(0.99, 1.10, fh), lerp(0.94, 1.05, fh), fu);
    const double rs12 = lerp(lerp(1.05, 1.14, fh), lerp(1.02, 1.12, fh), fu);
    const double c = lerp(rs9, rs12, fs);
    const TExpectedDay day = WorkedDay(data, july, c);
    ExpectRelative(data.ET0PenmanMonteith.GetDay(july), day.penmanMonteith, 1e-9, "PM");
    ExpectRelative(data.ET0ModPenman.GetDay(july), day.modPenman, 1e-9, "ModPenman");
    ExpectRelative(data.ET0Hargreaves.GetDay(july), day.hargreaves, 1e-9, "Hargreaves");
    // A plausible Andalusian July: 6 to 9 mm a day.
    EXPECT_GT(day.penmanMonteith, 5);
    EXPECT_LT(day.penmanMonteith, 10);
}

// Every day, J = 1 and J = 365 included.
TEST(ReferenceET, EveryDayMatchesTheFormulasWithMonthlyAndWithDailyWeather) {
    for (bool daily : {false, true}) {
        TAllData data;
        FillSite(data);
        if (daily) // weather that changes from one day to the next
            for (int day = 1; day <= 365; ++day) {
                const double wobble = 0.1 * (day % 5);
                data.Meteo.Tmax.SetDay(day, data.Meteo.Tmax.GetDay(day) + wobble);
                data.Meteo.RHmean.SetDay(day, data.Meteo.RHmean.GetDay(day) - wobble);
                data.Meteo.WindSpeed.SetDay(day, data.Meteo.WindSpeed.GetDay(day) + wobble);
            }
        TAllData original;
        FillSite(original);
        original.Meteo = data.Meteo; // the inputs before the defaults are written back
        CalcET0(data);
        for (int day = 1; day <= 365; ++day) {
            const TExpectedDay expected = WorkedDay(original, day, kLookUpC);
            ExpectRelative(data.ET0PenmanMonteith.GetDay(day), expected.penmanMonteith, 1e-9, "PM");
            ExpectRelative(data.ET0ModPenman.GetDay(day), expected.modPenman, 1e-9, "ModPenman");
            ExpectRelative(data.ET0Hargreaves.GetDay(day), expected.hargreaves, 1e-9, "Hargreaves");
        }
    }
}

TEST(ReferenceET, DefaultsAreWrittenBackAndTheWindSeriesIsLeftAlone) {
    TAllData data;
    FillSite(data);
    data.Meteo.RHmean.SetMonth(2, 60);
    const TYearAverage windBefore = data.Meteo.WindSpeed;
    CalcET0(data);
    EXPECT_EQ(data.Meteo.RHmax.GetDay(40), 80);     // February had none
    EXPECT_EQ(data.Meteo.RHmax.GetDay(10), 95);     // January's stays
    EXPECT_EQ(data.Meteo.WindRatio.GetDay(196), 2); // July had none
    EXPECT_EQ(data.Meteo.WindRatio.GetDay(290), 2); // nor October
    EXPECT_EQ(data.Meteo.WindRatio.GetDay(10), 1.5);
    EXPECT_EQ(data.Meteo.WindSpeed, windBefore); // measured at 10 m, converted privately

    // A second run on the completed data gives the same series.
    const TYearData pm = data.ET0PenmanMonteith, mp = data.ET0ModPenman;
    CalcET0(data);
    EXPECT_EQ(data.ET0PenmanMonteith, pm);
    EXPECT_EQ(data.ET0ModPenman, mp);
}

TEST(ReferenceET, WindHeightOfTwoMetresUsesTheWindAsMeasured) {
    TAllData at2, at10;
    FillSite(at2);
    FillSite(at10);
    at2.Meteo.WindHeight = 2;
    // The same 2 m wind, once given as measured at 10 m.
    for (int day = 1; day <= 365; ++day)
        at10.Meteo.WindSpeed.SetDay(day, at2.Meteo.WindSpeed.GetDay(day) /
                                             (4.868 / std::log(67.75 * 10 - 5.42)));
    CalcET0(at2);
    CalcET0(at10);
    for (int day : {1, 100, 196, 365}) {
        EXPECT_NEAR(at2.ET0PenmanMonteith.GetDay(day), at10.ET0PenmanMonteith.GetDay(day), 1e-12);
        EXPECT_NEAR(at2.ET0ModPenman.GetDay(day), at10.ET0ModPenman.GetDay(day), 1e-12);
    }
}

TEST(ReferenceET, HargreavesInAWetMonthWithoutTemperatureRange) {
    TAllData data;
    FillSite(data);
    // January: TD 10, 813 mm: TD - 0.0123 Pm = 0.0001, so F is 0.1^0.76 (about 0.174).
    data.Meteo.Tmin.SetMonth(1, 5);
    data.Meteo.Tmax.SetMonth(1, 15);
    data.Meteo.Precipitation.SetMonth(1, 813);
    // February: 800 mm leaves 0.16 above the limit.
    data.Meteo.Tmin.SetMonth(2, 5);
    data.Meteo.Tmax.SetMonth(2, 15);
    data.Meteo.Precipitation.SetMonth(2, 800);
    CalcET0(data);
    EXPECT_NEAR(std::pow(0.1, 0.76), 0.174, 5e-4);
    for (int day : {1, 15, 31, 32, 46, 59})
        ExpectRelative(data.ET0Hargreaves.GetDay(day), WorkedDay(data, day, 1).hargreaves, 1e-9,
                       "Hargreaves");
    // Any month below the limit gives the same values: far more rain changes nothing.
    const TYearData atLimit = data.ET0Hargreaves;
    data.Meteo.Precipitation.SetMonth(1, 2000);
    CalcET0(data);
    EXPECT_EQ(data.ET0Hargreaves.GetDay(15), atLimit.GetDay(15));
}

// A continental winter: (Tmean + 17) of Hargreaves falls below 0 and the formulas give a
// negative rate, which no method reports; the other days keep their worked values.
TEST(ReferenceET, FrostGivesNoNegativeEvapotranspiration) {
    TAllData data;
    FillSite(data);
    for (int month : {1, 2}) {
        data.Meteo.Tmin.SetMonth(month, -25);
        data.Meteo.Tmax.SetMonth(month, -12);
    }
    CalcET0(data);
    const TExpectedDay january = WorkedDay(data, 15, kLookUpC);
    EXPECT_LT(january.hargreaves, -0.05); // about -0.1 mm/day by the formula
    EXPECT_GT(january.hargreaves, -0.3);
    int clipped = 0;
    for (int day = 1; day <= 365; ++day) {
        const TExpectedDay worked = WorkedDay(data, day, kLookUpC);
        const double expected[3] = {worked.penmanMonteith, worked.modPenman, worked.hargreaves};
        const TYearData* series[3] = {&data.ET0PenmanMonteith, &data.ET0ModPenman,
                                      &data.ET0Hargreaves};
        for (int method = 0; method < 3; ++method) {
            EXPECT_GE(series[method]->GetDay(day), 0) << day << " " << method;
            EXPECT_NEAR(series[method]->GetDay(day), std::max(0.0, expected[method]),
                        1e-9 * std::max(1.0, std::abs(expected[method])))
                << day << " " << method;
            clipped += expected[method] < 0;
        }
    }
    EXPECT_GE(clipped, 59); // at least every January and February day of Hargreaves
}

TEST(ReferenceET, AnImpossibleDayEndsTheRunAndKeepsTheDaysBefore) {
    TAllData data;
    FillSite(data);
    data.General.Latitude = 70;
    data.General.Hemisphere = "South"; // midnight sun in January, polar night in June
    data.ET0PenmanMonteith.Fill(-1);
    EXPECT_THROW(CalcET0(data), TCalcError);
    EXPECT_GT(data.ET0PenmanMonteith.GetDay(1), 0);
    EXPECT_EQ(data.ET0PenmanMonteith.GetDay(172), -1);
    EXPECT_EQ(data.ET0PenmanMonteith.GetDay(365), -1);

    TAllData low;
    FillSite(low);
    low.Meteo.WindHeight = 0.05; // below the wind profile's range
    EXPECT_THROW(CalcET0(low), TCalcError);
}

// Weeks and months are proved through the command line's et0 tables.
TEST(ReferenceETTable, TenDayPeriodsEndWithFifteenDays) {
    TAllData data;
    for (int day = 1; day <= 365; ++day) {
        data.ET0PenmanMonteith.SetDay(day, day);
        data.ET0Hargreaves.SetDay(day, 2);
    }
    data.GuiSettings.SetOtherPeriod(10);
    const TET0PeriodTable table = BuildET0PeriodTable(data);
    EXPECT_EQ(table.PeriodName, "10 days");
    ASSERT_EQ(table.Rows.size(), 36u);
    const TET0PeriodRow& last = table.Rows.back();
    EXPECT_EQ(last.Label, "17/12 (36)");
    EXPECT_EQ(last.FirstDay, 351);
    EXPECT_EQ(last.Days, 15);
    EXPECT_EQ(last.Sum[0], (351 + 365) * 15 / 2);
    EXPECT_EQ(last.Mean[0], 358);
    EXPECT_EQ(last.Sum[2], 30);
    EXPECT_EQ(last.Mean[1], 0);
    EXPECT_EQ(table.YearTotal[0], 365 * 366 / 2);
    EXPECT_EQ(table.YearTotal[2], 730);
}
