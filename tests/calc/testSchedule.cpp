#include "calc/uSchedule.h"
#include "data/cSchedule.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

// The daily root-zone balance on seasons built by hand: a root zone of 1 m holding 100 mm
// (TAW 100 mm) and an ETc of 5 mm/day give p = 0.5 and RAW = 50 mm on every day.

namespace {

std::vector<TSeasonDay> Season(int days, double etc, double rootDepth) {
    std::vector<TSeasonDay> season(days);
    for (int i = 0; i < days; ++i)
        season[i] = {i + 1, 1, rootDepth, etc, 0, 0};
    return season;
}

TSchedule OnSoil(double tawPerMetre) {
    TSchedule s;
    s.Clear();
    s.Soil.AvailableWaterGiven = true;
    s.Soil.AvailableWater = tawPerMetre;
    s.Soil.InfiltrationRate = 1000;
    s.Soil.InitialDepletion = 0;
    s.DepletionFraction = 0.5;
    s.Efficiency = 80;
    return s;
}

} // namespace

TEST(ScheduleBalance, IrrigationAtRawRefillsEveryTenDaysWithoutStress) {
    TSchedule s = OnSoil(100);
    s.Timing = TScheduleTiming::PercentOfRAW;
    s.TimingPercentOfRAW = 100;
    const TScheduleResult r = CalcScheduleBalance(s, Season(100, 5, 1.0));
    ASSERT_EQ(r.Days.size(), 100u);
    for (const TScheduleDay& d : r.Days) {
        EXPECT_EQ(d.TAW, 100);
        EXPECT_EQ(d.RAW, 50);
        EXPECT_EQ(d.Ks, 1);
        // Day 10 ends at 50 mm without water: 45 mm of the days before and 5 of its own.
        const bool tenth = d.Day % 10 == 0;
        EXPECT_EQ(d.Irrigated, tenth) << d.Day;
        EXPECT_DOUBLE_EQ(d.Net, tenth ? 50 : 0) << d.Day;
        EXPECT_DOUBLE_EQ(d.Gross, tenth ? 62.5 : 0) << d.Day;
        EXPECT_NEAR(d.Dr, tenth ? 0 : 5 * (d.Day % 10), 1e-9) << d.Day;
    }
    const TScheduleSeason& season = r.Season;
    EXPECT_EQ(season.Irrigations, 10);
    EXPECT_DOUBLE_EQ(season.Net, 500);
    EXPECT_DOUBLE_EQ(season.Gross, 625);
    EXPECT_DOUBLE_EQ(season.ETa, 500);
    EXPECT_EQ(season.RelativeET, 1);
    EXPECT_EQ(season.YieldReduction, 0);
    EXPECT_DOUBLE_EQ(season.IrrigationLosses, 125);
    EXPECT_NEAR(season.BalanceError, 0, 1e-9);
}

// Rainfed: Ks falls once Dr passes RAW on day 10; from day 12 the gap to TAW shrinks by 0.9 a day
// (5 / ((1 - p) TAW) of it is used), so ETa of day k is 4.5 x 0.9^(k - 12).
TEST(ScheduleBalance, RainfedStressFollowsTheKsLineAndTheYieldTheKyFormula) {
    TSchedule s = OnSoil(100);
    s.Timing = TScheduleTiming::Never;
    s.KySeason = 1.25;
    s.KyStage = {0.4, 0, 0.5, 0};
    auto season = Season(40, 5, 1.0);
    for (int i = 20; i < 40; ++i)
        season[i].Stage = 3;
    const TScheduleResult r = CalcScheduleBalance(s, season);

    EXPECT_DOUBLE_EQ(r.Days[9].Dr, 50);
    EXPECT_EQ(r.Days[10].Ks, 1); // starts at RAW exactly
    EXPECT_DOUBLE_EQ(r.Days[10].Dr, 55);
    EXPECT_DOUBLE_EQ(r.Days[11].Ks, 0.9);
    EXPECT_DOUBLE_EQ(r.Days[11].ETa, 4.5);
    EXPECT_DOUBLE_EQ(r.Days[11].Dr, 59.5);
    EXPECT_DOUBLE_EQ(r.Days[12].Ks, 0.81);
    for (int k = 12; k <= 40; ++k)
        EXPECT_NEAR(r.Days[k - 1].ETa, 4.5 * std::pow(0.9, k - 12), 1e-9) << k;

    const double eta = 55 + 45 * (1 - std::pow(0.9, 29));
    EXPECT_NEAR(r.Season.ETa, eta, 1e-9);
    EXPECT_DOUBLE_EQ(r.Season.ETc, 200);
    EXPECT_NEAR(r.Season.YieldReduction, 1.25 * (1 - eta / 200), 1e-9);
    EXPECT_EQ(r.Season.Irrigations, 0);

    // Stages 1 (days 1-20) and 3 (days 21-40) have Ky; 2 and 4 none.
    const double eta1 = 55 + 45 * (1 - std::pow(0.9, 9));
    const double eta3 = 45 * (std::pow(0.9, 9) - std::pow(0.9, 29));
    const double r1 = 0.4 * (1 - eta1 / 100);
    const double r3 = 0.5 * (1 - eta3 / 100);
    ASSERT_TRUE(r.Season.Stages[0].Reduction && r.Season.Stages[2].Reduction);
    EXPECT_NEAR(*r.Season.Stages[0].Reduction, r1, 1e-9);
    EXPECT_NEAR(*r.Season.Stages[2].Reduction, r3, 1e-9);
    EXPECT_FALSE(r.Season.Stages[1].Reduction);
    EXPECT_FALSE(r.Season.Stages[3].Reduction);
    ASSERT_TRUE(r.Season.StageYieldReduction);
    EXPECT_NEAR(*r.Season.StageYieldReduction, 1 - (1 - r1) * (1 - r3), 1e-9);
}

// 20 mm every 7 days against 35 mm of ETc a week: Dr climbs 15 mm a week until it passes RAW in
// the third week, and stays stressed from then on, the crop using about what is given.
TEST(ScheduleBalance, FixedIntervalWithTooSmallADepthAccumulatesStress) {
    TSchedule s = OnSoil(100);
    s.Timing = TScheduleTiming::FixedInterval;
    s.TimingInterval = 7;
    s.Application = TScheduleApplication::FixedDepth;
    s.ApplicationDepth = 20;
    const TScheduleResult r = CalcScheduleBalance(s, Season(140, 5, 1.0));
    EXPECT_DOUBLE_EQ(r.Days[6].Dr, 15);
    EXPECT_DOUBLE_EQ(r.Days[13].Dr, 30);
    EXPECT_DOUBLE_EQ(r.Days[17].Dr, 50);
    EXPECT_EQ(r.Days[18].Ks, 1);
    EXPECT_DOUBLE_EQ(r.Days[19].Ks, 0.9);
    EXPECT_DOUBLE_EQ(r.Days[20].Ks, 0.81);
    EXPECT_DOUBLE_EQ(r.Days[20].Dr, 59.5 + 4.05 - 20);
    for (int day = 1; day <= 140; ++day)
        EXPECT_EQ(r.Days[day - 1].Irrigated, day % 7 == 0) << day;
    EXPECT_EQ(r.Season.Irrigations, 20);
    EXPECT_DOUBLE_EQ(r.Season.Net, 400);
    for (int day = 19; day < 140; ++day) {
        if (day % 7 == 6) { // the last day before each later irrigation is stressed
            EXPECT_LT(r.Days[day - 1].Ks, 1) << day;
        }
    }
    double lastWeek = 0;
    for (int day = 134; day <= 140; ++day)
        lastWeek += r.Days[day - 1].ETa;
    EXPECT_NEAR(lastWeek, 20, 0.5);
    // Without rain the crop used what was given and what the soil lost.
    EXPECT_GT(r.Season.FinalDepletion, 50);
    EXPECT_NEAR(r.Season.ETa, 400 + r.Season.FinalDepletion, 1e-9);
    EXPECT_EQ(r.Season.DP, 0);
}

// 80 mm of rain on day 3 of a soil that takes 50 mm a day, on a root zone 10 mm below field
// capacity: 50 mm enter, 5 are used, 35 percolate and the zone is full again.
TEST(ScheduleBalance, HeavyRainIsCutByInfiltrationAndPercolatesBeyondFieldCapacity) {
    TSchedule s = OnSoil(100);
    s.Timing = TScheduleTiming::Never;
    s.Soil.InfiltrationRate = 50;
    auto season = Season(5, 5, 1.0);
    season[2].Rain = 80;
    season[2].RainEntering = 80;
    const TScheduleResult r = CalcScheduleBalance(s, season);
    const TScheduleDay& wet = r.Days[2];
    EXPECT_EQ(wet.Pe, 50);
    EXPECT_EQ(wet.ETa, 5);
    EXPECT_EQ(wet.DP, 35);
    EXPECT_EQ(wet.Dr, 0);
    EXPECT_EQ(r.Days[4].Dr, 10);
    EXPECT_EQ(r.Season.Rain, 80);
    EXPECT_EQ(r.Season.Pe, 50);
    EXPECT_EQ(r.Season.DP, 35);
    EXPECT_EQ(r.Season.RainLosses, 30 + 35);
    EXPECT_EQ(r.Season.IrrigationLosses, 0);
    EXPECT_NEAR(r.Season.BalanceError, 0, 1e-12);
}

// A young crop: 0.05 m of roots in a soil of 100 mm/m hold 5 mm, less than one day's 8 mm.
TEST(ScheduleBalance, AShallowRootZoneStopsAtTawUnderAHighEtc) {
    TSchedule s = OnSoil(100);
    s.Timing = TScheduleTiming::Never;
    const TScheduleResult r = CalcScheduleBalance(s, Season(4, 8, 0.05));
    EXPECT_DOUBLE_EQ(r.Days[0].TAW, 5);
    EXPECT_DOUBLE_EQ(r.Days[0].P, 0.38); // 0.5 + 0.04 (5 - 8)
    EXPECT_DOUBLE_EQ(r.Days[0].RAW, 1.9);
    EXPECT_DOUBLE_EQ(r.Days[0].ETa, 5);
    for (const TScheduleDay& d : r.Days)
        EXPECT_DOUBLE_EQ(d.Dr, 5);
    for (int i = 1; i < 4; ++i) {
        EXPECT_EQ(r.Days[i].Ks, 0);
        EXPECT_EQ(r.Days[i].ETa, 0);
    }
}

TEST(ScheduleBalance, TimingAndApplicationOptions) {
    struct TCase {
        const char* Name;
        TScheduleTiming Timing;
        TScheduleApplication Application;
        double Value;    // % of RAW, or mm of depletion
        int FirstDay;    // the first irrigation
        double FirstNet; // mm
        double DrAfter;  // mm at the end of that day
    };
    const TCase cases[] = {
        {"half of RAW, refill", TScheduleTiming::PercentOfRAW,
         TScheduleApplication::RefillToFieldCapacity, 50, 5, 25, 0},
        {"150 % of RAW, refill", TScheduleTiming::PercentOfRAW,
         TScheduleApplication::RefillToFieldCapacity, 150, 17, 0, -1},
        {"30 mm depletion, room for 10 mm of rain", TScheduleTiming::DepletionDepth,
         TScheduleApplication::RefillLessRoom, 30, 6, 20, 10},
        {"30 mm depletion, 25 mm net", TScheduleTiming::DepletionDepth,
         TScheduleApplication::FixedDepth, 30, 6, 25, 5},
    };
    for (const TCase& c : cases) {
        TSchedule s = OnSoil(100);
        s.Timing = c.Timing;
        s.Application = c.Application;
        s.TimingPercentOfRAW = c.Value;
        s.TimingDepletion = c.Value;
        s.ApplicationDepth = 25;
        s.RoomForRain = 10;
        const TScheduleResult r = CalcScheduleBalance(s, Season(30, 5, 1.0));
        int first = 0;
        for (const TScheduleDay& d : r.Days)
            if (d.Irrigated && first == 0)
                first = d.Day;
        EXPECT_EQ(first, c.FirstDay) << c.Name;
        if (first == 0)
            continue;
        const TScheduleDay& d = r.Days[first - 1];
        if (c.DrAfter >= 0) {
            EXPECT_NEAR(d.Net, c.FirstNet, 1e-9) << c.Name;
            EXPECT_NEAR(d.Dr, c.DrAfter, 1e-9) << c.Name;
        } else {
            // Beyond RAW the day's stress is less water to put back; refill still ends at 0.
            EXPECT_NEAR(d.Dr, 0, 1e-9) << c.Name;
            EXPECT_NEAR(d.Net, r.Days[first - 2].Dr + d.ETa, 1e-9) << c.Name;
            EXPECT_LT(d.Ks, 1) << c.Name;
        }
        EXPECT_NEAR(d.Gross, d.Net / 0.8, 1e-9) << c.Name;
    }
}

TEST(ScheduleBalance, InitialDepletionIsAShareOfTheFirstDaysTaw) {
    TSchedule s = OnSoil(100);
    s.Timing = TScheduleTiming::Never;
    s.Soil.InitialDepletion = 30;
    const TScheduleResult r = CalcScheduleBalance(s, Season(3, 5, 0.5));
    EXPECT_DOUBLE_EQ(r.Season.InitialDepletion, 15);
    EXPECT_DOUBLE_EQ(r.Days[0].Dr, 20);
    EXPECT_DOUBLE_EQ(r.Season.FinalDepletion, r.Days[2].Dr);
}

TEST(ScheduleBalance, DepletionFractionAndYieldReductionStayInTheirBounds) {
    EXPECT_DOUBLE_EQ(AdjustedDepletionFraction(0.55, 5), 0.55);
    EXPECT_DOUBLE_EQ(AdjustedDepletionFraction(0.55, 7.5), 0.45);
    EXPECT_EQ(AdjustedDepletionFraction(0.5, 20), 0.1);
    EXPECT_EQ(AdjustedDepletionFraction(0.7, 0), 0.8);
    EXPECT_DOUBLE_EQ(YieldReduction(1.25, 80, 100), 0.25);
    EXPECT_EQ(YieldReduction(1.5, 10, 100), 1); // not more than the whole yield
    EXPECT_EQ(YieldReduction(1.0, 0, 0), 0);    // nothing to lose without ETc
}

TEST(ScheduleRules, BadValuesAreNamed) {
    struct TCase {
        const char* Name;
        void (*Change)(TSchedule&);
        const char* Message;
    };
    const TCase cases[] = {
        {"FC = WP", [](TSchedule& s) { s.Soil.WiltingPoint = s.Soil.FieldCapacity; },
         "The field capacity must be larger than the wilting point."},
        {"FC < WP", [](TSchedule& s) { s.Soil.FieldCapacity = 0.1; },
         "The field capacity must be larger than the wilting point."},
        {"FC of 30 %", [](TSchedule& s) { s.Soil.FieldCapacity = 30; },
         "Field capacity and wilting point are shares of the soil volume (m3/m3) between 0 and "
         "1."},
        {"TAW 0",
         [](TSchedule& s) {
             s.Soil.AvailableWaterGiven = true;
             s.Soil.AvailableWater = 0;
         },
         "The total available water must lie above 0 and at most 1000 mm per metre of soil."},
        {"no infiltration", [](TSchedule& s) { s.Soil.InfiltrationRate = 0; },
         "The infiltration rate of the soil must lie above 0 and at most 10000 mm/day."},
        {"initial depletion", [](TSchedule& s) { s.Soil.InitialDepletion = 101; },
         "The initial depletion must lie between 0 and 100 % of the total available water."},
        {"p", [](TSchedule& s) { s.DepletionFraction = 0.9; },
         "The depletion fraction p must lie between 0.1 and 0.8."},
        {"stage Ky", [](TSchedule& s) { s.KyStage[2] = -0.1; },
         "The yield response factors Ky must lie between 0 and 2."},
        {"interval",
         [](TSchedule& s) { s.Timing = TScheduleTiming::FixedInterval, s.TimingInterval = 0; },
         "The interval between irrigations must lie between 1 and 365 days."},
        {"net depth",
         [](TSchedule& s) {
             s.Application = TScheduleApplication::FixedDepth;
             s.ApplicationDepth = 0;
         },
         "The net depth of an irrigation must lie above 0 and at most 1000 mm."},
        {"infinite net depth",
         [](TSchedule& s) {
             s.Application = TScheduleApplication::FixedDepth;
             s.ApplicationDepth = std::numeric_limits<double>::infinity();
         },
         "The net depth of an irrigation must lie above 0 and at most 1000 mm."},
        {"efficiency 0", [](TSchedule& s) { s.Efficiency = 0; },
         "The field application efficiency must lie between 1 and 100 %."},
        {"efficiency NaN", [](TSchedule& s) { s.Efficiency = std::nan(""); },
         "The field application efficiency must lie between 1 and 100 %."},
    };
    TSchedule good;
    good.Clear();
    EXPECT_EQ(ScheduleValueError(good), "");
    for (const TCase& c : cases) {
        TSchedule s = good;
        c.Change(s);
        EXPECT_EQ(ScheduleValueError(s), c.Message) << c.Name;
    }
    // The values of options not chosen are kept but not checked.
    TSchedule unused = good;
    unused.TimingInterval = 0;
    unused.ApplicationDepth = -1;
    EXPECT_EQ(ScheduleValueError(unused), "");
}
