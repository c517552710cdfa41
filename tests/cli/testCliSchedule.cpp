#include "support/CliRun.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <fstream>

namespace {

// The Seville example as the build installs it, with its maize schedule.
std::vector<std::string> Seville(const std::string& schedule) {
    const std::string app = std::string(QUELTA_BINARY_DIR) + "/app/";
    return {"schedule", app + "General/Seville.gen", app + "Meteo/Seville.mtf",
            app + "Pattern/Seville.pat", schedule};
}

std::string SevilleMaize() {
    return std::string(QUELTA_BINARY_DIR) + "/app/Schedule/Seville-maize.sch";
}

TRun Schedule(const std::string& schedule, std::vector<std::string> options) {
    std::vector<std::string> args = Seville(schedule);
    args.insert(args.end(), options.begin(), options.end());
    return Cli(args);
}

// A copy of the example schedule with some of its values changed, through show and make.
std::string ChangedSchedule(const TTempDir& dir, const nlohmann::json& change) {
    const TRun show = Cli({"show", SevilleMaize()});
    EXPECT_EQ(show.code, 0) << show.err;
    nlohmann::json json = nlohmann::json::parse(show.out);
    json.merge_patch(change);
    WriteBytes(dir.File("changed.json"), json.dump());
    const TRun make = Cli({"make", dir.File("changed.json"), dir.File("changed.sch")});
    EXPECT_EQ(make.code, 0) << make.err;
    return dir.File("changed.sch");
}

} // namespace

TEST(CliSchedule, JsonTermsAreTheDaysBalanceAsItEnteredIt) {
    const TRun run = Schedule(SevilleMaize(), {});
    ASSERT_EQ(run.code, 0) << run.err;
    const auto json = nlohmann::json::parse(run.out);
    const auto& days = json.at("days");
    ASSERT_EQ(days.size(), 150u); // Maize: 30 + 40 + 50 + 30 days from day 105
    EXPECT_EQ(days[0].at("day"), 105);
    const auto& season = json.at("season");
    double dr = season.at("initial_dr").get<double>();
    int irrigations = 0;
    for (const auto& day : days) {
        EXPECT_EQ(day.size(), 11u);
        const double expected = dr - day.at("pe").get<double>() - day.at("net").get<double>() +
                                day.at("eta").get<double>() + day.at("dp").get<double>();
        EXPECT_NEAR(day.at("dr").get<double>(), expected, 1e-9);
        dr = day.at("dr").get<double>();
        irrigations += day.at("net").get<double>() > 0 ? 1 : 0;
    }
    EXPECT_EQ(season.at("irrigations"), irrigations);
    EXPECT_GT(irrigations, 5);
    EXPECT_NEAR(season.at("balance_error").get<double>(), 0, 1e-9);
    EXPECT_EQ(season.at("stages").size(), 4u);
    EXPECT_TRUE(season.at("yield_reduction_stages").is_number());
}

TEST(CliSchedule, CsvAndTextAreWhatTheWindowExportsAndReports) {
    const TRun csv = Schedule(SevilleMaize(), {"--format", "csv"});
    ASSERT_EQ(csv.code, 0) << csv.err;
    EXPECT_EQ(csv.out.substr(0, csv.out.find("\r\n")),
              "Date,Day,Stage,Zr (m),Rain (mm),Pe (mm),ETc (mm),Ks,ETa (mm),Net (mm),Gross (mm),"
              "DP (mm),Dr (mm),RAW (mm),TAW (mm)");
    EXPECT_EQ(std::count(csv.out.begin(), csv.out.end(), '\n'), 151);
    const TRun text =
        Schedule(SevilleMaize(), {"--format", "text", "--method", "hargreaves", "--rain", "usda"});
    ASSERT_EQ(text.code, 0) << text.err;
    EXPECT_EQ(text.out.substr(0, 20), "Irrigation schedule\n");
    EXPECT_NE(text.out.find("Effective rainfall:     USDA Method"), std::string::npos);
    EXPECT_NE(text.out.find("ET0 method:             Modified Hargreaves"), std::string::npos);
    // The method changes the figures.
    EXPECT_NE(Schedule(SevilleMaize(), {"--method", "hargreaves"}).out,
              Schedule(SevilleMaize(), {}).out);
}

TEST(CliSchedule, BadInputGivesTheMessageAndNoOutput) {
    TTempDir dir;
    struct TCase {
        const char* Name;
        nlohmann::json Change;
        int Code;
        std::string Message;
    };
    const TCase cases[] = {
        {"FC <= WP",
         {{"Soil", {{"WiltingPoint", 0.3}}}},
         1,
         "The field capacity must be larger than the wilting point.\n"},
        {"efficiency 0",
         {{"Efficiency", 0}},
         1,
         "The field application efficiency must lie between 1 and 100 %.\n"},
        {"line gone",
         {{"PlantingDay", 106}},
         1,
         "The cropping pattern no longer holds the crop Maize (day 106) of this schedule. Choose "
         "one of its crops.\n"},
    };
    for (const TCase& c : cases) {
        const TRun run = Schedule(ChangedSchedule(dir, c.Change), {});
        EXPECT_EQ(run.code, c.Code) << c.Name;
        EXPECT_EQ(run.err, c.Message) << c.Name;
        EXPECT_EQ(run.out, "") << c.Name;
    }
    // Seville takes a fixed % of the rain; the Curve Number is not chosen there.
    const TRun cn = Schedule(SevilleMaize(), {"--rain", "cn"});
    EXPECT_EQ(cn.code, 2);
    EXPECT_NE(cn.err.find("Curve Number Method"), std::string::npos);
    EXPECT_EQ(cn.out, "");
}

TEST(CliSchedule, MakeAndShowKnowSchedulesAndSoils) {
    TTempDir dir;
    WriteBytes(dir.File("soil.json"),
               R"({"Description": "Vega loam", "FieldCapacity": 0.27, "WiltingPoint": 0.13,
                   "InfiltrationRate": 240, "InitialDepletion": 10})");
    ASSERT_EQ(Cli({"make", dir.File("soil.json"), dir.File("vega.soi")}).code, 0);
    const TRun soil = Cli({"show", dir.File("vega.soi")});
    ASSERT_EQ(soil.code, 0) << soil.err;
    const auto json = nlohmann::json::parse(soil.out);
    EXPECT_EQ(json.at("Description"), "Vega loam");
    EXPECT_EQ(json.at("InfiltrationRate"), 240);

    const TRun schedule = Cli({"show", SevilleMaize()});
    ASSERT_EQ(schedule.code, 0) << schedule.err;
    const auto sch = nlohmann::json::parse(schedule.out);
    EXPECT_EQ(sch.at("CropFileName"), "Maize.crp");
    EXPECT_EQ(sch.at("Soil").at("Description"), "Loam");
    EXPECT_EQ(sch.at("KyStage").size(), 4u);

    WriteBytes(dir.File("bad.json"), R"({"Timing": 4})");
    const TRun bad = Cli({"make", dir.File("bad.json"), dir.File("bad.sch")});
    EXPECT_EQ(bad.code, 1);
    EXPECT_EQ(bad.err, "Field Timing must be 0 to 3\n");
    EXPECT_FALSE(std::ifstream(dir.File("bad.sch")).good());
    WriteBytes(dir.File("unknown.json"), R"({"Soil": {"Colour": "red"}})");
    EXPECT_EQ(Cli({"make", dir.File("unknown.json"), dir.File("unknown.sch")}).err,
              "Unknown field Colour\n");
}
