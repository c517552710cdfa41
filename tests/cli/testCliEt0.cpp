#include "calc/uCalculate.h"
#include "core/cNumberFormat.h"
#include "data/cAllData.h"
#include "support/CliRun.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <memory>
#include <sstream>

namespace {

using nlohmann::json;

// A project written with make, as a user of the command line would build one.
struct TProject {
    TTempDir dir;
    std::string gen = dir.File("site.gen");
    std::string mtf = dir.File("site.mtf");

    explicit TProject(const std::string& calcPeriod = "Month", double latitude = 37.25) {
        const json general = {{"Hemisphere", "North"},
                              {"Latitude", latitude},
                              {"Altitude", 340},
                              {"CalcPeriod", calcPeriod}};
        const json meteo = {{"WindHeight", 10},
                            {"Tmin", {4, 5, 7, 9, 13, 17, 19, 19, 16, 12, 8, 5}},
                            {"Tmax", {16, 18, 21, 23, 28, 33, 36, 35, 31, 25, 20, 16}},
                            {"Precipitation", {70, 60, 55, 50, 30, 10, 0, 5, 20, 60, 80, 95}},
                            {"Sunshine", {5.5, 6.2, 6.8, 8, 9.8, 11, 12, 11.2, 9, 7, 5.8, 5}},
                            {"RHmean", {75, 70, 65, 60, 55, 48, 45, 47, 55, 65, 72, 77}},
                            {"RHmax", {95, 0, 90, 85, 80, 75, 0, 72, 80, 88, 93, 96}},
                            {"WindSpeed", {2.5, 2.8, 3, 3.2, 3, 2.9, 3.1, 3, 2.6, 2.4, 2.3, 2.4}},
                            {"WindRatio", {1.5, 2, 2.5, 3, 3.5, 4, 0, 2, 1.2, 0, 1.8, 2.2}}};
        WriteBytes(dir.File("g.json"), general.dump());
        WriteBytes(dir.File("m.json"), meteo.dump());
        EXPECT_EQ(Cli({"make", dir.File("g.json"), gen}).code, 0);
        EXPECT_EQ(Cli({"make", dir.File("m.json"), mtf}).code, 0);
    }

    // The engine run directly on the same files.
    std::unique_ptr<TAllData> Engine() const {
        auto data = std::make_unique<TAllData>();
        EXPECT_TRUE(data->General.Load(gen));
        EXPECT_TRUE(data->Meteo.Load(mtf));
        CalcET0(*data);
        return data;
    }
};

json Et0Json(const TProject& p, std::vector<std::string> extra = {}) {
    std::vector<std::string> args = {"et0", p.gen, p.mtf};
    args.insert(args.end(), extra.begin(), extra.end());
    TRun run = Cli(args);
    EXPECT_EQ(run.code, 0) << run.err;
    return json::parse(run.out);
}

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

std::vector<std::string> Fields(const std::string& line) {
    std::vector<std::string> fields;
    std::istringstream in(line);
    for (std::string field; std::getline(in, field, ',');)
        fields.push_back(field);
    return fields;
}

} // namespace

TEST(CliEt0, JsonHoldsTheDaysOfTheEngineAndTheirPeriodMeansAndSums) {
    TProject project;
    const auto engine = project.Engine();
    const json out = Et0Json(project);
    const auto& days = out["days"];
    for (const char* key : {"pm", "modpenman", "hargreaves", "max_sunshine"})
        ASSERT_EQ(days[key].size(), 365u) << key;
    for (int d : {1, 100, 196, 365}) {
        EXPECT_EQ(days["pm"][d - 1], engine->ET0PenmanMonteith.GetDay(d));
        EXPECT_EQ(days["modpenman"][d - 1], engine->ET0ModPenman.GetDay(d));
        EXPECT_EQ(days["hargreaves"][d - 1], engine->ET0Hargreaves.GetDay(d));
        EXPECT_EQ(days["max_sunshine"][d - 1], CalcMaxSunshine(engine->General, d));
    }
    // The general data's period (Month) is used without --period.
    const auto& periods = out["periods"];
    ASSERT_EQ(periods.size(), 12u);
    EXPECT_EQ(periods[1]["label"], "Feb (2)");
    EXPECT_EQ(periods[1]["first_day"], 32);
    EXPECT_EQ(periods[1]["days"], 28);
    EXPECT_EQ(periods[6]["pm_sum"], engine->ET0PenmanMonteith.MonthSum(7));
    EXPECT_EQ(periods[6]["hargreaves_mean"], engine->ET0Hargreaves.MonthAverage(7));
    for (const char* key : {"pm", "modpenman", "hargreaves"}) {
        double total = 0;
        for (const auto& p : periods) {
            total += p[std::string(key) + "_sum"].get<double>();
            EXPECT_NEAR(p[std::string(key) + "_mean"].get<double>() * p["days"].get<int>(),
                        p[std::string(key) + "_sum"].get<double>(), 1e-9);
        }
        EXPECT_NEAR(out["year"][key].get<double>(), total, 1e-9) << key;
    }
    EXPECT_EQ(out["year"]["pm"], engine->ET0PenmanMonteith.SumRange(1, 365));
}

TEST(CliEt0, EveryKindOfPeriod) {
    TProject project("Week");
    const json byDefault = Et0Json(project); // the general data say Week
    ASSERT_EQ(byDefault["periods"].size(), 52u);
    EXPECT_EQ(byDefault["periods"][51]["days"], 8);
    EXPECT_EQ(byDefault["periods"][51]["first_day"], 358);
    EXPECT_EQ(byDefault["periods"][1]["label"], "08/01 (2)");

    const json days = Et0Json(project, {"--period", "day"});
    ASSERT_EQ(days["periods"].size(), 365u);
    EXPECT_EQ(days["periods"][364]["pm_sum"], days["days"]["pm"][364]);
    EXPECT_EQ(days["periods"][364]["label"], "31/12 (365)");

    const json tens = Et0Json(project, {"--period", "10"});
    ASSERT_EQ(tens["periods"].size(), 36u);
    EXPECT_EQ(tens["periods"][35]["days"], 15);
    EXPECT_EQ(tens["periods"][35]["first_day"], 351);
    EXPECT_EQ(tens["periods"][1]["label"], "11/01 (2)");

    EXPECT_EQ(Et0Json(project, {"--period", "month"})["periods"].size(), 12u);
    EXPECT_EQ(Et0Json(project, {"--period", "365"})["periods"][0]["days"], 365);
}

TEST(CliEt0, CsvGivesThePeriodRowsAndTheYear) {
    TProject project;
    const json reference = Et0Json(project, {"--period", "week"});
    TRun run = Cli({"et0", project.gen, project.mtf, "--period", "week", "--format", "csv"});
    ASSERT_EQ(run.code, 0) << run.err;
    const auto lines = Lines(run.out);
    ASSERT_EQ(lines.size(), 1u + 52u + 1u);
    EXPECT_EQ(lines[0], "period,first_day,days,pm_mean,pm_sum,modpenman_mean,modpenman_sum,"
                        "hargreaves_mean,hargreaves_sum");
    const auto week52 = Fields(lines[52]);
    ASSERT_EQ(week52.size(), 9u);
    EXPECT_EQ(week52[0], "24/12 (52)");
    EXPECT_EQ(week52[1], "358");
    EXPECT_EQ(week52[2], "8");
    EXPECT_EQ(week52[4], FormatGeneral(reference["periods"][51]["pm_sum"].get<double>()));
    EXPECT_EQ(week52[8], FormatGeneral(reference["periods"][51]["hargreaves_sum"].get<double>()));
    const auto year = Fields(lines.back());
    EXPECT_EQ(year[0], "Year");
    EXPECT_EQ(year[2], "365");
    EXPECT_EQ(year[6], FormatGeneral(reference["year"]["modpenman"].get<double>()));
    EXPECT_EQ(year[5], FormatGeneral(reference["year"]["modpenman"].get<double>() / 365));
}

TEST(CliEt0, TextIsATableWithTwoDecimals) {
    TProject project;
    const json reference = Et0Json(project, {"--period", "month"});
    TRun run = Cli({"et0", project.gen, project.mtf, "--period", "month", "--format", "text"});
    ASSERT_EQ(run.code, 0) << run.err;
    const auto lines = Lines(run.out);
    ASSERT_EQ(lines.size(), 3u + 12u + 1u);
    EXPECT_NE(lines[0].find("per Month"), std::string::npos);
    for (const char* name : {"Penman - Monteith", "FAO Modified Penman", "Modified Hargreaves"})
        EXPECT_NE(lines[1].find(name), std::string::npos) << name;
    const std::string& july = lines[3 + 6];
    EXPECT_EQ(july.rfind("Jul (7)", 0), 0u);
    EXPECT_NE(july.find(" " + FormatFixed(reference["periods"][6]["pm_sum"].get<double>(), 2)),
              std::string::npos);
    EXPECT_EQ(lines.back().rfind("Year", 0), 0u);
    EXPECT_NE(lines.back().find(FormatFixed(reference["year"]["hargreaves"].get<double>(), 2)),
              std::string::npos);

    TRun tens = Cli({"et0", project.gen, project.mtf, "--period", "10", "--format", "text"});
    ASSERT_EQ(tens.code, 0);
    EXPECT_EQ(Lines(tens.out).size(), 3u + 36u + 1u);
    EXPECT_NE(tens.out.find("per 10 days"), std::string::npos);
}

TEST(CliEt0, UsageAndDataErrors) {
    TProject project;
    for (const char* period : {"0", "366", "abc", "7d", "-5", "Week"})
        EXPECT_EQ(Cli({"et0", project.gen, project.mtf, "--period", period}).code, 2) << period;
    EXPECT_EQ(Cli({"et0", project.gen, project.mtf, "--format", "xml"}).code, 2);
    EXPECT_EQ(Cli({"et0", project.gen}).code, 2);

    TRun missing = Cli({"et0", project.gen, project.dir.File("none.mtf")});
    EXPECT_EQ(missing.code, 1);
    EXPECT_NE(missing.err.find("No such file"), std::string::npos);

    const std::string whole = ReadBytes(project.mtf);
    WriteBytes(project.mtf, whole.substr(0, 2 + 11 * 366));
    TRun cut = Cli({"et0", project.gen, project.mtf});
    EXPECT_EQ(cut.code, 1);
    EXPECT_EQ(cut.err, "Error in procedure ReadData: Stream read error\n");
    EXPECT_TRUE(cut.out.empty());

    TProject polar("Month", 70); // polar night: no sunshine hours to divide by
    TRun night = Cli({"et0", polar.gen, polar.mtf});
    EXPECT_EQ(night.code, 1);
    EXPECT_EQ(night.err, "Error in procedure CalcET0: Floating point division by zero\n");
    EXPECT_TRUE(night.out.empty());
}
