#include "calc/uCalculate.h"
#include "data/cAllData.h"
#include "support/ReportTestProject.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

// A project whose growing periods have middle humidity and light wind, so K3 and K4 stay as
// entered; ET0 rises by 0.01 mm a day so every day's value is told apart.
std::unique_ptr<TAllData> Project() {
    auto data = std::make_unique<TAllData>();
    data->General.ApplInterval = 7;
    data->Meteo.RHmean.Fill(50);
    data->Meteo.WindSpeed.Fill(2);
    for (int d = 1; d <= 365; ++d)
        data->ET0PenmanMonteith.SetDay(d, 3 + 0.01 * d);
    return data;
}

// Kc,1 0.4, K3 1.1, K4 0.6.
TCropPatternLine& Crop(TAllData& data, double area, int plantingDay, std::array<int, 4> stages) {
    return AddCrop(data, "Crop.crp", area, plantingDay, stages, 0.4, 1.1, 0.6);
}

std::vector<int> DaysInField(const TCropPatternLine& line) {
    std::vector<int> days;
    for (int d = 1; d <= 365; ++d)
        if (line.KcSeries.GetDay(d) > 0)
            days.push_back(d);
    return days;
}

} // namespace

TEST(KcIni, DefinedIntervalsAndTheNearestForOthers) {
    const auto kc1 = [](int interval, double et) {
        const TKcIniCoefficients k = KcIniCoefficients(interval);
        return k.a - k.b * et + k.c * et * et;
    };
    EXPECT_NEAR(kc1(7, 5), 0.471825, 1e-12);
    EXPECT_EQ(kc1(2, 0), 1.13817);
    // Other intervals: the nearest defined one, a tie taking the shorter.
    const std::pair<int, int> nearest[] = {{0, 2},  {3, 2},   {5, 4},   {6, 7},    {8, 7},
                                           {9, 10}, {15, 10}, {16, 20}, {365, 20}, {-4, 2}};
    for (const auto& [interval, defined] : nearest)
        EXPECT_EQ(KcIniCoefficients(interval).a, KcIniCoefficients(defined).a) << interval;
}

TEST(KcIni, MeanOfTheInitialStageWrapsIntoTheSameYear) {
    auto data = Project();
    TYearData et0;
    for (int d = 1; d <= 365; ++d)
        et0.SetDay(d, d <= 14 || d >= 350 ? 5 : 100);
    TCropFactor crop;
    crop.StageLength = {30, 10, 10, 10};
    EXPECT_NEAR(CalcKcIni(*data, &et0, crop, 350), 0.471825, 1e-12); // days 350..365, 1..14
    // No initial stage: the value of day 1 whatever the start day.
    crop.StageLength[0] = 0;
    EXPECT_NEAR(CalcKcIni(*data, &et0, crop, 200), 0.471825, 1e-12);
    crop.Kc1 = {0.3, 0};
    SetKcIni(*data, &et0, crop, 200);
    EXPECT_NEAR(crop.Kc1[1], 0.471825, 1e-12);
    EXPECT_EQ(crop.Kc1[0], 0.3);
}

TEST(KcIni, WithoutASeriesTheProjectsEt0IsComputedFirst) {
    auto data = Project();
    data->General.Hemisphere = "North";
    data->General.Latitude = 30;
    data->Meteo.WindHeight = 2;
    data->Meteo.Tmin.Fill(12);
    data->Meteo.Tmax.Fill(28);
    data->Meteo.Sunshine.Fill(8);
    data->Meteo.RHmax.Fill(80);
    data->Meteo.WindRatio.Fill(2);
    data->ET0PenmanMonteith.Fill(0);
    TCropFactor crop;
    crop.StageLength = {20, 10, 10, 10};
    const double kc1 = CalcKcIni(*data, nullptr, crop, 100);
    ASSERT_GT(data->ET0PenmanMonteith.GetDay(110), 1);
    EXPECT_EQ(kc1, CalcKcIni(*data, &data->ET0PenmanMonteith, crop, 100));
}

TEST(CropETc, StageCoefficientsFollowHumidityAndWind) {
    const auto change = [](double rh, double wind) {
        const TStageCoefficients k = AdjustedMidAndEndKc(1.0, 0.5, rh, wind);
        EXPECT_NEAR(k.K4 - 0.5, k.K3 - 1.0, 1e-12); // K3 and K4 always alike
        return k.K3 - 1.0;
    };
    EXPECT_NEAR(change(0.1, 2), 0.05, 1e-12);
    EXPECT_NEAR(change(0.2, 2), 0, 1e-12);
    EXPECT_NEAR(change(0.7, 4.99), 0, 1e-12);
    EXPECT_NEAR(change(0.71, 2), -0.05, 1e-12);
    EXPECT_NEAR(change(0.19, 5), 0.1, 1e-12);
    EXPECT_NEAR(change(0.2, 5), 0.05, 1e-12);
    EXPECT_NEAR(change(0.7, 8), 0.05, 1e-12);
    EXPECT_NEAR(change(0.9, 5), 0, 1e-12);
}

TEST(CropETc, SeasonAcrossTheYearEnd) {
    auto data = Project();
    TCropPatternLine& line = Crop(*data, 10, 300, {20, 10, 50, 40});
    CalcAllCropsETc(*data, data->ET0PenmanMonteith, data->ETcTotalPenmanMonteith);
    std::vector<int> expected;
    for (int d = 300; d <= 365; ++d)
        expected.push_back(d);
    for (int d = 1; d <= 54; ++d)
        expected.insert(expected.begin() + (d - 1), d);
    EXPECT_EQ(DaysInField(line), expected);
    // Development stage: Kc,1 0.4 rises to K3 1.1 in 10 days.
    EXPECT_EQ(line.KcSeries.GetDay(319), 0.4);
    EXPECT_NEAR(line.KcSeries.GetDay(320), 0.47, 1e-12);
    EXPECT_NEAR(line.KcSeries.GetDay(329), 1.1, 1e-12);
    EXPECT_EQ(line.KcSeries.GetDay(330), 1.1);
    // Late season ends at K4 on the harvest day, day 54 of the next year.
    EXPECT_NEAR(line.KcSeries.GetDay(54), 0.6, 1e-12);
    EXPECT_NEAR(line.KcSeries.GetDay(15), 1.1 + (1.0 / 40) * (0.6 - 1.1), 1e-12);
    for (int d : {1, 54, 200, 300, 365}) {
        const double expectedEtc = line.KcSeries.GetDay(d) * data->ET0PenmanMonteith.GetDay(d);
        EXPECT_EQ(line.ETcSeries.GetDay(d), expectedEtc) << d;
        EXPECT_EQ(data->ETcTotalPenmanMonteith.GetDay(d), expectedEtc * 10) << d;
    }
}

TEST(CropETc, ClimateOfTheGrowingPeriodAdjustsMidSeason) {
    auto data = Project();
    TCropPatternLine& line = Crop(*data, 1, 100, {10, 10, 10, 10});
    data->Meteo.RHmean.SetDay(139, 75); // the harvest day is humid: RHx 0.75
    data->Meteo.RHmean.SetDay(140, 95); // the day after the season does not count
    CalcAllCropsETc(*data, data->ET0PenmanMonteith, data->ETcTotalPenmanMonteith);
    EXPECT_NEAR(line.KcSeries.GetDay(125), 1.05, 1e-12);
    EXPECT_NEAR(line.KcSeries.GetDay(139), 0.55, 1e-12);
    EXPECT_EQ(line.Kc3[0], 1.1); // the crop record keeps its own values

    // Strong wind over the season (mean exactly 5 m/s) with middle humidity: + 0.05.
    data->Meteo.RHmean.Fill(50);
    data->Meteo.WindSpeed.Fill(1);
    for (int d = 100; d <= 119; ++d)
        data->Meteo.WindSpeed.SetDay(d, 9);
    CalcAllCropsETc(*data, data->ET0PenmanMonteith, data->ETcTotalPenmanMonteith);
    EXPECT_NEAR(line.KcSeries.GetDay(125), 1.15, 1e-12);
}

TEST(CropETc, StandardKcIsComputedForTheCropsOwnPlantingDay) {
    auto data = Project();
    TCropPatternLine& line = Crop(*data, 1, 200, {10, 10, 10, 10});
    line.StandardKc = true;
    CalcAllCropsETc(*data, data->ET0PenmanMonteith, data->ETcTotalPenmanMonteith);
    const double expected = CalcKcIni(*data, &data->ET0PenmanMonteith, line, 200);
    EXPECT_NE(expected, CalcKcIni(*data, &data->ET0PenmanMonteith, line, 1));
    EXPECT_EQ(line.Kc1[1], expected);
    EXPECT_EQ(line.KcSeries.GetDay(200), expected);
    EXPECT_EQ(line.KcSeries.GetDay(209), expected);
}

TEST(CropETc, OneCropOfThreeLeavesTheOthersAtZero) {
    auto data = Project();
    TCropPattern& pattern = data->CropPattern;
    pattern.KcFallow = 0.3;
    pattern.KcPermanent = 0;
    Crop(*data, 10, 50, {10, 20, 30, 20});
    Crop(*data, 20, 100, {10, 20, 30, 20});
    Crop(*data, 30, 150, {10, 20, 30, 20});
    TYearSum& total = data->ETcTotalPenmanMonteith;
    CalcAllCropsETc(*data, data->ET0PenmanMonteith, total);
    const TYearSum firstEtc = pattern.GetCropLine(1).ETcSeries;
    ASSERT_GT(firstEtc.GetDay(60), 0);

    CalcCropETc(*data, 2, data->ET0PenmanMonteith, total);
    EXPECT_TRUE(DaysInField(pattern.GetCropLine(1)).empty());
    EXPECT_TRUE(DaysInField(pattern.GetCropLine(3)).empty());
    EXPECT_EQ(DaysInField(pattern.GetCropLine(2)).size(), 80u);
    EXPECT_EQ(pattern.GetCropLine(1).ETcSeries, firstEtc); // kept until the next full run
    for (int d = 1; d <= 365; ++d)
        ASSERT_EQ(total.GetDay(d), pattern.GetCropLine(2).ETcSeries.GetDay(d) * 20) << d;
    for (int d : {1, 180, 365}) {
        EXPECT_EQ(pattern.ETFallow.GetDay(d), data->ET0PenmanMonteith.GetDay(d) * 0.3);
        EXPECT_EQ(pattern.ETPermanent.GetDay(d), 0);
    }
    // And the other way round: a fallow Kc of 0 gives no fallow ET on any day.
    pattern.KcFallow = 0;
    pattern.KcPermanent = 0.3;
    CalcAllCropsETc(*data, data->ET0PenmanMonteith, total);
    for (int d = 1; d <= 365; ++d) {
        ASSERT_EQ(pattern.ETFallow.GetDay(d), 0) << d;
        ASSERT_EQ(pattern.ETPermanent.GetDay(d), data->ET0PenmanMonteith.GetDay(d) * 0.3) << d;
    }
}
