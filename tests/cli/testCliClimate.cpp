#include "calc/uClimateNormals.h"
#include "core/cFileIO.h"
#include "data/cGeneral.h"
#include "data/cMeteo.h"
#include "support/CliRun.h"
#include "support/ClimateGenerator.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

namespace {

bool Contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

} // namespace

TEST(CliClimate, ACsvRecordBecomesAMeteoFileWithItsSummary) {
    TTempDir dir;
    const TSyntheticClimate record = MakeSyntheticClimate({});
    WriteBytes(dir.File("station.csv"), record.Text);
    const TRun run =
        Cli({"climate", dir.File("station.csv"), dir.File("site.mtf"), "--latitude", "37.4"});
    ASSERT_EQ(run.code, 0) << run.err;
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(ReadBytes(dir.File("site.mtf")).size(), 32133u);
    TMeteo meteo;
    ASSERT_TRUE(meteo.Load(dir.File("site.mtf")));
    EXPECT_EQ(meteo.WindHeight, 2);
    for (int m = 1; m <= 12; ++m) {
        EXPECT_NEAR(meteo.Tmax.GetMonth(m), record.Normals[m - 1][1], 0.05);
        EXPECT_NEAR(meteo.Precipitation.GetMonth(m), record.Normals[m - 1][2], 0.05 * 31);
    }
    for (const std::string& line : std::vector<std::string>{
             "(CSV with a header, comma separated)\n", "Date: date\n",
             "Column 2 \"Tmax (°C)\": Tmax (°C)\n", "Latitude: 37.40 (chosen)\n",
             "Period: 1991-01-01 to 2020-12-31, 10958 days\n", "Years: 1991 to 2020\n",
             "Normals: monthly; rainfall: mean monthly total\n",
             "Wind height: 2 m (wind 2m (m/s))\n",
             "\nTmin           tmin (°C)                                                      30"
             "        10958            0\n",
             "\n(Month)       min (°C)    max (°C)        (mm)     (hours)", "\nJan (1)   ",
             "\nWritten: " + dir.File("site.mtf") + "\n"})
        EXPECT_TRUE(Contains(run.out, line)) << line << "\n" << run.out;
}

TEST(CliClimate, JsonSummaryOfANasaPowerRecordWithDependableRainfall) {
    TTempDir dir;
    TSyntheticClimateSpec spec;
    spec.Layout = TGenLayout::NasaPower;
    spec.Radiation = TGenRadiation::KilowattHours;
    spec.GapShare = 0.03;
    spec.BlankMonths = {{1999, 8}};
    const TSyntheticClimate record = MakeSyntheticClimate(spec);
    WriteBytes(dir.File("power.csv"), record.Text);
    const TRun run = Cli({"climate", dir.File("power.csv"), dir.File("site.mtf"), "--rain", "80",
                          "--format", "json"});
    ASSERT_EQ(run.code, 0) << run.err;
    const auto json = nlohmann::json::parse(run.out);
    EXPECT_EQ(json["layout"], "nasa-power");
    EXPECT_EQ(json["years"]["from"], 1991);
    EXPECT_EQ(json["years"]["to"], 2020);
    EXPECT_EQ(json["site"]["latitude"], 37.4);
    EXPECT_EQ(json["site"]["latitude_source"], "the record");
    EXPECT_EQ(json["site"]["elevation"], 29.21);
    EXPECT_EQ(json["rain"], 80);
    EXPECT_EQ(json["normals"], "month");
    EXPECT_EQ(json["wind_height"], 2);
    EXPECT_EQ(json["wind_height_source"], "WS2M");
    EXPECT_EQ(json["columns"].size(), 6u);
    EXPECT_EQ(json["columns"][5]["header"], "ALLSKY_SFC_SW_DWN");
    EXPECT_EQ(json["columns"][5]["unit"], "kWh/m²/day");
    const auto& tmin = json["variables"]["Tmin"];
    EXPECT_EQ(tmin["days_missing"], record.DaysMissing[0]);
    // Days with a value either count or lie in a month of a year that has too few of them.
    const int present = 10958 - tmin["days_missing"].get<int>();
    EXPECT_LE(tmin["days_used"].get<int>(), present);
    EXPECT_GE(tmin["days_used"].get<int>(), present - 100);
    EXPECT_EQ(tmin["years_used"][7], record.YearsUsed[7][0]);
    EXPECT_EQ(json["variables"]["RHmax"]["in_record"], false);
    ASSERT_EQ(json["months"].size(), 12u);
    for (int m = 1; m <= 12; ++m) {
        const auto& month = json["months"][m - 1];
        EXPECT_EQ(month["month"], m);
        EXPECT_NEAR(month["Precipitation"].get<double>(),
                    *DependableRainfall(record.RainTotals[m - 1], 80), 0.05 * 31);
        EXPECT_NEAR(month["Tmin"].get<double>(), record.Normals[m - 1][0], 0.05);
        EXPECT_NEAR(month["Sunshine"].get<double>(), record.Normals[m - 1][3], 0.05);
        EXPECT_EQ(month["WindRatio"], 0);
    }
    TMeteo meteo;
    ASSERT_TRUE(meteo.Load(dir.File("site.mtf")));
    EXPECT_DOUBLE_EQ(meteo.Precipitation.GetMonth(3), json["months"][2]["Precipitation"]);
}

TEST(CliClimate, BadInputExitsWithTheMessageAndWritesNothing) {
    TTempDir dir;
    WriteBytes(dir.File("bad.csv"), "date,tmin,tmax,rain,sunshine,rh,wind\n"
                                    "2001-01-01,5,20,0,8,60,2\n2001-01-02,5,x,0,8,60,2\n");
    WriteBytes(dir.File("old.mtf"), "the file that was there");
    struct TCase {
        std::vector<std::string> Args;
        int Code;
        std::string Message;
    };
    const std::string bad = dir.File("bad.csv");
    const TCase cases[] = {
        {{"climate", bad, dir.File("old.mtf"), "--latitude", "10"},
         1,
         "Error in procedure ImportClimateRecord: Line 3, column 3 \"tmax\": \"x\" is not a "
         "number\n"},
        {{"climate", bad, dir.File("old.mtf")},
         1,
         "Error in procedure ImportClimateRecord: the record does not give the site's latitude, "
         "which the sunshine needs: give --latitude DEG or --general GEN\n"},
        {{"climate", dir.File("none.csv"), dir.File("old.mtf"), "--latitude", "10"},
         1,
         "Cannot open file \"" + dir.File("none.csv") + "\". No such file\n"},
        {{"climate", std::string(QUELTA_TEST_DATA) + "/climate/power-small.csv",
          dir.File("old.mtf")},
         1,
         "Error in procedure ImportClimateRecord: January: no year from 2020 to 2020 has 80 % of "
         "its days of minimum temperature\n"},
        {{"climate", bad, dir.File("old.mtf"), "--normals", "day", "--rain", "80"},
         2,
         "--rain 80: dependable rainfall is worked out from monthly totals; use --normals month\n"},
    };
    for (const TCase& c : cases) {
        const TRun run = Cli(c.Args);
        EXPECT_EQ(run.code, c.Code) << c.Message;
        EXPECT_EQ(run.err, c.Message);
        EXPECT_EQ(ReadBytes(dir.File("old.mtf")), "the file that was there");
    }
    for (const std::vector<std::string>& usage :
         {std::vector<std::string>{"climate", bad, dir.File("x.mtf"), "--rain", "60"},
          {"climate", bad, dir.File("x.mtf"), "--latitude", "10", "--general", "a.gen"},
          {"climate", bad, dir.File("x.mtf"), "--radiation", "lux"},
          {"climate", bad, dir.File("x.mtf"), "--latitude", "95"},
          {"climate", bad}}) {
        EXPECT_EQ(Cli(usage).code, 2);
        EXPECT_FALSE(FileExists(dir.File("x.mtf")));
    }
}

TEST(CliClimate, GeneralDataGiveTheLatitudeAndPeriodOfTheChecks) {
    TTempDir dir;
    TSyntheticClimateSpec spec;
    spec.Years = 4;
    spec.Radiation = TGenRadiation::Megajoules;
    const TSyntheticClimate record = MakeSyntheticClimate(spec);
    WriteBytes(dir.File("station.csv"), record.Text);
    TGeneral general;
    general.Clear();
    general.Latitude = 37.24; // 37°24'
    general.Hemisphere = "North";
    general.CalcPeriod = "Day";
    general.Save(dir.File("site.gen"));

    const TRun daily = Cli({"climate", dir.File("station.csv"), dir.File("daily.mtf"), "--general",
                            dir.File("site.gen"), "--normals", "day", "--format", "json"});
    ASSERT_EQ(daily.code, 0) << daily.err;
    const auto json = nlohmann::json::parse(daily.out);
    EXPECT_EQ(json["normals"], "day");
    EXPECT_EQ(json["site"]["latitude_source"], "the general data");
    EXPECT_NEAR(json["site"]["latitude"].get<double>(), 37.4, 1e-9);
    TMeteo meteo;
    ASSERT_TRUE(meteo.Load(dir.File("daily.mtf")));
    EXPECT_NE(meteo.Tmax.GetDay(1), meteo.Tmax.GetDay(2)); // a value per day, not per month
    EXPECT_NEAR(meteo.Tmax.GetMonth(7), record.Normals[6][1], 0.05);

    // The same record checked for a site in the south, whose June days are much shorter: the
    // sunshine is kept within them.
    TSyntheticClimateSpec hours;
    hours.Years = 4;
    WriteBytes(dir.File("hours.csv"), MakeSyntheticClimate(hours).Text);
    general.Hemisphere = "South";
    general.CalcPeriod = "Month";
    general.Save(dir.File("south.gen"));
    EXPECT_EQ(Cli({"climate", dir.File("hours.csv"), dir.File("south.mtf"), "--general",
                   dir.File("south.gen"), "--latitude", "37.4"})
                  .code,
              2); // one or the other
    const TRun lowered = Cli({"climate", dir.File("hours.csv"), dir.File("south.mtf"), "--general",
                              dir.File("south.gen")});
    ASSERT_EQ(lowered.code, 0) << lowered.err;
    EXPECT_TRUE(Contains(lowered.out, "Note: Sunshine above the day length at the general data's "
                                      "latitude lowered to it: "))
        << lowered.out;
}
