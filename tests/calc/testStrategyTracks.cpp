#include "calc/uStrategyTracks.h"
#include "core/cGuiSettings.h"
#include "core/cUserMessages.h"
#include "data/cStrategy.h"

#include <gtest/gtest.h>

namespace {

TStrategy Cleared() {
    TStrategy s;
    s.Clear();
    return s;
}

// One crop in the field all year with 0.05 m roots, on the whole cropped area.
TStrategyProject OneCropAllYear(double area) {
    TStrategyProject p;
    p.IrrigableArea = area;
    p.GrossArea = area;
    TStrategyCrop crop;
    crop.Area = area;
    crop.PlantingDay = 1;
    crop.StageLength = {365, 0, 0, 0};
    crop.RootingDepth = 1;
    crop.KcSeries.Fill(1);
    p.Crops.push_back(crop);
    p.CroppedAreaOfDay.fill(area);
    p.CroppedAreaOfMonth.fill(area);
    return p;
}

} // namespace

TEST(StrategyTracks, GroundwaterChangeWithoutFieldData) {
    TStrategy s = Cleared();
    ASSERT_EQ(s.DFcrit, 0.6);
    s.DFUser.SetMonth(1, 0.6);
    s.DFUser.SetMonth(2, 0.3);
    s.DFUser.SetMonth(3, 0.9);
    EXPECT_NEAR(GWChangeNoData(s, 1), 0, 1e-12);
    EXPECT_NEAR(GWChangeNoData(s, 2), 0.10, 1e-12);
    EXPECT_NEAR(GWChangeNoData(s, 3), -0.10, 1e-12);

    const TStrategyLine gwt = CalcGWTGraphNoData(s);
    EXPECT_DOUBLE_EQ(gwt.Y0, 0.2);
    EXPECT_DOUBLE_EQ(gwt.XDF, 0.6);
    EXPECT_DOUBLE_EQ(gwt.Y1, -0.4 / 3);
    const TStrategyLine et = CalcETGraphNoData(s);
    EXPECT_EQ(et.Y0, 1);
    EXPECT_EQ(et.YDF, 1);
    EXPECT_DOUBLE_EQ(et.Y1, 0.75);
}

TEST(StrategyTracks, RegressionGivesDFsustainable) {
    TGuiSettings settings;
    TStrategy s = Cleared();
    for (int m = 1; m <= 12; ++m) {
        const double df = 0.05 * m;
        s.DFCalc.SetMonth(m, df);
        s.ChangeGWTableData.SetMonth(m, 0.2 - 0.4 * df);
    }
    TGWTRegression r = CalcGWTGraphWithData(s, settings);
    EXPECT_DOUBLE_EQ(r.B, -0.4);
    EXPECT_DOUBLE_EQ(r.A, 0.2);
    EXPECT_DOUBLE_EQ(r.Line.XDF, 0.5);
    EXPECT_DOUBLE_EQ(r.Line.Y1, -0.2);
    s.DFUser.SetMonth(4, 0.25);
    EXPECT_NEAR(GWChangeWithData(s, settings, 4), 0.1, 1e-12);

    // In feet the points are rounded in feet; the line is still given in metres.
    settings.LengthUnit = 1;
    r = CalcGWTGraphWithData(s, settings);
    EXPECT_NEAR(r.A, 0.2, 0.002);
    EXPECT_NEAR(r.B, -0.4, 0.004);

    // Twelve equal DFs: no slope at all, and no DFsustainable.
    settings.LengthUnit = 0;
    for (int m = 1; m <= 12; ++m) {
        s.DFCalc.SetMonth(m, 0.57);
        s.ChangeGWTableData.SetMonth(m, 0.01 * m);
    }
    r = CalcGWTGraphWithData(s, settings);
    EXPECT_EQ(r.B, 0);
    EXPECT_EQ(r.Line.XDF, 0);
    EXPECT_DOUBLE_EQ(r.A, 0.065);
}

TEST(StrategyTracks, RegressionUsesTheShownValues) {
    TGuiSettings settings;
    TStrategy s = Cleared();
    for (int m = 1; m <= 12; ++m) {
        s.DFCalc.SetMonth(m, m <= 6 ? 0.4 : 0.6);
        s.ChangeGWTableData.SetMonth(m, m <= 6 ? 0.104 : -0.096); // shown 0.10 and -0.10
    }
    const TGWTRegression r = CalcGWTGraphWithData(s, settings);
    EXPECT_DOUBLE_EQ(r.B, -1);
    EXPECT_DOUBLE_EQ(r.Line.XDF, 0.5);
}

TEST(StrategyTracks, DepletedFractionAndVcDFWithFieldData) {
    TStrategyProject p;
    p.GrossArea = 200;
    p.Precipitation[0] = 70;
    TStrategy s = Cleared();
    s.ETaGross.SetMonth(1, 120);
    s.DivertedWater.SetMonth(1, 100000); // 50 mm over 200 ha
    EXPECT_DOUBLE_EQ(DFCalcOfMonth(s, p, 1), 1.0);
    EXPECT_EQ(DFCalcOfMonth(s, p, 2), 0); // no water at all
    p.GrossArea = 0;
    EXPECT_DOUBLE_EQ(DFCalcOfMonth(s, p, 1), 120.0 / 70);

    p.GrossArea = 100;
    s.ETaGross.SetMonth(1, 100);
    p.Precipitation[0] = 50;
    s.DFUser.SetMonth(1, 0.5);
    EXPECT_NEAR(VcDFOfMonth(s, p, 1), 150000, 1e-6);
    s.DFUser.SetMonth(1, 0);
    EXPECT_EQ(VcDFOfMonth(s, p, 1), 0);
    s.DFUser.SetMonth(1, 0.5);
    p.Precipitation[0] = 300; // more rain than the crops use
    EXPECT_EQ(VcDFOfMonth(s, p, 1), 0);
}

TEST(StrategyTracks, VcDFWithoutFieldData) {
    TStrategyProject p;
    p.IrrigableArea = 100;
    p.GrossArea = 120;
    p.CroppedAreaOfMonth[0] = 50;
    p.Precipitation[0] = 10;
    p.ETFallow.SetMonth(1, 30);
    p.ETPermanent.SetMonth(1, 20);
    TYearSum etp;
    etp.SetMonth(1, 150);
    TStrategy s = Cleared();
    s.DFUser.SetMonth(1, 0.5);
    // ETp over the irrigable area (150 * 50 + 30 * 50) / 100 = 90 mm, no decline below DFsust.
    EXPECT_NEAR(VcDFNoData(s, p, etp, 1), (90 / 0.5 - 10) * 1000 + 20 * 20 * 10, 1e-6);
    s.DFUser.SetMonth(1, 0.8);
    EXPECT_NEAR(VcDFNoData(s, p, etp, 1), (78.75 / 0.8 - 10) * 1000 + 4000, 1e-6);
    s.DFUser.SetMonth(1, 0);
    EXPECT_NEAR(VcDFNoData(s, p, etp, 1), 4000, 1e-9);
    // No irrigable area: the unguarded division gives 0, only the permanent land remains.
    p.IrrigableArea = 0;
    s.DFUser.SetMonth(1, 0.5);
    EXPECT_NEAR(VcDFNoData(s, p, etp, 1), 20 * 120 * 10, 1e-9);
}

TEST(StrategyTracks, CapillaryRiseBySoilAndDistance) {
    EXPECT_EQ(SoilTypes().size(), 8u);
    EXPECT_EQ(CapillaryRiseOf(6, 1.0), 0.35);
    EXPECT_EQ(CapillaryRiseOf(8, 1.0), 0);
    EXPECT_EQ(CapillaryRiseOf(0, 1.5), 0);

    TStrategy s = Cleared();
    s.CapRise05 = CapillaryRiseOf(0, 0.5);
    s.CapRise10 = CapillaryRiseOf(0, 1.0);
    s.CapRise20 = CapillaryRiseOf(0, 2.0);
    const TStrategyProject p = OneCropAllYear(10);
    TYearAverage daily;
    for (auto [distance, rate] : {std::pair{0.8, 2.0}, {1.0, 1.0}, {1.2, 0.5}, {1.3, 0.0}}) {
        s.DepthGW1Jan = distance + 0.05; // the roots reach 0.05 m
        CalcGWContribution(s, p, daily);
        EXPECT_DOUBLE_EQ(daily.GetDay(100), rate) << distance;
    }
}

TEST(StrategyTracks, ContributionFollowsTheTableAndTheCrops) {
    TStrategy s = Cleared();
    s.CapRise05 = 1.25;
    s.CapRise10 = 1.05;
    s.CapRise20 = 0.90;
    s.DepthGW1Jan = 1.3;
    s.ChangeGWTableStrategy.SetMonth(1, 0.62); // rises 0.02 m a day in January
    const auto depth = GroundwaterDepthOfDays(s);
    EXPECT_DOUBLE_EQ(depth[0], 1.28);
    EXPECT_NEAR(depth[30], 0.68, 1e-12);
    EXPECT_NEAR(depth[364], 0.68, 1e-12);

    TStrategyProject p = OneCropAllYear(10);
    p.Crops[0].Area = 4;                // 4 of the 10 cropped ha draw on the groundwater
    p.Crops[0].KcSeries.SetMonth(3, 0); // and none of them in March
    p.CroppedAreaOfDay[59] = 0;         // a day without cropped area
    TYearAverage daily;
    daily.Fill(9);
    CalcGWContribution(s, p, daily);
    EXPECT_DOUBLE_EQ(daily.GetDay(1), 0.5 * 4 / 10);   // 1.23 m below the roots
    EXPECT_DOUBLE_EQ(daily.GetDay(365), 2.0 * 4 / 10); // 0.63 m
    EXPECT_EQ(daily.GetDay(60), 0);
    EXPECT_EQ(daily.GetDay(70), 0);
}

TEST(StrategyTracks, RootingDepthWrapsIntoTheNewYear) {
    TStrategyCrop crop;
    crop.PlantingDay = 350;
    crop.StageLength = {30, 10, 10, 10};
    crop.RootingDepth = 1.05;
    const auto roots = RootingDepthOfDays(crop);
    for (int d = 350; d <= 365; ++d)
        EXPECT_EQ(roots[d - 1], 0.05) << d;
    for (int d = 1; d <= 14; ++d)
        EXPECT_EQ(roots[d - 1], 0.05) << d;
    EXPECT_DOUBLE_EQ(roots[14], 0.15); // first day of development
    EXPECT_DOUBLE_EQ(roots[23], 1.05); // its last day
    EXPECT_EQ(roots[24], 1.05);
    EXPECT_EQ(roots[43], 1.05); // last day of the late season
    EXPECT_EQ(roots[44], 0);
    EXPECT_EQ(roots[348], 0);
}

TEST(StrategyTracks, VcETOfMonth) {
    TStrategyProject p = OneCropAllYear(50);
    p.CroppedAreaOfMonth[1] = 0; // February without crops
    TStrategy s = Cleared();
    s.ETaIrrigated.SetMonth(1, 100);
    s.ETaIrrigated.SetMonth(2, 100);
    s.EffRainCropped.SetMonth(1, 10); // 10000 m3
    s.RaRatio = 0.8;
    s.DeliveryRatio = 0.5;
    s.ConveyRatio = 1;
    TYearAverage contribution; // none
    EXPECT_NEAR(VcETOfMonth(s, p, contribution, 1), 40000 / 0.4, 1e-6);
    EXPECT_EQ(VcETOfMonth(s, p, contribution, 2), 0);
    contribution.SetMonth(1, 1); // 31 mm in the month over 50 ha
    EXPECT_NEAR(VcETOfMonth(s, p, contribution, 1), (40000 - 15500) / 0.4, 1e-6);
    s.EffRainCropped.SetMonth(1, 100); // more rain than use
    EXPECT_EQ(VcETOfMonth(s, p, contribution, 1), 0);

    s.EffRainCropped.Fill(0);
    s.RaRatio = 0;
    for (int m = 1; m <= 12; ++m) {
        s.ETaIrrigated.SetMonth(m, 150);
        EXPECT_EQ(VcETOfMonth(s, p, contribution, m), 0) << m;
    }
}

TEST(StrategyTracks, RemarksOfAMonth) {
    const std::string none = "No warning";
    EXPECT_EQ(WarningOfMonth(0.6, 0.5, 100, 100), none);
    EXPECT_EQ(WarningOfMonth(0.6, 0.7, 0, 0), none);
    EXPECT_EQ(WarningOfMonth(0.6, 0.5, 100, 95),
              "Reduce VcEt by improving water delivery and/or field water application");
    EXPECT_EQ(WarningOfMonth(0.6, 0.6, 100, 96), none);
    EXPECT_EQ(WarningOfMonth(0.6, 0.5, 100, 105), none);
    EXPECT_EQ(WarningOfMonth(0.6, 0.5, 100, 106), "Apply water more uniformly");
    EXPECT_EQ(WarningOfMonth(0.6, 0.7, 100, 95), "Allow lower ETa from irr.area / decrease DF");
    EXPECT_EQ(WarningOfMonth(0.6, 0.7, 100, 106),
              "Increase DF-value for this month to decrease VcDf");
}

TEST(StrategyTracks, OutcomeTakesTheLargerRequirement) {
    TStrategyOutcome o = OutcomeOfMonth(1200, 1500);
    EXPECT_EQ(o.Selected, 1500);
    EXPECT_EQ(o.Track(), "ET track");
    o = OutcomeOfMonth(1500, 1500);
    EXPECT_EQ(o.Selected, 1500);
    EXPECT_EQ(o.Track(), "Water balance track");
    EXPECT_EQ(OutcomeOfMonth(1600, 1500).Track(), "Water balance track");
}

TEST(StrategyTracks, ETpOfTheCroppedArea) {
    TStrategyProject p;
    p.CroppedAreaOfDay.fill(20);
    p.CroppedAreaOfDay[9] = 0;
    p.SelectedETcTotal.Fill(100);
    TYearSum etp;
    CalcETpIrrigated(p, etp);
    EXPECT_EQ(etp.GetDay(1), 5);
    EXPECT_EQ(etp.GetDay(10), 0);
}
