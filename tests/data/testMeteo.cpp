#include "core/cUserMessages.h"
#include "data/cMeteo.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

// Cut, missing and misshapen .mtf files are covered with every other record in the robust suite.

namespace {

// A record whose every day differs, so any shift or swap of series shows.
TMeteo Example() {
    TMeteo m;
    m.WindHeight = 10;
    int k = 0;
    for (TYearData* series : m.Series()) {
        ++k;
        for (int d = 1; d <= 365; ++d)
            series->SetDay(d, k * 1000 + d + 0.25);
    }
    return m;
}

} // namespace

TEST(Meteo, ClearAndMonthlyInput) {
    TMeteo m = Example();
    EXPECT_EQ(m.Version, 0);
    EXPECT_FALSE(m.DataValid);
    m.FileName = "x.mtf";
    m.DataValid = true;
    m.Clear();
    EXPECT_EQ(m.FileName, "");
    EXPECT_EQ(m.WindHeight, 0);
    for (const TYearData* series : m.Series())
        EXPECT_EQ(*series, TYearData());
    EXPECT_TRUE(m.DataValid); // left to the editor's check

    // A month's rain is a total spread over its days, a temperature the value of every day.
    m.Precipitation.SetMonth(1, 31);
    m.Tmax.SetMonth(1, 31);
    EXPECT_EQ(m.Precipitation.GetDay(15), 1);
    EXPECT_EQ(m.Tmax.GetDay(15), 31);
    EXPECT_EQ(m.AnnualPrecipitation(), 31);
}

TEST(Meteo, FileLayoutAndRoundTrip) {
    TTempDir dir;
    TMeteo cleared;
    cleared.Clear();
    cleared.Save(dir.File("zero.mtf"));
    std::string expected = Bytes({2, 0});
    for (int i = 0; i < 2921; ++i)
        expected += StreamFloat(0);
    ASSERT_EQ(expected.size(), 32133u);
    EXPECT_EQ(ReadBytes(dir.File("zero.mtf")), expected);

    TMeteo m = Example();
    m.Version = 3; // always written as version 0
    m.FileName = "kept.mtf";
    m.Save(dir.File("a.mtf"));
    EXPECT_EQ(m.FileName, "kept.mtf");
    const std::string bytes = ReadBytes(dir.File("a.mtf"));
    ASSERT_EQ(bytes.size(), 32133u);
    EXPECT_EQ(bytes.substr(0, 2), Bytes({2, 0}));
    // Wind height first, then the series in their order, day 1 first.
    EXPECT_EQ(bytes.substr(2, 11), StreamFloat(10));
    EXPECT_EQ(bytes.substr(2 + 11, 11), StreamFloat(1001.25));
    EXPECT_EQ(bytes.substr(2 + 11 * (1 + 2 * 365), 11), StreamFloat(3001.25));
    EXPECT_EQ(bytes.substr(bytes.size() - 11), StreamFloat(8365.25));

    TMessageRecorder messages;
    TMeteo back;
    ASSERT_TRUE(back.Load(dir.File("a.mtf")));
    EXPECT_TRUE(messages.Messages().empty());
    EXPECT_EQ(back.FileName, dir.File("a.mtf"));
    EXPECT_EQ(back.WindHeight, 10);
    for (int i = 0; i < TMeteo::kSeriesCount; ++i)
        EXPECT_EQ(*back.Series()[i], *m.Series()[i]) << i;
}

TEST(Meteo, IntegersAreReadAsFloatsATextIsRefused) {
    // Wind height as an 8-bit, the first days of Tmin as 16- and 32-bit integers.
    std::string bytes =
        Bytes({2, 0}) + Bytes({2, 2}) + Bytes({3, 0x2C, 0x01}) + Bytes({4, 0xFE, 0xFF, 0xFF, 0xFF});
    for (int i = 0; i < 2921 - 3; ++i)
        bytes += StreamFloat(1.5);
    TTempDir dir;
    WriteBytes(dir.File("i.mtf"), bytes);
    WriteBytes(dir.File("s.mtf"), Bytes({2, 0}) + StreamString("x"));
    TMessageRecorder messages;
    TMeteo m;
    ASSERT_TRUE(m.Load(dir.File("i.mtf")));
    EXPECT_EQ(m.WindHeight, 2);
    EXPECT_EQ(m.Tmin.GetDay(1), 300);
    EXPECT_EQ(m.Tmin.GetDay(2), -2);
    EXPECT_EQ(m.Tmin.GetDay(3), 1.5);
    EXPECT_EQ(m.WindRatio.GetDay(365), 1.5);
    EXPECT_FALSE(m.Load(dir.File("s.mtf")));
    EXPECT_EQ(messages.Texts(),
              std::vector<std::string>{"Error in procedure ReadData: Invalid property value"});
}
