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

// Everything the file holds: the record as it would be written.
std::string Stored(const TStrategy& s) {
    TValueWriter w;
    s.WriteData(w);
    return w.Bytes();
}

// A version 0 file: the 19 values and four series, no ETaGross block.
std::string Version0File(const TStrategy& s) {
    std::string bytes = Stored(s);
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
    TStrategy fresh;
    fresh.Clear();
    fresh.SpareFlag = true; // which Clear leaves alone
    EXPECT_EQ(Stored(s), Stored(fresh));
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
    EXPECT_EQ(Stored(loaded), Stored(cleared));
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
    EXPECT_EQ(Stored(loaded), Stored(written));
    // A name that does not exist changes nothing and says nothing.
    EXPECT_FALSE(loaded.Load(dir.File("none.str")));
    EXPECT_TRUE(messages.Messages().empty());
    EXPECT_EQ(loaded.FileName, dir.File("a.str"));
    EXPECT_EQ(Stored(loaded), Stored(written));
}

TEST(Strategy, FileLayout) {
    TStrategy s;
    s.Clear();
    s.Version = 0; // always written as the current version
    const std::string b = Stored(s);
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
    const std::string b = Stored(s);
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
