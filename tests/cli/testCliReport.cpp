#include "core/cNumberFormat.h"
#include "support/CliRun.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <sstream>
#include <vector>

namespace {

// The example projects the build installs into the desktop program's folder.
std::vector<std::string> Project(const std::string& name) {
    const std::string app = std::string(QUELTA_BINARY_DIR) + "/app/";
    return {"report", app + "General/" + name + ".gen", app + "Meteo/" + name + ".mtf",
            app + "Pattern/" + name + ".pat"};
}

TRun Report(const std::string& name, std::vector<std::string> options) {
    std::vector<std::string> args = Project(name);
    args.insert(args.end(), options.begin(), options.end());
    return Cli(args);
}

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream stream(text);
    for (std::string line; std::getline(stream, line);)
        lines.push_back(line);
    return lines;
}

} // namespace

TEST(CliReport, TextShowsEveryTableOfTheExample) {
    const TRun run = Report("Seville", {});
    ASSERT_EQ(run.code, 0) << run.err;
    EXPECT_EQ(run.err, "");
    for (const char* caption : {"Reference Evapotranspiration", "Kc Values", "Cropped Area",
                                "Potential Evapotranspiration", "Irrigation Water Requirements",
                                "Evapotranspiration non irrigated area"})
        EXPECT_NE(run.out.find(std::string(caption) + "\n"), std::string::npos) << caption;
    EXPECT_NE(run.out.find("Maize"), std::string::npos);
}

TEST(CliReport, CsvGivesTheCellsOfTheWaterRequirementsTable) {
    const TRun all = Report("Seville", {"--table", "iwr", "--format", "csv"});
    ASSERT_EQ(all.code, 0) << all.err;
    const auto lines = Lines(all.out);
    ASSERT_EQ(lines.size(), 15u); // header, units, 12 months (USDA), totals
    EXPECT_EQ(lines[0], "Period,Total cropped,Total ETp,Pe,ETp - Pe (1)");
    EXPECT_EQ(lines[1], "(Month),area (ha),m3 * 10^3,m3 * 10^3,m3 * 10^3");
    EXPECT_EQ(lines[2].substr(0, 8), "Jan (1),");
    EXPECT_EQ(lines[14].substr(0, 8), "Total:,,");

    const TRun one = Report("Seville", {"--table", "iwr", "--format", "csv", "--crop", "1"});
    ASSERT_EQ(one.code, 0) << one.err;
    EXPECT_EQ(Lines(one.out)[0], "Period,Total cropped,Total ETp,Pe,ETp - Pe (1),ETp - Pe (2)");

    const TRun imperial =
        Report("Seville", {"--table", "iwr", "--format", "csv", "--units", "imperial"});
    EXPECT_EQ(Lines(imperial.out)[1], "(Month),area (ac),acrft * 10^3,acrft * 10^3,acrft * 10^3");
}

TEST(CliReport, JsonHoldsRawNumbersOfTheShownCells) {
    const TRun json = Report("Seville", {"--format", "json", "--period", "week"});
    ASSERT_EQ(json.code, 0) << json.err;
    const auto j = nlohmann::json::parse(json.out);
    EXPECT_FALSE(j["area_check"]["exceeded"].get<bool>());
    EXPECT_TRUE(j["area_check"]["months"].empty());
    const auto& tables = j["tables"];
    for (const char* name : {"et0", "kc", "area", "etc", "iwr", "nonirr"})
        EXPECT_TRUE(tables.contains(name)) << name;
    EXPECT_EQ(tables["et0"]["rows"].size(), 52u);
    EXPECT_EQ(tables["iwr"]["rows"].size(), 12u); // USDA: months
    EXPECT_EQ(tables["kc"]["rows"][0]["label"], "  Area (ha)");
    EXPECT_EQ(tables["etc"]["rows"].back()["label"], "Total:");

    // The same cells as text: each number rounds to the csv cell.
    const TRun csv = Report("Seville", {"--table", "et0", "--format", "csv", "--period", "week"});
    const auto lines = Lines(csv.out);
    const auto& rows = tables["et0"]["rows"];
    for (int r = 0; r < 52; ++r) {
        const double sum = rows[r]["values"][1].get<double>();
        EXPECT_EQ(lines[2 + r], rows[r]["label"].get<std::string>() + "," +
                                    FormatFixed(rows[r]["values"][0].get<double>(), 1) + "," +
                                    FormatFixed(sum, 1));
    }
    // Empty cells are null: the winter months of the Kc table hold no maize.
    const auto& kc = tables["kc"];
    EXPECT_EQ(kc["header"][1], "Crop coefficients, Kc, during growing Period");
    EXPECT_TRUE(kc["rows"][1]["values"][0].is_null());
}

TEST(CliReport, CurveNumberOnlyWhereTheGeneralDataOfferIt) {
    const TRun refused = Report("Seville", {"--table", "iwr", "--rain", "cn"});
    EXPECT_EQ(refused.code, kExitUsage);
    EXPECT_NE(refused.err.find("Curve Number Method"), std::string::npos);

    // The Bangkok example with a daily period and the Curve Number method chosen: heavy clay,
    // soil group D, row crops straight row poor.
    TTempDir dir;
    const std::vector<std::string> bangkok = Project("Bangkok");
    auto general = nlohmann::json::parse(Cli({"show", bangkok[1]}).out);
    general["CalcPeriod"] = "Day";
    general["UseCurveNumber"] = true;
    WriteBytes(dir.File("daily.json"), general.dump());
    ASSERT_EQ(Cli({"make", dir.File("daily.json"), dir.File("daily.gen")}).code, 0);
    const TRun daily = Cli({"report", dir.File("daily.gen"), bangkok[2], bangkok[3], "--table",
                            "iwr", "--rain", "cn", "--format", "json"});
    ASSERT_EQ(daily.code, 0) << daily.err;
    const auto j = nlohmann::json::parse(daily.out);
    EXPECT_EQ(j["tables"]["iwr"]["rows"].size(), 365u);
    EXPECT_EQ(j["tables"]["iwr"]["notes"][0], "Selected Curve Number: 91");
}

TEST(CliReport, TextReportAndRtf) {
    TTempDir dir;
    const TRun run = Report("Seville", {"--text-report", "--rtf", dir.File("cwr.rtf")});
    ASSERT_EQ(run.code, 0) << run.err;
    const auto lines = Lines(run.out);
    ASSERT_GT(lines.size(), 40u);
    EXPECT_EQ(lines[0], "Irrigation Water Requirements");
    EXPECT_EQ(lines[2], "Country                      Spain");
    EXPECT_EQ(lines.back(), "End of report.");
    EXPECT_NE(run.out.find("Calculated output period    : months"), std::string::npos);
    const std::string rtf = ReadBytes(dir.File("cwr.rtf"));
    EXPECT_EQ(rtf.rfind("{\\rtf1", 0), 0u);
    EXPECT_NE(rtf.find("\\b Irrigation Water Requirements\\b0\\par"), std::string::npos);
    EXPECT_NE(rtf.find("End of report."), std::string::npos);
}

TEST(CliReport, BadInputAndUsage) {
    TTempDir dir;
    const TRun missing =
        Cli({"report", dir.File("no.gen"), dir.File("no.mtf"), dir.File("no.pat")});
    EXPECT_EQ(missing.code, kExitBadData);
    EXPECT_NE(missing.err.find("no.gen"), std::string::npos);
    EXPECT_EQ(Report("Seville", {"--crop", "9"}).code, kExitUsage);
    EXPECT_EQ(Report("Seville", {"--period", "1"}).code, kExitUsage);
    EXPECT_EQ(Report("Seville", {"--format", "xml"}).code, kExitUsage);
    const TRun tenDays = Report("Seville", {"--table", "et0", "--format", "csv", "--period", "10"});
    ASSERT_EQ(tenDays.code, 0) << tenDays.err;
    EXPECT_EQ(Lines(tenDays.out).size(), 38u);
}
