#include "core/cNumberFormat.h"
#include "support/CliRun.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <cmath>
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

TEST(CliReport, NonIrrigatedTotalsHaveTheirColumnsDecimalsInTextAndCsvAndRawNumbersInJson) {
    const TRun csv = Report("Seville", {"--table", "nonirr", "--format", "csv"});
    ASSERT_EQ(csv.code, 0) << csv.err;
    auto cells = [](const std::string& line) {
        std::vector<std::string> out;
        std::istringstream stream(line);
        for (std::string cell; std::getline(stream, cell, ',');)
            out.push_back(cell);
        return out;
    };
    const auto lines = Lines(csv.out);
    ASSERT_EQ(lines.size(), 15u); // header, units, 12 months, totals
    const auto first = cells(lines[2]);
    const auto totals = cells(lines[14]);
    ASSERT_EQ(totals.size(), 7u);
    EXPECT_EQ(totals[0], "Total:");

    const TRun json = Report("Seville", {"--table", "nonirr", "--format", "json"});
    ASSERT_EQ(json.code, 0) << json.err;
    const auto j = nlohmann::json::parse(json.out)["tables"]["nonirr"];
    for (int c : {2, 3, 5, 6}) {
        SCOPED_TRACE(c);
        const std::size_t point = first[c].find('.');
        ASSERT_NE(point, std::string::npos);
        const int decimals = static_cast<int>(first[c].size() - point - 1);
        const double raw = j["totals"][c - 1].get<double>();
        EXPECT_EQ(totals[c], FormatFixed(raw, decimals)); // the raw sum, rounded as its column
        EXPECT_NE(raw, std::round(raw * 100) / 100);      // JSON keeps what the text rounds
    }
    EXPECT_EQ(j["groups"][0]["caption"], "Fallow area");
    EXPECT_EQ(j["groups"][0]["first_column"], 1);
    EXPECT_EQ(j["groups"][0]["last_column"], 3);

    // Text: the same totals, and "Fallow area" on the line over the header, over its columns.
    const TRun text = Report("Seville", {"--table", "nonirr"});
    ASSERT_EQ(text.code, 0) << text.err;
    const auto shown = Lines(text.out);
    std::size_t header = 0;
    while (header < shown.size() && shown[header].rfind("Period", 0) != 0)
        ++header;
    ASSERT_LT(header, shown.size());
    ASSERT_GT(header, 0u);
    const std::string& caption = shown[header - 1];
    const std::size_t at = caption.find("Fallow area");
    ASSERT_NE(at, std::string::npos);
    EXPECT_GT(at, shown[header].find("Non irrigated area") - 1);
    EXPECT_LT(at + 11, shown[header].find("ETp Permanent (1)"));
    std::string totalLine;
    for (const auto& line : shown)
        if (line.rfind("Total:", 0) == 0)
            totalLine = line;
    for (int c : {2, 3, 5, 6})
        EXPECT_NE(totalLine.find(" " + totals[c]), std::string::npos) << totals[c];
}

TEST(CliReport, APeriodOfDaysTakesTwoToThreeHundredSixtyFive) {
    for (const char* days : {"0", "1", "366", "400"}) {
        const TRun run = Report("Seville", {"--table", "et0", "--period", days});
        EXPECT_EQ(run.code, kExitUsage) << days;
        EXPECT_NE(run.err.find("Range: 2 <= Number of days <= 365"), std::string::npos) << days;
    }
    const TRun year = Report("Seville", {"--table", "et0", "--format", "csv", "--period", "365"});
    ASSERT_EQ(year.code, 0) << year.err;
    EXPECT_EQ(Lines(year.out).size(), 3u); // header, units, one period
}
