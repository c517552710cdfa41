#include "core/cValueStream.h"
#include "data/cGeneral.h"
#include "support/CliRun.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <filesystem>
#include <sstream>
#include <vector>

TEST(CliShowMake, GeneralFileRoundTrips) {
    TTempDir dir;
    WriteBytes(dir.File("in.json"), R"({"Country": "Spain", "Region": "Sevilla",
        "Hemisphere": "North", "Latitude": 37.25, "Altitude": 34, "IrrigableArea": 1000,
        "GrossArea": 1200, "CalcPeriod": "Month", "MeanDepth": 75, "ApplInterval": 10})");
    TRun make = Cli({"make", dir.File("in.json"), dir.File("site.gen")});
    ASSERT_EQ(make.code, 0) << make.err;
    TRun show = Cli({"show", dir.File("site.gen")});
    ASSERT_EQ(show.code, 0) << show.err;
    const auto json = nlohmann::json::parse(show.out);
    EXPECT_EQ(json["Country"], "Spain");
    EXPECT_EQ(json["Latitude"], 37.25);
    EXPECT_EQ(json["FixedPercent"], 40); // cleared default
    EXPECT_EQ(json["Version"], 2);
    // What show prints, make takes back, byte for byte the same file.
    WriteBytes(dir.File("again.json"), show.out);
    ASSERT_EQ(Cli({"make", dir.File("again.json"), dir.File("again.gen")}).code, 0);
    EXPECT_EQ(ReadBytes(dir.File("again.gen")), ReadBytes(dir.File("site.gen")));
}

TEST(CliShowMake, SettingsFile) {
    TTempDir dir;
    WriteBytes(dir.File("s.json"), R"({"AreaUnit": 1, "VelocityUnit": 2})");
    ASSERT_EQ(Cli({"make", dir.File("s.json"), dir.File("quelta.INI")}).code, 0);
    EXPECT_EQ(ReadBytes(dir.File("quelta.INI")), Bytes({2, 0, 2, 1, 2, 2, 2, 0, 2, 0, 2, 0}));
    TRun show = Cli({"show", dir.File("quelta.INI")});
    ASSERT_EQ(show.code, 0);
    EXPECT_EQ(nlohmann::json::parse(show.out)["VelocityUnit"], 2);
}

TEST(CliShowMake, DamagedFileGivesExitOneAndTheMessage) {
    TTempDir dir;
    WriteBytes(dir.File("in.json"), R"({"Country": "Spain"})");
    ASSERT_EQ(Cli({"make", dir.File("in.json"), dir.File("a.gen")}).code, 0);
    const std::string whole = ReadBytes(dir.File("a.gen"));
    WriteBytes(dir.File("a.gen"), whole.substr(0, whole.size() / 2));
    TRun show = Cli({"show", dir.File("a.gen")});
    EXPECT_EQ(show.code, 1);
    EXPECT_EQ(show.err, "Error in procedure ReadData: Stream read error\n");
    EXPECT_TRUE(show.out.empty());
    EXPECT_EQ(Cli({"show", dir.File("none.gen")}).code, 1);
}

TEST(CliShowMake, BadJsonChangesNoFile) {
    TTempDir dir;
    WriteBytes(dir.File("in.json"), R"({"Country": "Spain"})");
    ASSERT_EQ(Cli({"make", dir.File("in.json"), dir.File("a.gen")}).code, 0);
    const std::string before = ReadBytes(dir.File("a.gen"));
    for (const char* bad : {R"({"Country": 5})", R"({"Contry": "x"})", "[1, 2]", "{not json"}) {
        WriteBytes(dir.File("bad.json"), bad);
        TRun make = Cli({"make", dir.File("bad.json"), dir.File("a.gen")});
        EXPECT_EQ(make.code, 1) << bad;
        EXPECT_FALSE(make.err.empty()) << bad;
        EXPECT_EQ(ReadBytes(dir.File("a.gen")), before) << bad;
    }
    // A field whose name starts with "_" is a note, written nowhere.
    WriteBytes(dir.File("noted.json"),
               R"({"_source": ["made up", "for a test"], "Country": "Spain"})");
    ASSERT_EQ(Cli({"make", dir.File("noted.json"), dir.File("b.gen")}).code, 0);
    EXPECT_EQ(ReadBytes(dir.File("b.gen")), before);
}

TEST(CliShowMake, UsageErrors) {
    EXPECT_EQ(Cli({}).code, 2);
    EXPECT_EQ(Cli({"show"}).code, 2);
    EXPECT_EQ(Cli({"frobnicate"}).code, 2);
    EXPECT_EQ(Cli({"show", "file.xyz"}).code, 2);
}

// --help and --version in the usual form: on stdout, exit 0, whatever else is missing.
TEST(CliShowMake, HelpAndVersion) {
    const TRun help = Cli({"--help"});
    EXPECT_EQ(help.code, 0);
    EXPECT_NE(help.out.find("Usage: quelta-cli"), std::string::npos) << help.out;
    for (const char* command : {"show", "make", "et0", "report", "strategy", "schedule"})
        EXPECT_NE(help.out.find(command), std::string::npos) << command;
    EXPECT_NE(help.out.find("--version"), std::string::npos);
    const TRun version = Cli({"--version"});
    EXPECT_EQ(version.code, 0);
    EXPECT_EQ(version.out, std::string("quelta-cli ") + QUELTA_VERSION + "\n");
    EXPECT_TRUE(version.err.empty());
    EXPECT_EQ(Cli({"report", "--help"}).code, 0);
}

TEST(CliShowMake, StrategyFileRoundTrips) {
    TTempDir dir;
    WriteBytes(dir.File("s.json"), R"({"FieldDataAvailable": false, "DFcrit": 0.55,
        "SoilType": "Loam", "FlowRegime": 1, "GeneralFileName": "SITE.GEN",
        "DFUser": [0.1, 0.2, 0.3, 0.4, 0.5, 0.6, 0.7, 0.8, 0.9, 1, 0.5, 0.5]})");
    TRun make = Cli({"make", dir.File("s.json"), dir.File("plan.str")});
    ASSERT_EQ(make.code, 0) << make.err;
    EXPECT_EQ(ReadBytes(dir.File("plan.str")).substr(0, 6), Bytes({2, 1, 8, 8, 2, 0}));
    TRun show = Cli({"show", dir.File("plan.str")});
    ASSERT_EQ(show.code, 0) << show.err;
    const auto json = nlohmann::json::parse(show.out);
    EXPECT_EQ(json["SoilType"], "Loam");
    EXPECT_EQ(json["DFUser"].size(), 365u);
    EXPECT_EQ(json["DFUser"][40], 0.2);  // February
    EXPECT_FALSE(json.contains("VcDF")); // work series are not part of the file
    WriteBytes(dir.File("again.json"), show.out);
    ASSERT_EQ(Cli({"make", dir.File("again.json"), dir.File("again.str")}).code, 0);
    EXPECT_EQ(ReadBytes(dir.File("again.str")), ReadBytes(dir.File("plan.str")));
}

TEST(CliShowMake, ExampleStrategiesAreBuilt) {
    for (const char* name : {"Seville-field-data", "Seville-no-field-data"}) {
        TRun show =
            Cli({"show", std::string(QUELTA_BINARY_DIR) + "/app/Strategy/" + name + ".str"});
        ASSERT_EQ(show.code, 0) << show.err;
        const auto json = nlohmann::json::parse(show.out);
        EXPECT_EQ(json["GeneralFileName"], "Seville.gen");
        EXPECT_EQ(json["FieldDataAvailable"], std::string(name) == "Seville-field-data");
        EXPECT_GT(json["ETaIrrigated"][200].get<double>(), 0);
    }
}

TEST(CliShowMake, CropFactorAndPatternFilesRoundTrip) {
    TTempDir dir;
    WriteBytes(dir.File("crop.json"), R"({"Description": "Maize", "StandardKc": true,
        "Kc1": [0.3, 0], "Kc2": [0.75, 0], "Kc3": [1.2, 1.2], "Kc4": [0.6, 0.6],
        "RootingDepth": 1.35, "StageLength": [30, 40, 50, 30]})");
    ASSERT_EQ(Cli({"make", dir.File("crop.json"), dir.File("Maize.udc")}).code, 0);
    TRun crop = Cli({"show", dir.File("Maize.udc")});
    ASSERT_EQ(crop.code, 0) << crop.err;
    EXPECT_EQ(nlohmann::json::parse(crop.out)["StageLength"], nlohmann::json({30, 40, 50, 30}));
    WriteBytes(dir.File("again.json"), crop.out);
    ASSERT_EQ(Cli({"make", dir.File("again.json"), dir.File("Maize.crp")}).code, 0);
    EXPECT_EQ(ReadBytes(dir.File("Maize.crp")), ReadBytes(dir.File("Maize.udc")));

    WriteBytes(dir.File("pat.json"), R"({"KcFallow": 0.3, "KcPermanent": 0.5, "Lines": [
        {"Area": 60, "PlantingDay": 100, "CropFileName": ")" +
                                         dir.File("Maize.udc") + R"("}]})");
    ASSERT_EQ(Cli({"make", dir.File("pat.json"), dir.File("a.pat")}).code, 0);
    TRun pattern = Cli({"show", dir.File("a.pat")});
    ASSERT_EQ(pattern.code, 0) << pattern.err;
    const auto json = nlohmann::json::parse(pattern.out);
    EXPECT_EQ(json["KcPermanent"], 0.5);
    ASSERT_EQ(json["Lines"].size(), 1u);
    EXPECT_EQ(json["Lines"][0]["Area"], 60);
    EXPECT_EQ(json["Lines"][0]["CropFileName"], dir.File("Maize.udc"));
    WriteBytes(dir.File("again.json"), pattern.out);
    ASSERT_EQ(Cli({"make", dir.File("again.json"), dir.File("b.pat")}).code, 0);
    EXPECT_EQ(ReadBytes(dir.File("b.pat")), ReadBytes(dir.File("a.pat")));
}

TEST(CliShowMake, PatternJsonOfTheWrongShapeIsRefused) {
    TTempDir dir;
    std::string many = R"({"Lines": [)";
    for (int i = 0; i < 41; ++i)
        many += std::string(i ? "," : "") + R"({"Area": 1})";
    many += "]}";
    for (const std::string& bad :
         {std::string(R"({"Lines": [{"Area": 1, "Colour": 2}]})"),
          std::string(R"({"Lines": {"Area": 1}})"), std::string(R"({"Lines": [5]})"), many}) {
        WriteBytes(dir.File("bad.json"), bad);
        TRun make = Cli({"make", dir.File("bad.json"), dir.File("a.pat")});
        EXPECT_EQ(make.code, 1) << bad;
        EXPECT_FALSE(make.err.empty()) << bad;
    }
    EXPECT_FALSE(std::filesystem::exists(dir.File("a.pat")));
}
