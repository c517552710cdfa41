#include "core/cUserMessages.h"
#include "core/cValueStream.h"
#include "data/cStrategy.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

namespace {

constexpr std::size_t kFloatBytes = 11; // tag + 80-bit extended

TStrategy Example() {
    TStrategy s;
    s.Clear();
    s.FieldDataAvailable = false;
    s.SpareFlag = true;
    s.DFUserInitialised = 1;
    s.DFcrit = 0.55;
    s.SoilType = "Loam";
    s.CapRise05 = 1.8;
    s.CapRise10 = 1.15;
    s.CapRise20 = 0.75;
    s.FieldApplMethod = "Drip irrigation";
    s.RaRatio = 0.9;
    s.Uniformity = 0.3;
    s.WaterShortage = 25;
    s.ZValue = 0.67;
    s.DeliveryRatio = 0.79;
    s.FlowRegime = 1;
    s.ConveyRatio = 0.82;
    s.DepthGW1Jan = 2.5;
    s.GeneralFileName = "SITE.GEN";
    for (int m = 1; m <= 12; ++m) {
        s.ChangeGWTableData.SetMonth(m, 0.01 * m - 0.05);
        s.DivertedWater.SetMonth(m, 1000.0 * m);
        s.DFUser.SetMonth(m, 0.05 * m);
        s.ETaIrrigated.SetMonth(m, 10.0 * m);
        s.ETaGross.SetMonth(m, 7.5 * m);
    }
    return s;
}

// Everything the file holds, compared field by field and day by day.
void ExpectSameStoredFields(const TStrategy& a, const TStrategy& b) {
    EXPECT_EQ(a.FieldDataAvailable, b.FieldDataAvailable);
    EXPECT_EQ(a.SpareFlag, b.SpareFlag);
    EXPECT_EQ(a.DFUserInitialised, b.DFUserInitialised);
    EXPECT_EQ(a.DFcrit, b.DFcrit);
    EXPECT_EQ(a.SoilType, b.SoilType);
    EXPECT_EQ(a.CapRise05, b.CapRise05);
    EXPECT_EQ(a.CapRise10, b.CapRise10);
    EXPECT_EQ(a.CapRise20, b.CapRise20);
    EXPECT_EQ(a.FieldApplMethod, b.FieldApplMethod);
    EXPECT_EQ(a.RaRatio, b.RaRatio);
    EXPECT_EQ(a.Uniformity, b.Uniformity);
    EXPECT_EQ(a.WaterShortage, b.WaterShortage);
    EXPECT_EQ(a.ZValue, b.ZValue);
    EXPECT_EQ(a.DeliveryRatio, b.DeliveryRatio);
    EXPECT_EQ(a.FlowRegime, b.FlowRegime);
    EXPECT_EQ(a.ConveyRatio, b.ConveyRatio);
    EXPECT_EQ(a.DepthGW1Jan, b.DepthGW1Jan);
    EXPECT_EQ(a.GeneralFileName, b.GeneralFileName);
    for (int d = 1; d <= 365; ++d) {
        EXPECT_EQ(a.ChangeGWTableData.GetDay(d), b.ChangeGWTableData.GetDay(d)) << d;
        EXPECT_EQ(a.DivertedWater.GetDay(d), b.DivertedWater.GetDay(d)) << d;
        EXPECT_EQ(a.DFUser.GetDay(d), b.DFUser.GetDay(d)) << d;
        EXPECT_EQ(a.ETaIrrigated.GetDay(d), b.ETaIrrigated.GetDay(d)) << d;
        EXPECT_EQ(a.ETaGross.GetDay(d), b.ETaGross.GetDay(d)) << d;
    }
}

// A version 0 file: the 19 values and four series, no ETaGross block.
std::string Version0File(const TStrategy& s) {
    TValueWriter w;
    s.WriteData(w);
    std::string bytes = w.Bytes();
    bytes[1] = 0; // version
    return bytes.substr(0, bytes.size() - 365 * kFloatBytes);
}

} // namespace

TEST(Strategy, ConstructionAndClear) {
    TStrategy s;
    EXPECT_EQ(s.Version, 1);
    EXPECT_FALSE(s.FieldDataAvailable);
    EXPECT_EQ(s.DFcrit, 0);

    s = Example();
    s.FileName = "a.str";
    s.Version = 0;
    s.EffRainCropped.Fill(3);
    s.VcDF.Fill(5);
    s.Clear();
    EXPECT_TRUE(s.FieldDataAvailable);
    EXPECT_EQ(s.DFcrit, 0.6);
    EXPECT_EQ(s.SoilType, "");
    EXPECT_EQ(s.FlowRegime, 0);
    EXPECT_EQ(s.DFUserInitialised, 0);
    EXPECT_EQ(s.DFUser.GetDay(200), 0);
    EXPECT_EQ(s.VcDF.GetDay(1), 0);
    // Left alone by Clear.
    EXPECT_EQ(s.FileName, "a.str");
    EXPECT_EQ(s.Version, 0);
    EXPECT_TRUE(s.SpareFlag);
    EXPECT_EQ(s.EffRainCropped.GetDay(100), 3);
}

TEST(Strategy, MonthlySeriesKeepTheirKind) {
    TStrategy s;
    s.ChangeGWTableData.SetMonth(2, 0.28); // a sum: spread over 28 days
    EXPECT_DOUBLE_EQ(s.ChangeGWTableData.GetDay(32), 0.01);
    EXPECT_DOUBLE_EQ(s.ChangeGWTableData.GetMonth(2), 0.28);
    s.DFUser.SetMonth(2, 0.4); // an average: the value on every day
    EXPECT_EQ(s.DFUser.GetDay(40), 0.4);
    EXPECT_DOUBLE_EQ(s.DFUser.GetMonth(2), 0.4);
}

TEST(Strategy, ClearedRecordRoundTrips) {
    TTempDir dir;
    TStrategy cleared;
    cleared.Clear();
    cleared.Save(dir.File("c.str"));
    TStrategy loaded = Example();
    ASSERT_TRUE(loaded.Load(dir.File("c.str")));
    ExpectSameStoredFields(cleared, loaded);
}

TEST(Strategy, FilledRecordRoundTripsAndSetsFileName) {
    TTempDir dir;
    const TStrategy written = Example();
    written.Save(dir.File("a.str"));
    TMessageRecorder messages;
    TStrategy loaded;
    loaded.Clear();
    ASSERT_TRUE(loaded.Load(dir.File("a.str")));
    EXPECT_TRUE(messages.Messages().empty());
    EXPECT_EQ(loaded.FileName, dir.File("a.str"));
    EXPECT_EQ(written.FileName, ""); // Save never names the record
    ExpectSameStoredFields(written, loaded);
}

TEST(Strategy, FileLayout) {
    TStrategy s;
    s.Clear();
    s.Version = 0; // always written as the current version
    TValueWriter w;
    s.WriteData(w);
    const std::string& b = w.Bytes();
    // Version 1, FieldDataAvailable true, SpareFlag false, DFUserInitialised 0.
    EXPECT_EQ(b.substr(0, 6), Bytes({2, 1, 9, 8, 2, 0}));
    // 19 single values (small integers, booleans, empty strings, floats) and 5 x 365 floats.
    const std::size_t singles = 2 /*Version*/ + 1 + 1 + 2 /*DFUserInitialised*/ +
                                kFloatBytes /*DFcrit*/ + 2 /*SoilType*/ + 3 * kFloatBytes +
                                2 /*FieldApplMethod*/ + 5 * kFloatBytes + 2 /*FlowRegime*/ +
                                2 * kFloatBytes + 2 /*GeneralFileName*/;
    EXPECT_EQ(b.size(), singles + 5 * 365 * kFloatBytes);
    EXPECT_EQ(b[b.size() - kFloatBytes], ValueTag::Extended);
}

TEST(Strategy, LongAndNonAsciiTexts) {
    TStrategy s;
    s.Clear();
    s.SoilType = std::string(256, 'x');
    s.FieldApplMethod = "Bewässerung";
    TValueWriter w;
    s.WriteData(w);
    const std::string& b = w.Bytes();
    const std::size_t soilAt = 6 + kFloatBytes;
    EXPECT_EQ(static_cast<unsigned char>(b[soilAt]), 12);
    const std::size_t methodAt = soilAt + 5 + 256 + 3 * kFloatBytes;
    EXPECT_EQ(static_cast<unsigned char>(b[methodAt]), 20);

    TValueReader r(b);
    TStrategy back;
    ASSERT_TRUE(back.ReadData(r));
    EXPECT_EQ(back.SoilType, s.SoilType);
    EXPECT_EQ(back.FieldApplMethod, "Bewässerung");
}

TEST(Strategy, Version0FileLeavesETaGrossAlone) {
    TTempDir dir;
    const TStrategy source = Example();
    WriteBytes(dir.File("old.str"), Version0File(source));
    TStrategy s;
    s.Clear();
    s.ETaGross.Fill(42);
    TMessageRecorder messages;
    ASSERT_TRUE(s.Load(dir.File("old.str")));
    EXPECT_TRUE(messages.Messages().empty());
    EXPECT_EQ(s.Version, 0);
    EXPECT_EQ(s.DFUser.GetMonth(4), source.DFUser.GetMonth(4));
    EXPECT_EQ(s.ETaIrrigated.GetDay(365), 120);
    for (int d = 1; d <= 365; ++d)
        ASSERT_EQ(s.ETaGross.GetDay(d), 42) << d;
    // Saving brings it to the current version with all five series.
    s.Save(dir.File("new.str"));
    EXPECT_EQ(ReadBytes(dir.File("new.str")).substr(0, 2), Bytes({2, 1}));
}

TEST(Strategy, MissingFileChangesNothing) {
    TTempDir dir;
    TMessageRecorder messages;
    TStrategy s = Example();
    s.FileName = "keep.str";
    EXPECT_FALSE(s.Load(dir.File("none.str")));
    EXPECT_TRUE(messages.Messages().empty());
    EXPECT_EQ(s.FileName, "keep.str");
    ExpectSameStoredFields(s, Example());
}

TEST(Strategy, DamagedFilesLeaveTheRecordAsItWas) {
    TTempDir dir;
    TValueWriter w;
    Example().WriteData(w);
    const std::string full = w.Bytes();

    WriteBytes(dir.File("short.str"), full.substr(0, full.size() - 3));
    // An extended float where DFUserInitialised is due.
    std::string wrongKind = full;
    wrongKind.replace(4, 2, full.substr(6, kFloatBytes));
    WriteBytes(dir.File("kind.str"), wrongKind);

    TMessageRecorder messages;
    TStrategy s;
    s.Clear();
    s.FileName = "before.str";
    EXPECT_FALSE(s.Load(dir.File("short.str")));
    EXPECT_FALSE(s.Load(dir.File("kind.str")));
    EXPECT_EQ(messages.Texts(),
              (std::vector<std::string>{"Error in procedure ReadData: Stream read error",
                                        "Error in procedure ReadData: Invalid property value"}));
    EXPECT_EQ(s.FileName, "before.str");
    TStrategy cleared;
    cleared.Clear();
    ExpectSameStoredFields(s, cleared);
}
