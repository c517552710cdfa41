#include "core/cUserMessages.h"
#include "core/cValueStream.h"
#include "data/cGeneral.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

namespace {

// The value stream of a .gen file, built by hand value by value.
std::string Str(const std::string& s) {
    return Bytes({6, static_cast<int>(s.size())}) + s;
}
std::string Flt(double v) {
    TValueWriter w;
    w.WriteFloat(v);
    return w.Bytes();
}

std::string Version2File() {
    return Bytes({2, 2}) + Str("Spain") + Str("Guadalquivir") + Str("Left bank") + Str("North") +
           Flt(37.25) + Flt(34) + Flt(1000) + Flt(1200) + Str("Month") + Flt(75) + Bytes({2, 10}) +
           Bytes({9}) + Bytes({2, 30}) + Bytes({2, 1}) + Flt(40) + Bytes({8});
}

TGeneral Example() {
    TGeneral g;
    g.Clear();
    g.Country = "Spain";
    g.Region = "Guadalquivir";
    g.Description = "Left bank";
    g.Hemisphere = "North";
    g.Latitude = 37.25;
    g.Altitude = 34;
    g.IrrigableArea = 1000;
    g.GrossArea = 1200;
    g.CalcPeriod = "Month";
    g.MeanDepth = 75;
    g.ApplInterval = 10;
    g.UseCurveNumber = true;
    g.LandUseIndex = 30;
    g.SoilGroupIndex = 1;
    g.FixedPercent = 40;
    return g;
}

} // namespace

TEST(General, ConstructionAndClear) {
    TGeneral g;
    EXPECT_EQ(g.Version, 2);
    EXPECT_EQ(g.CalcPeriod, "");
    EXPECT_EQ(g.FixedPercent, 0);
    g.DataValid = true;
    g.CurveNumber = 77;
    g.Clear();
    EXPECT_EQ(g.CalcPeriod, "Month");
    EXPECT_EQ(g.FixedPercent, 40);
    EXPECT_TRUE(g.DataValid); // left to the editor's check
    EXPECT_EQ(g.CurveNumber, 77);
}

TEST(General, WritesVersion2ByteForByte) {
    TTempDir dir;
    Example().Save(dir.File("a.gen"));
    EXPECT_EQ(ReadBytes(dir.File("a.gen")), Version2File());
}

TEST(General, ReadsVersion2AndSetsTheFileName) {
    TTempDir dir;
    WriteBytes(dir.File("a.gen"), Version2File());
    TMessageRecorder messages;
    TGeneral g;
    ASSERT_TRUE(g.Load(dir.File("a.gen")));
    EXPECT_TRUE(messages.Messages().empty());
    EXPECT_EQ(g.FileName, dir.File("a.gen"));
    EXPECT_EQ(g.Region, "Guadalquivir");
    EXPECT_EQ(g.Latitude, 37.25);
    EXPECT_EQ(g.GrossArea, 1200);
    EXPECT_EQ(g.ApplInterval, 10);
    EXPECT_TRUE(g.UseCurveNumber);
    EXPECT_EQ(g.LandUseIndex, 30);
    EXPECT_EQ(g.SoilGroupIndex, 1);
    EXPECT_FALSE(g.UseFixedPercent);
}

TEST(General, OlderVersionsGetTheirDefaultsAndAreSavedAsVersion2) {
    TTempDir dir;
    const std::string common =
        Str("Egypt") + Str("Delta") + Str("") + Str("North") + Flt(30.06) + Flt(100) + Flt(500);
    const std::string tail = Str("Week") + Flt(50) + Bytes({2, 7});
    WriteBytes(dir.File("v0.gen"), Bytes({2, 0}) + common + tail);
    WriteBytes(dir.File("v1.gen"), Bytes({2, 1}) + common + Flt(650) + tail);
    for (const char* name : {"v0.gen", "v1.gen"}) {
        TGeneral g;
        g.UseCurveNumber = true;
        g.UseFixedPercent = true;
        g.LandUseIndex = 5;
        ASSERT_TRUE(g.Load(dir.File(name))) << name;
        EXPECT_EQ(g.GrossArea, std::string(name) == "v0.gen" ? 500 : 650);
        EXPECT_EQ(g.FixedPercent, 40);
        EXPECT_FALSE(g.UseCurveNumber);
        EXPECT_FALSE(g.UseFixedPercent);
        EXPECT_EQ(g.LandUseIndex, 0);
        EXPECT_EQ(g.CalcPeriod, "Week");
        EXPECT_EQ(g.ApplInterval, 7);
        g.Save(dir.File("out.gen"));
        const std::string saved = ReadBytes(dir.File("out.gen"));
        EXPECT_EQ(saved.substr(0, 2), Bytes({2, 2}));
        TGeneral back;
        ASSERT_TRUE(back.Load(dir.File("out.gen")));
        EXPECT_EQ(back.GrossArea, g.GrossArea);
    }
}

TEST(General, TruncatedFileIsReportedAndLeavesTheRecordAsItWas) {
    TTempDir dir;
    const std::string full = Version2File();
    const TGeneral before = Example();
    // Every cut short of the whole file fails with the stream's own text.
    for (std::size_t cut = 0; cut < full.size(); ++cut) {
        WriteBytes(dir.File("cut.gen"), full.substr(0, cut));
        TMessageRecorder messages;
        TGeneral g = before;
        g.FileName = "previous.gen";
        g.Country = "Unchanged";
        EXPECT_FALSE(g.Load(dir.File("cut.gen"))) << cut;
        ASSERT_EQ(messages.Texts(),
                  std::vector<std::string>{"Error in procedure ReadData: Stream read error"})
            << cut;
        EXPECT_EQ(g.FileName, "previous.gen");
        EXPECT_EQ(g.Country, "Unchanged");
        EXPECT_EQ(g.Latitude, before.Latitude);
    }
}

TEST(General, WrongFirstValueIsAnInvalidPropertyValue) {
    TTempDir dir;
    WriteBytes(dir.File("f.gen"), Flt(2) + Version2File().substr(2));
    TMessageRecorder messages;
    TGeneral g;
    EXPECT_FALSE(g.Load(dir.File("f.gen")));
    EXPECT_EQ(messages.Texts(),
              std::vector<std::string>{"Error in procedure ReadData: Invalid property value"});
}

TEST(General, MissingFileReturnsFalseSilently) {
    TTempDir dir;
    TMessageRecorder messages;
    TGeneral g = Example();
    EXPECT_FALSE(g.Load(dir.File("none.gen")));
    EXPECT_TRUE(messages.Messages().empty());
    EXPECT_EQ(g.Country, "Spain");
}

TEST(General, LongAndAccentedTextsRoundTrip) {
    TTempDir dir;
    TGeneral g = Example();
    g.Country = std::string(300, 'C');
    g.Region = "Andaluc\xC3\xAD"
               "a";
    g.Save(dir.File("t.gen"));
    const std::string bytes = ReadBytes(dir.File("t.gen"));
    EXPECT_EQ(static_cast<unsigned char>(bytes[2]), 12);
    TGeneral back;
    ASSERT_TRUE(back.Load(dir.File("t.gen")));
    EXPECT_EQ(back.Country, g.Country);
    EXPECT_EQ(back.Region, g.Region);
}
