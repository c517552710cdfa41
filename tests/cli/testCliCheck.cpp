#include "support/CliRun.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <vector>

namespace {

using nlohmann::json;

// Data files written with make, as a user of the command line would build them.
struct TFiles {
    TTempDir dir;

    std::string Make(const std::string& name, const json& fields) {
        const std::string path = dir.File(name);
        WriteBytes(path + ".json", fields.dump());
        const TRun run = Cli({"make", path + ".json", path});
        EXPECT_EQ(run.code, 0) << run.err;
        return path;
    }

    std::string General(const std::string& name, double latitude = 37.25, double irrigable = 1000) {
        return Make(name, {{"Hemisphere", "North"},
                           {"Latitude", latitude},
                           {"Altitude", 30},
                           {"IrrigableArea", irrigable},
                           {"GrossArea", 1200},
                           {"CalcPeriod", "Month"},
                           {"MeanDepth", 75},
                           {"ApplInterval", 10},
                           {"FixedPercent", 40}});
    }

    // A valid year with a winter sunshine of sunshineJan hours and the January Tmin given.
    std::string Meteo(const std::string& name, double sunshineJan, double tminJan = 5) {
        return Make(name, {{"WindHeight", 2},
                           {"Tmin", {tminJan, 5, 7, 9, 13, 17, 19, 19, 16, 12, 8, 5}},
                           {"Tmax", {16, 18, 21, 23, 28, 33, 36, 35, 31, 25, 20, 16}},
                           {"Precipitation", {70, 60, 55, 50, 30, 10, 0, 5, 20, 60, 80, 95}},
                           {"Sunshine", {sunshineJan, 6, 7, 8, 10, 11, 12, 11, 9, 7, 6, 5}},
                           {"RHmean", {75, 70, 65, 60, 55, 48, 45, 47, 55, 65, 72, 77}},
                           {"RHmax", std::vector<double>(12, 0)},
                           {"WindSpeed", std::vector<double>(12, 2)},
                           {"WindRatio", std::vector<double>(12, 2)}});
    }

    std::string Crop(const std::string& name, double kc3) {
        return Make(name, {{"Description", "test crop"},
                           {"Kc1", {0.4, 0}},
                           {"Kc3", {kc3, 0}},
                           {"Kc4", {0.6, 0}},
                           {"RootingDepth", 1},
                           {"StageLength", {30, 40, 50, 30}}});
    }
};

} // namespace

// One line per value out of range with file, field, period, value and the accepted range; a
// file without faults says so; exit 1 when anything is out of range.
TEST(CliCheck, NamesEveryValueOutOfRangeOneLineEach) {
    TFiles f;
    const std::string gen = f.General("site.gen");
    const std::string mtf = f.Meteo("site.mtf", 11); // January at 37 N has under 10 hours of day
    const std::string udc = f.Crop("maize.udc", 2.2);
    const TRun run = Cli({"check", mtf, gen, udc});
    EXPECT_EQ(run.code, 1) << run.err;
    EXPECT_EQ(run.out, mtf +
                           ": Sunshine, Jan (1): 11.0 (Range: 0 <= Sunshine <= maximum possible "
                           "sunshine hours related to latitude)\n" +
                           gen + ": all values in range\n" + udc +
                           ": Kc,3: 2.20 (Range: 0 < Kc <= 2)\n");
}

// Without a .gen the sunshine limit is unknown: the output says so, and the rest is checked.
TEST(CliCheck, WithoutGeneralDataSunshineIsNotChecked) {
    TFiles f;
    const std::string mtf = f.Meteo("site.mtf", 11);
    const TRun run = Cli({"check", mtf});
    EXPECT_EQ(run.code, 0) << run.err;
    EXPECT_EQ(run.out, mtf +
                           ": note: sunshine not checked: no general data file (.gen) among the "
                           "files gives the latitude\n" +
                           mtf + ": all values in range\n");
}

TEST(CliCheck, JsonListsTheSameAndUnreadableFiles) {
    TFiles f;
    const std::string gen = f.General("site.gen", 37.25, 1300); // irrigable above gross
    const std::string broken = f.dir.File("broken.mtf");
    WriteBytes(broken, Bytes({0x02, 0x00}));
    const TRun run = Cli({"check", gen, broken, "--format", "json", "--units", "imperial"});
    EXPECT_EQ(run.code, 1);
    const json j = json::parse(run.out);
    ASSERT_EQ(j["out_of_range"].size(), 1u);
    EXPECT_EQ(j["out_of_range"][0],
              json({{"file", gen},
                    {"field", "Size of irrigable area"},
                    {"period", ""},
                    {"value", "3211.0"},
                    {"range", "Range: 1 < Irrigable area <= 2470000 ac and Irrigable area <= "
                              "Gross area"}}));
    ASSERT_EQ(j["unreadable"].size(), 1u);
    EXPECT_EQ(j["unreadable"][0]["file"], broken);
    EXPECT_EQ(j["unreadable"][0]["error"], "Error in procedure ReadData: Stream read error");
}

TEST(CliCheck, ExitCodes) {
    TFiles f;
    const std::string gen = f.General("site.gen");
    struct TCase {
        std::vector<std::string> args;
        int code;
    };
    const TCase cases[] = {
        {{"check", gen}, 0},
        {{"check", f.dir.File("missing.gen")}, 1},
        {{"check"}, 2},
        {{"check", f.dir.File("notes.txt")}, 2},
        {{"check", gen, "--format", "xml"}, 2},
    };
    for (const TCase& k : cases)
        EXPECT_EQ(Cli(k.args).code, k.code) << k.args.back();
}

// A continental site: a January Tmin of -15 °C is in range; -51 °C is not.
TEST(CliCheck, ContinentalSiteIsInRange) {
    TFiles f;
    const std::string gen = f.General("site.gen");
    const std::string mtf = f.Meteo("site.mtf", 5, -15);
    EXPECT_EQ(Cli({"check", gen, mtf}).code, 0);
    const std::string tooCold = f.Meteo("cold.mtf", 5, -51);
    const TRun cold = Cli({"check", gen, tooCold});
    EXPECT_EQ(cold.code, 1);
    EXPECT_EQ(cold.out, gen + ": all values in range\n" + tooCold +
                            ": Tmin, Jan (1): -51.0 (Range: -50 <= Temperature <= 55 and Tmin < "
                            "Tmax °C)\n");
}

// The example projects as the sources give them pass every range rule, their cropped area
// included.
TEST(CliCheck, ExampleProjectsAreInRange) {
    const std::string app = std::string(QUELTA_BINARY_DIR) + "/examples/";
    for (const char* name : {"Seville", "Cairo", "Bangkok"}) {
        const std::string site = name;
        const TRun run = Cli({"check", app + "General/" + site + ".gen",
                              app + "Meteo/" + site + ".mtf", app + "Pattern/" + site + ".pat"});
        EXPECT_EQ(run.code, 0) << run.out << run.err;
    }
}

// Schedules and soils are checked by the schedule window's rules, every broken one on its line;
// the example schedule and every soil of the supplied library pass them.
TEST(CliCheck, SchedulesAndSoils) {
    TFiles f;
    const json soil = {{"Description", "Odd"},  {"FieldCapacity", 0.25},
                       {"WiltingPoint", 0.3},   {"AvailableWaterGiven", false},
                       {"AvailableWater", 0},   {"InfiltrationRate", 0},
                       {"InitialDepletion", 20}};
    const std::string soi = f.Make("odd.soi", soil);
    const std::string sch = f.Make("odd.sch", {{"CropFileName", "Maize.crp"},
                                               {"PlantingDay", 105},
                                               {"DepletionFraction", 0.55},
                                               {"KySeason", 1.25},
                                               {"KyStage", {0.4, 0.4, 2.5, 0.2}},
                                               {"Timing", 2},
                                               {"TimingPercentOfRAW", 100},
                                               {"TimingInterval", 0},
                                               {"TimingDepletion", 0},
                                               {"Application", 2},
                                               {"ApplicationDepth", 60},
                                               {"RoomForRain", 10},
                                               {"Efficiency", 65},
                                               {"Soil", soil}});
    const TRun run = Cli({"check", soi, sch});
    EXPECT_EQ(run.code, 1) << run.err;
    const std::string wp = ": Wilting point: 0.3 (Range: 0 <= Wilting point <= 1 m3/m3 and "
                           "Wilting point < Field capacity)\n";
    const std::string infiltration =
        ": Rain infiltration: 0.0 (Range: 0 < Rain infiltration <= 10000.0 mm per day)\n";
    EXPECT_EQ(run.out, soi + wp + soi + infiltration + sch + wp + sch + infiltration + sch +
                           ": Ky of the stages, mid-season: 2.5 (Range: 0 <= Ky <= 2)\n" + sch +
                           ": Depletion that starts an irrigation: 0.0 (Range: 0 < Depletion <= "
                           "10000.0 mm)\n");

    std::vector<std::string> good = {"check", std::string(QUELTA_BINARY_DIR) +
                                                  "/app/Schedule/Seville-maize.sch"};
    for (const char* name : {"Sand", "LoamySand", "SandyLoam", "Loam", "SiltLoam", "Silt",
                             "SiltyClayLoam", "SiltyClay", "Clay"})
        good.push_back(std::string(QUELTA_BINARY_DIR) + "/app/Soil/" + name + ".soi");
    const TRun library = Cli(good);
    EXPECT_EQ(library.code, 0) << library.out << library.err;
}
