#include "calc/uGeneralRanges.h"
#include "core/cGuiSettings.h"
#include "core/cNumberFormat.h"
#include "data/cGeneral.h"

#include <gtest/gtest.h>

namespace {

// The fields a check marks, by name.
std::string Marked(const TGeneralRangeCheck& c) {
    std::string marked;
    for (const auto& [ok, name] : {std::pair{c.Latitude, "Latitude "},
                                   {c.Altitude, "Altitude "},
                                   {c.GrossArea, "Gross "},
                                   {c.IrrigableArea, "Irrigable "},
                                   {c.Depth, "Depth "},
                                   {c.FixedPercent, "Percent "}})
        if (!ok)
            marked += name;
    return marked;
}

} // namespace

// Each bound belongs to its range; only the field at fault is marked. The areas take anything
// above 0 (the hint says "1 <"); the irrigable area above the gross area marks the irrigable one.
TEST(GeneralRanges, BoundsAndTheFieldsTheyMark) {
    struct TCase {
        double altitude, gross, irrigable, depth, percent;
        std::string marked;
    };
    const TCase cases[] = {
        {100, 1200, 1000, 75, 40, ""},           {-500, 1200, 1000, 75, 40, ""},
        {4500, 1200, 1000, 75, 40, ""},          {-501, 1200, 1000, 75, 40, "Altitude "},
        {4501, 1200, 1000, 75, 40, "Altitude "}, {-500.01, 1200, 1000, 75, 40, "Altitude "},
        {100, 100, 120, 75, 40, "Irrigable "},   {100, 100, 100, 75, 40, ""},
        {100, 0, 0, 75, 40, "Gross Irrigable "}, {100, 0.5, 0.5, 75, 40, ""},
        {100, 1000000, 1000, 75, 40, ""},        {100, 1000001, 1000, 75, 40, "Gross "},
        {100, 1200, 1000, 20, 40, ""},           {100, 1200, 1000, 19.9, 40, "Depth "},
        {100, 1200, 1000, 200, 40, ""},          {100, 1200, 1000, 200.1, 40, "Depth "},
        {100, 1200, 1000, 75, 100, ""},          {100, 1200, 1000, 75, 100.5, "Percent "}};
    for (const TCase& k : cases) {
        TGeneral g;
        g.Clear();
        g.Altitude = k.altitude;
        g.GrossArea = k.gross;
        g.IrrigableArea = k.irrigable;
        g.MeanDepth = k.depth;
        g.FixedPercent = k.percent;
        const TGeneralRangeCheck check = CheckGeneralRanges(g);
        EXPECT_EQ(Marked(check), k.marked) << k.altitude << " " << k.gross << " " << k.irrigable
                                           << " " << k.depth << " " << k.percent;
        EXPECT_EQ(check.AllValid(), k.marked.empty());
    }
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
