#include "calc/uGeneralRanges.h"
#include "core/cGuiSettings.h"
#include "core/cNumberFormat.h"
#include "data/cGeneral.h"

#include <gtest/gtest.h>

namespace {

TGeneral ValidSite() {
    TGeneral g;
    g.Clear();
    g.Altitude = 100;
    g.GrossArea = 1200;
    g.IrrigableArea = 1000;
    g.MeanDepth = 75;
    return g;
}

} // namespace

TEST(GeneralRanges, ValidSitePassesEveryCheck) {
    EXPECT_TRUE(CheckGeneralRanges(ValidSite()).AllValid());
}

TEST(GeneralRanges, AltitudeBoundsBelongToTheRange) {
    TGeneral g = ValidSite();
    for (double valid : {-500.0, 4500.0}) {
        g.Altitude = valid;
        EXPECT_TRUE(CheckGeneralRanges(g).Altitude) << valid;
    }
    for (double invalid : {-501.0, 4501.0, -500.01}) {
        g.Altitude = invalid;
        const TGeneralRangeCheck check = CheckGeneralRanges(g);
        EXPECT_FALSE(check.Altitude) << invalid;
        EXPECT_FALSE(check.AllValid());
        EXPECT_TRUE(check.Depth); // only the altitude is marked
    }
}

TEST(GeneralRanges, IrrigableAboveGrossMarksOnlyTheIrrigableArea) {
    TGeneral g = ValidSite();
    g.GrossArea = 100;
    g.IrrigableArea = 120;
    const TGeneralRangeCheck check = CheckGeneralRanges(g);
    EXPECT_TRUE(check.GrossArea);
    EXPECT_FALSE(check.IrrigableArea);
    g.IrrigableArea = 100; // equal areas are fine
    EXPECT_TRUE(CheckGeneralRanges(g).AllValid());
}

TEST(GeneralRanges, AreasMustBePositiveAndAtMostAMillionHectares) {
    TGeneral g = ValidSite();
    g.GrossArea = 0;
    g.IrrigableArea = 0;
    EXPECT_FALSE(CheckGeneralRanges(g).GrossArea);
    EXPECT_FALSE(CheckGeneralRanges(g).IrrigableArea);
    g.GrossArea = 0.5; // the hint says "1 <", the check takes anything above 0
    g.IrrigableArea = 0.5;
    EXPECT_TRUE(CheckGeneralRanges(g).AllValid());
    g.GrossArea = 1000001;
    EXPECT_FALSE(CheckGeneralRanges(g).GrossArea);
    g.GrossArea = 1000000;
    EXPECT_TRUE(CheckGeneralRanges(g).GrossArea);
}

TEST(GeneralRanges, DepthFromTwentyToTwoHundredMillimetres) {
    TGeneral g = ValidSite();
    for (auto [depth, valid] :
         {std::pair{20.0, true}, {19.9, false}, {200.0, true}, {200.1, false}}) {
        g.MeanDepth = depth;
        EXPECT_EQ(CheckGeneralRanges(g).Depth, valid) << depth;
    }
}

TEST(GeneralRanges, FixedPercentHasOnlyAnUpperBound) {
    TGeneral g = ValidSite();
    g.FixedPercent = 100;
    EXPECT_TRUE(CheckGeneralRanges(g).FixedPercent);
    g.FixedPercent = 100.5;
    EXPECT_FALSE(CheckGeneralRanges(g).FixedPercent);
}

TEST(GeneralRanges, HintsFollowTheUnitsNowSet) {
    TGuiSettings units;
    EXPECT_EQ(GeneralRangeHint(TGeneralField::Altitude, units),
              "Range: -500 <= Altitude <= 4500 m");
    EXPECT_EQ(GeneralRangeHint(TGeneralField::GrossArea, units),
              "Range: 1 < Gross area <= 1000000 ha and Gross area >= Irrigable area");
    EXPECT_EQ(GeneralRangeHint(TGeneralField::IrrigableArea, units),
              "Range: 1 < Irrigable area <= 1000000 ha and Irrigable area <= Gross area");
    EXPECT_EQ(GeneralRangeHint(TGeneralField::Depth, units),
              "Range: 20 < Application depth <= 200 mm");
    units.LengthUnit = 1;
    units.AreaUnit = 1;
    units.PrecipitationUnit = 1;
    EXPECT_EQ(GeneralRangeHint(TGeneralField::Altitude, units),
              "Range: -1640 <= Altitude <= 14763 ft");
    EXPECT_EQ(GeneralRangeHint(TGeneralField::GrossArea, units),
              "Range: 1 < Gross area <= 2470000 ac and Gross area >= Irrigable area");
    EXPECT_EQ(GeneralRangeHint(TGeneralField::IrrigableArea, units),
              "Range: 1 < Irrigable area <= 2470000 ac and Irrigable area <= Gross area");
    EXPECT_EQ(GeneralRangeHint(TGeneralField::Depth, units),
              "Range: 0.7874 < Application depth <= 7.874 in");
    EXPECT_EQ(GeneralRangeHint(TGeneralField::Degrees, units),
              "Range: 0 <= Latitude degrees <= 66");
    EXPECT_EQ(GeneralRangeHint(TGeneralField::Minutes, units),
              "Range: 0 <= Latitude minutes <= 59");
    EXPECT_EQ(GeneralRangeHint(TGeneralField::FixedPercent, units),
              "Range: 0 <= fixed percentage <= 100");
}

TEST(GeneralRanges, LatitudeKeepsMinutesAsTwoDecimalDigits) {
    EXPECT_DOUBLE_EQ(LatitudeFromEntry(52, 30), 52.3);
    EXPECT_DOUBLE_EQ(LatitudeFromEntry(5, 3), 5.03);
    EXPECT_DOUBLE_EQ(LatitudeFromEntry(0, 0), 0);
    EXPECT_DOUBLE_EQ(LatitudeFromEntry(66, 0), 66);
    for (auto [latitude, degrees, minutes] :
         {std::tuple{52.3, 52, 30}, {5.03, 5, 3}, {66.0, 66, 0}, {0.59, 0, 59}, {12.0, 12, 0}}) {
        EXPECT_EQ(LatitudeDegrees(latitude), degrees) << latitude;
        EXPECT_EQ(LatitudeMinutes(latitude), minutes) << latitude;
    }
}

TEST(GeneralRanges, LatitudeEntryUsesTheLocaleSeparator) {
    SetDecimalSeparator(',');
    const double latitude = LatitudeFromEntry(5, 3);
    SetDecimalSeparator('.');
    EXPECT_DOUBLE_EQ(latitude, 5.03);
}
