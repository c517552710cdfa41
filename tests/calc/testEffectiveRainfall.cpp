#include "calc/uEffectiveRainfall.h"
#include "data/cAllData.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

// A crop in the field on days first..last (no wrap) with a constant ETc; its stages only give
// the growing period the USDA month rules need.
TCropPatternLine& AddCrop(TAllData& data, double area, int first, int last, double etc) {
    TCropPatternLine& crop = data.CropPattern.AddCropLine();
    crop.Area = area;
    crop.PlantingDay = first;
    crop.StageLength = {last - first + 1, 0, 0, 0};
    for (int d = first; d <= last; ++d) {
        crop.KcSeries.SetDay(d, 1);
        crop.ETcSeries.SetDay(d, etc);
    }
    return crop;
}

void RainInMonth(TAllData& data, int month, double total) {
    data.Meteo.Precipitation.SetMonth(month, total);
}

double Sum(const TYearData& series, int first, int last) {
    return series.SumRange(first, last);
}

constexpr int kApril1 = 91, kApril30 = 120;

} // namespace

TEST(EffectiveRainfallUsda, DepthFactorBranchesAt75mm) {
    EXPECT_DOUBLE_EQ(UsdaDepthFactor(75), 1.00075);
    EXPECT_DOUBLE_EQ(UsdaDepthFactor(74.9), 0.201 * std::log(74.9) + 0.133);
    EXPECT_NEAR(UsdaDepthFactor(74.9), 1.0006, 1e-4); // the two branches nearly meet
}

TEST(EffectiveRainfallUsda, LittleRainCountsWholeWhenTheCropNeedsMore) {
    TAllData data;
    data.General.MeanDepth = 75;
    AddCrop(data, 50, 60, 200, 2.0); // March..mid July: April is a whole month
    RainInMonth(data, 4, 12.4);
    TYearSum pe;
    CalcPeUSDAAll(data, pe);
    for (int d = kApril1; d <= kApril30; ++d)
        EXPECT_DOUBLE_EQ(pe.GetDay(d), 12.4 / 30 * 50 / 100);
    EXPECT_EQ(pe.GetDay(kApril1 - 1), 0);
}

TEST(EffectiveRainfallUsda, MonthlyFormulaSpreadOverTheMonth) {
    TAllData data;
    data.General.MeanDepth = 60;
    AddCrop(data, 200, 60, 200, 4.0);
    RainInMonth(data, 4, 60);
    TYearSum pe;
    CalcPeUSDAAll(data, pe);
    const double f = 0.201 * std::log(60.0) + 0.133;
    const double monthPe = f * (1.253 * std::pow(60.0, 0.824) - 2.935) * std::pow(10, 0.12);
    EXPECT_NEAR(Sum(pe, kApril1, kApril30), monthPe * 200 / 100, 1e-9);
    EXPECT_DOUBLE_EQ(pe.GetDay(100), pe.GetDay(kApril30));
}

// Rain above the crop's use gives its use: 12 mm (little rain) over a use of 3 mm in April, and
// 250 mm (heavy rain, the formula's share far above) over 30 mm.
TEST(EffectiveRainfallUsda, RainAboveTheCropsUseGivesItsUse) {
    for (auto [rain, etc] : {std::pair{12.0, 0.1}, {250.0, 1.0}}) {
        TAllData data;
        data.General.MeanDepth = 75;
        AddCrop(data, 100, 60, 200, etc);
        RainInMonth(data, 4, rain);
        TYearSum pe;
        CalcPeUSDA(data, 1, pe);
        EXPECT_DOUBLE_EQ(pe.GetDay(100), etc) << rain;
    }
}

TEST(EffectiveRainfallUsda, PlantedAndHarvestedInOneMonthUsesThePlantingMonthRule) {
    TAllData data;
    data.General.MeanDepth = 75;
    AddCrop(data, 100, 100, 109, 2.0); // 10..19 April
    RainInMonth(data, 4, 18.6);        // 0.62 mm a day
    TYearSum pe;
    CalcPeUSDAAll(data, pe);
    // Rain from planting to the month's end is 13.02 mm, at least 12.5, so the monthly formula
    // applies (up to harvest it would be 11.78 mm and the rain would count whole).
    const double monthPe =
        1.00075 * (1.253 * std::pow(18.6, 0.824) - 2.935) * std::pow(10, 0.001 * 20);
    for (int d = 100; d <= 109; ++d)
        EXPECT_NEAR(pe.GetDay(d), monthPe / 30, 1e-12);
    EXPECT_EQ(pe.GetDay(110), 0);
}

TEST(EffectiveRainfallUsda, OneCropOrAll) {
    TAllData data;
    data.General.MeanDepth = 75;
    AddCrop(data, 100, 60, 200, 2.0);
    AddCrop(data, 300, 60, 200, 2.0);
    RainInMonth(data, 4, 12);
    TYearSum one, all;
    CalcPeUSDA(data, 2, one);
    CalcPeUSDAAll(data, all);
    EXPECT_DOUBLE_EQ(one.GetDay(100), 0.4 * 300 / 100);
    EXPECT_DOUBLE_EQ(all.GetDay(100), 0.4 * 400 / 100);
}

namespace {

// Day 10 gets 10 mm after 40 mm over the five days before it, so its Curve Number is the
// average one; the crop starts on day 10.
TAllData& CurveNumberProject(TAllData& data, int lastDay) {
    data.General.CurveNumber = 80;
    for (int d = 5; d <= 9; ++d)
        data.Meteo.Precipitation.SetDay(d, 8);
    data.Meteo.Precipitation.SetDay(10, 10);
    AddCrop(data, 100, 10, lastDay, 3.0);
    return data;
}

} // namespace

TEST(EffectiveRainfallCurveNumber, NoRunoffBelowTheInitialAbstraction) {
    TAllData data;
    CurveNumberProject(data, 200);
    TYearSum pe;
    CalcPeCurveNumber(data, 0, pe);
    // S = 63.5 mm, 0.2 S = 12.7 mm >= 10 mm: all 10 mm enter the store; 3 mm a day are used.
    EXPECT_DOUBLE_EQ(pe.GetDay(10), 3.0);
    EXPECT_DOUBLE_EQ(pe.GetDay(11), 3.0);
    EXPECT_DOUBLE_EQ(pe.GetDay(12), 3.0);
    EXPECT_NEAR(pe.GetDay(13), 1.0, 1e-12);
    EXPECT_EQ(pe.GetDay(14), 0);
}

TEST(EffectiveRainfallCurveNumber, StoreIsCappedByTheNextMonthsUse) {
    TAllData data;
    CurveNumberProject(data, 11); // two growing days: at most 6 mm can be used
    TYearSum pe;
    CalcPeCurveNumber(data, 0, pe);
    EXPECT_DOUBLE_EQ(pe.GetDay(10), 3.0);
    EXPECT_DOUBLE_EQ(pe.GetDay(11), 3.0);
    EXPECT_DOUBLE_EQ(pe.Days()[11], 0);
}

// 60 mm over the five days before: wet, CN III = 91; the five days before day 1 are the last of
// the year.
TEST(EffectiveRainfallCurveNumber, WetSpellRaisesTheCurveNumberAndTheRunoff) {
    for (int day : {10, 1}) {
        TAllData data;
        data.General.CurveNumber = 80;
        for (int d = day - 5; d <= day - 1; ++d)
            data.Meteo.Precipitation.SetDay(d < 1 ? d + 365 : d, 12);
        data.Meteo.Precipitation.SetDay(day, 50);
        AddCrop(data, 100, day, day, 60.0);
        TYearSum pe;
        CalcPeCurveNumber(data, 0, pe);
        const double s = 25400.0 / 91 - 254;
        const double runoff = (50 - 0.2 * s) * (50 - 0.2 * s) / (50 + 0.8 * s);
        EXPECT_NEAR(pe.GetDay(day), 50 - runoff, 1e-12) << day;
    }
}

TEST(EffectiveRainfallFixed, OneCropOrEveryCrop) {
    TAllData data;
    data.General.FixedPercent = 50;
    data.Meteo.Precipitation.Fill(4);
    AddCrop(data, 100, 1, 365, 1.0);
    AddCrop(data, 200, 1, 365, 1.0);
    AddCrop(data, 400, 1, 365, 1.0);
    TYearSum pe;
    CalcPeFixed(data, 2, pe);
    EXPECT_DOUBLE_EQ(pe.GetDay(50), 2.0);
    CalcPeFixed(data, 0, pe);
    EXPECT_DOUBLE_EQ(pe.GetDay(50), 7.0);
    // With a single crop 0 and 1 both mean that crop.
    TAllData single;
    single.General.FixedPercent = 50;
    single.Meteo.Precipitation.Fill(4);
    AddCrop(single, 100, 1, 365, 1.0);
    TYearSum zero, first;
    CalcPeFixed(single, 0, zero);
    CalcPeFixed(single, 1, first);
    EXPECT_EQ(zero, first);
}

TEST(EffectiveRainfallFixed, StoreWaitsOverDaysOutOfTheField) {
    TAllData data;
    data.General.FixedPercent = 100;
    data.Meteo.Precipitation.SetDay(10, 9);
    TCropPatternLine& crop = AddCrop(data, 100, 10, 10, 3.0);
    crop.KcSeries.SetDay(20, 1); // growing again on day 20
    crop.ETcSeries.SetDay(20, 3.0);
    TYearSum pe;
    CalcPeFixed(data, 0, pe);
    // Day 10 may hold at most the 6 mm of days 10 and 20; 3 mm wait for day 20.
    EXPECT_DOUBLE_EQ(pe.GetDay(10), 3.0);
    EXPECT_DOUBLE_EQ(pe.GetDay(20), 3.0);
    EXPECT_DOUBLE_EQ(pe.SumRange(1, 365), 6.0);
}
