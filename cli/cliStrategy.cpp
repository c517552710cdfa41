#include "cli/cliStrategy.h"

#include "calc/uStrategyModel.h"
#include "calc/uStrategyProject.h"
#include "calc/uStrategyReport.h"
#include "cli/cliCommands.h"
#include "cli/cliJsonRecords.h"
#include "cli/cliProject.h"
#include "core/cFileIO.h"
#include "core/cGuiSettings.h"
#include "core/cNumberFormat.h"
#include "data/cAllData.h"

#include <CLI/CLI.hpp>

#include <ostream>

namespace {

constexpr TStrategyPage kPageOrder[] = {
    TStrategyPage::WaterBalance, TStrategyPage::DataInput, TStrategyPage::WaterBalanceStrategy,
    TStrategyPage::InputETa,     TStrategyPage::Soil,      TStrategyPage::WaterRequirementET,
    TStrategyPage::Comparison};

int MethodIndex(const std::string& method) {
    if (method == "pm")
        return 0;
    if (method == "modpenman")
        return 1;
    if (method == "hargreaves")
        return 2;
    return -1;
}

TJson ComparisonJson(const TStrategyModel& model, const TStrategy& s) {
    TJson months = TJson::array();
    const TStrategyGrid& comparison = model.Comparison();
    for (int m = 1; m <= 12; ++m) {
        const TStrategyOutcome outcome =
            OutcomeOfMonth(MonthValue(s.VcDF, m), MonthValue(s.VcET, m));
        months.push_back({{"Month", m},
                          {"Label", comparison.Cell(m, 0)},
                          {"P", model.Project().Precipitation[m - 1]},
                          {"DFCalc", MonthValue(s.DFCalc, m)},
                          {"DFUser", MonthValue(s.DFUser, m)},
                          {"GWChange", s.ChangeGWTableStrategy.GetMonth(m)},
                          {"VcDF", MonthValue(s.VcDF, m)},
                          {"ETp", model.ETpIrrigated().MonthSum(m)},
                          {"ETa", MonthValue(s.ETaIrrigated, m)},
                          {"DepthGW", MonthValue(s.DepthGWTable, m)},
                          {"GWContribution", MonthValue(s.GWContribution, m)},
                          {"VcET", MonthValue(s.VcET, m)},
                          {"Remark", comparison.Cell(m, ComparisonColumn::Remark)},
                          {"Selected", outcome.Selected},
                          {"Track", outcome.Track()}});
    }
    return {{"months", months},    {"DFsustainable", s.DFcrit},
            {"Ra", s.RaRatio},     {"Rd", s.DeliveryRatio},
            {"Rc", s.ConveyRatio}, {"FieldDataAvailable", s.FieldDataAvailable}};
}

// The comparison grid as shown: titles, unit headings, twelve months and the totals.
std::vector<std::vector<std::string>> ComparisonRows(const TStrategyModel& model) {
    const TStrategyGrid& grid = model.Comparison();
    std::vector<std::vector<std::string>> rows = {grid.Titles, grid.Headings};
    rows[0][0] = "Month";
    rows[1][0] = "";
    for (const auto& row : grid.Rows)
        rows.push_back(row);
    rows.push_back(grid.Total);
    return rows;
}

void WriteCsv(const std::vector<std::vector<std::string>>& rows, std::ostream& out) {
    for (const auto& row : rows) {
        for (std::size_t i = 0; i < row.size(); ++i) {
            std::string cell = row[i];
            if (cell.find_first_of(",\"") != std::string::npos) {
                std::string quoted = "\"";
                for (char c : cell)
                    quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
                cell = quoted + "\"";
            }
            out << (i ? "," : "") << cell;
        }
        out << '\n';
    }
}

void WriteText(const std::vector<std::vector<std::string>>& rows, std::ostream& out) {
    std::vector<std::size_t> widths;
    for (const auto& row : rows)
        for (std::size_t i = 0; i < row.size(); ++i) {
            widths.resize(std::max(widths.size(), row.size()));
            widths[i] = std::max(widths[i], row[i].size());
        }
    for (const auto& row : rows) {
        std::string line;
        for (std::size_t i = 0; i < row.size(); ++i)
            line += (i ? "  " : "") + row[i] + std::string(widths[i] - row[i].size(), ' ');
        while (!line.empty() && line.back() == ' ')
            line.pop_back();
        out << line << '\n';
    }
}

} // namespace

CLI::App* AddStrategyCommand(CLI::App& app, TStrategyOptions& options) {
    auto* strategy = app.add_subcommand(
        "strategy", "Walk a water-management strategy to its comparison of requirements");
    strategy->add_option("GEN", options.General, "general data file (.gen)")->required();
    strategy->add_option("MTF", options.Meteo, "meteo data file (.mtf)")->required();
    strategy->add_option("PAT", options.Pattern, "cropping pattern file (.pat)")->required();
    strategy->add_option("STR", options.Strategy, "strategy file (.str)")->required();
    strategy->add_option("--method", options.Method, "ET0 method")
        ->check(CLI::IsMember({"pm", "modpenman", "hargreaves"}));
    strategy->add_option("--format", options.Format, "output format")
        ->check(CLI::IsMember({"json", "csv", "text"}));
    strategy->add_flag("--text-report", options.TextReport,
                       "print the strategy report as plain text");
    strategy->add_option("--rtf", options.Rtf, "write the strategy report as RTF");
    return strategy;
}

int RunStrategy(const TStrategyOptions& options, std::ostream& out, std::ostream& err) {
    const int method = MethodIndex(options.Method);
    if (method < 0 ||
        (options.Format != "json" && options.Format != "csv" && options.Format != "text")) {
        err << "Unknown --method or --format\n";
        return kExitUsage;
    }
    TAllData data;
    if (!LoadDataFile(data.General, options.General, err) ||
        !LoadDataFile(data.Meteo, options.Meteo, err) ||
        !LoadDataFile(data.CropPattern, options.Pattern, err) ||
        !LoadDataFile(data.Strategy, options.Strategy, err))
        return kExitBadData;

    try {
        // Opened as the window opens: the record shown, the first page active, the method
        // chosen; then every page once in order, ending on the comparison.
        TStrategyModel model(
            data.Strategy, data.GuiSettings, [&data](int m) { return StrategyProjectOf(data, m); },
            FileNamePart(data.General.FileName));
        model.ShowRecord();
        model.Activate();
        if (method != 0)
            model.SetMethod(method);
        for (TStrategyPage page : kPageOrder)
            model.ShowPage(page);

        if (options.TextReport || !options.Rtf.empty()) {
            TReportBuilder report;
            if (!WriteStrategyReport(StrategyReportHeader(data), StrategyReportTexts(model),
                                     report))
                return kExitBadData;
            if (!options.Rtf.empty())
                SaveFileAtomically(options.Rtf, ReportToRtf(report.Lines()));
            if (options.TextReport) {
                out << ReportToPlainText(report.Lines());
                return kExitOk;
            }
        }
        if (options.Format == "json")
            out << ComparisonJson(model, data.Strategy).dump(2) << '\n';
        else if (options.Format == "csv")
            WriteCsv(ComparisonRows(model), out);
        else
            WriteText(ComparisonRows(model), out);
    } catch (const std::exception& e) {
        err << e.what() << '\n';
        return kExitBadData;
    }
    return kExitOk;
}
