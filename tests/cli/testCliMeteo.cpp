#include "core/cFileIO.h"
#include "data/cMeteo.h"
#include "support/CliRun.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

TEST(CliMeteo, MakeTakesMonthlyOrDailyValuesAndShowPrintsDays) {
    TTempDir dir;
    nlohmann::json in = {{"WindHeight", 2}};
    in["Tmax"] = {30, 31, 32, 33, 34, 35, 36, 37, 38, 39, 40, 41};
    in["Precipitation"] = {31, 56, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0};
    in["Sunshine"] = std::vector<double>(365, 8.5);
    WriteBytes(dir.File("in.json"), in.dump());
    TRun make = Cli({"make", dir.File("in.json"), dir.File("a.mtf")});
    ASSERT_EQ(make.code, 0) << make.err;
    EXPECT_EQ(ReadBytes(dir.File("a.mtf")).size(), 32133u);

    TMeteo m;
    ASSERT_TRUE(m.Load(dir.File("a.mtf")));
    EXPECT_EQ(m.Tmax.GetDay(59), 31); // every day of February
    EXPECT_EQ(m.Precipitation.GetDay(59), 2);
    EXPECT_EQ(m.AnnualPrecipitation(), 87);

    TRun show = Cli({"show", dir.File("a.mtf")});
    ASSERT_EQ(show.code, 0) << show.err;
    const auto json = nlohmann::json::parse(show.out);
    EXPECT_EQ(json["Tmax"].size(), 365u);
    EXPECT_EQ(json["Tmax"][364], 41);
    EXPECT_EQ(json["Sunshine"][100], 8.5);
    EXPECT_EQ(json["WindHeight"], 2);
    EXPECT_EQ(json["Version"], 0);

    WriteBytes(dir.File("bad.json"), R"({"Tmin": [1, 2, 3]})");
    TRun bad = Cli({"make", dir.File("bad.json"), dir.File("b.mtf")});
    EXPECT_EQ(bad.code, 1);
    EXPECT_FALSE(FileExists(dir.File("b.mtf")));
}
