#include "cli/cliReport.h"

#include "calc/uCurveNumber.h"
#include "calc/uReportModel.h"
#include "cli/cliCommands.h"
#include "cli/cliProject.h"
#include "core/cCsv.h"
#include "core/cError.h"
#include "core/cFileIO.h"
#include "core/cNumberFormat.h"
#include "data/cAllData.h"

#include <CLI/CLI.hpp>
#include <nlohmann/json.hpp>

#include <algorithm>
#include <ostream>
#include <stdexcept>

namespace {

using TJson = nlohmann::json;
using K = TReportTableKind;

// A usage error found after parsing: a choice that these data do not offer.
class TUsageError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

struct TTableName {
    const char* Name;
    TReportTableKind Kind;
};
constexpr TTableName kTableNames[] = {{"et0", K::ReferenceET},       {"kc", K::KcValues},
                                      {"area", K::CroppedArea},      {"etc", K::PotentialET},
                                      {"iwr", K::WaterRequirements}, {"nonirr", K::NonIrrigated}};

std::string NameOf(TReportTableKind kind) {
    for (const auto& t : kTableNames)
        if (t.Kind == kind)
            return t.Name;
    return "";
}

bool LoadProject(const TReportOptions& o, TAllData& data, std::ostream& err) {
    data.General.Clear();
    data.Meteo.Clear();
    data.CropPattern.Clear();
    if (!LoadDataFile(data.General, o.GeneralFile, err) ||
        !LoadDataFile(data.Meteo, o.MeteoFile, err) ||
        !LoadDataFile(data.CropPattern, o.PatternFile, err))
        return false;
    SetDerivedGeneralValues(data.General);
    ApplyUnitsOption(o.Units, data.GuiSettings);
    return true;
}

void ApplyPeriod(const std::string& period, TReportModel& model) {
    if (period.empty())
        return;
    const std::vector<std::string> names = {"day", "week", "month"};
    const auto named = std::find(names.begin(), names.end(), period);
    if (named != names.end()) {
        model.SelectPeriod(static_cast<int>(named - names.begin()));
        return;
    }
    int days = 0;
    try {
        days = TextToInt(period);
    } catch (const TQueltaError&) {
    }
    if (!model.SetDays(days))
        throw TUsageError("--period takes day, week, month or a number of days: " +
                          std::string(kReportDaysHint));
}

// The IWR selections: crop and effective-rainfall method, as positions in the model's lists.
void ApplyWaterRequirementChoices(const TReportOptions& o, TReportModel& model) {
    const int crops = static_cast<int>(model.CropList().size());
    const bool hasAll = crops > 1;
    int cropEntry = 0;
    if (o.Crop != "all") {
        int crop = 0;
        try {
            crop = TextToInt(o.Crop);
        } catch (const TQueltaError&) {
        }
        const int count = hasAll ? crops - 1 : crops;
        if (crop < 1 || crop > count)
            throw TUsageError("--crop takes all or a crop number from 1 to " +
                              std::to_string(count));
        cropEntry = hasAll ? crop : crop - 1;
    }
    const TRainfallMethod rain = o.Rain == "cn"      ? TRainfallMethod::CurveNumber
                                 : o.Rain == "fixed" ? TRainfallMethod::Fixed
                                                     : TRainfallMethod::Usda;
    const auto& list = model.RainfallList();
    const auto entry = std::find(list.begin(), list.end(), RainfallMethodName(rain));
    if (entry == list.end())
        throw TUsageError("The general data do not offer the \"" + RainfallMethodName(rain) +
                          "\" here (Curve Number: chosen and a daily period; fixed %: chosen)");
    if (cropEntry != model.CropEntry())
        model.SelectCrop(cropEntry);
    if (entry - list.begin() != model.RainfallEntry())
        model.SelectRainfallMethod(static_cast<int>(entry - list.begin()));
}

TJson OptionalNumber(const std::optional<double>& value) {
    return value ? TJson(*value) : TJson(nullptr);
}

TJson TableJson(const TReportTable& t) {
    TJson j;
    j["caption"] = t.Caption;
    j["header"] = t.Header;
    TJson units = TJson::array();
    for (int c = 0; c < t.Columns(); ++c)
        units.push_back(t.Grid[0][c].Text);
    j["units"] = units;
    TJson rows = TJson::array();
    for (int r = 1; r < t.Rows(); ++r) {
        TJson values = TJson::array();
        for (int c = 1; c < t.Columns(); ++c)
            values.push_back(OptionalNumber(t.ShownValue(r, c)));
        rows.push_back({{"label", t.Grid[r][0].Text}, {"values", values}});
    }
    j["rows"] = rows;
    TJson totals = TJson::array();
    for (std::size_t c = 1; c < t.Totals.size(); ++c)
        totals.push_back(
            OptionalNumber(t.Totals[c].Text.empty() ? std::nullopt : t.Totals[c].Value));
    j["totals"] = totals;
    TJson info = TJson::array();
    for (const auto& line : t.Info)
        info.push_back(
            {{"caption", line.Caption}, {"value", OptionalNumber(line.Raw)}, {"unit", line.Unit}});
    j["info"] = info;
    TJson groups = TJson::array();
    for (const auto& g : t.Groups)
        groups.push_back({{"caption", g.Caption},
                          {"first_column", g.FirstColumn},
                          {"last_column", g.LastColumn}});
    j["groups"] = groups;
    j["notes"] = t.Notes;
    return j;
}

// The lines of a table as the window shows them: header, units row, periods, totals.
std::vector<std::vector<std::string>> ShownLines(const TReportTable& t) {
    std::vector<std::vector<std::string>> lines;
    lines.push_back(t.Header);
    for (int r = 0; r < t.Rows(); ++r) {
        std::vector<std::string> line;
        for (int c = 0; c < t.Columns(); ++c)
            line.push_back(t.ShownText(r, c));
        lines.push_back(line);
    }
    if (!t.Totals.empty()) {
        std::vector<std::string> line;
        for (const auto& cell : t.Totals)
            line.push_back(cell.Text);
        lines.push_back(line);
    }
    return lines;
}

void WriteCsv(const TReportTable& t, bool withCaption, std::ostream& out) {
    if (withCaption)
        out << CsvField(t.Caption) << '\n';
    out << ReportTableCsv(t, "\n");
}

void WriteText(const TReportTable& t, std::ostream& out) {
    out << t.Caption << "\n\n";
    for (const auto& info : t.Info)
        out << info.Caption << ' ' << info.Value << ' ' << info.Unit << '\n';
    if (!t.Info.empty())
        out << '\n';
    auto lines = ShownLines(t);
    if (static_cast<int>(t.Header.size()) != t.Columns()) {
        // A header that spans several columns goes on a line of its own.
        std::string header;
        for (const auto& section : t.Header)
            header += (header.empty() ? "" : "  ") + section;
        out << header << '\n';
        lines.erase(lines.begin());
    }
    std::vector<std::size_t> width;
    for (const auto& line : lines)
        for (std::size_t c = 0; c < line.size(); ++c) {
            if (width.size() <= c)
                width.push_back(0);
            width[c] = std::max(width[c], line[c].size());
        }
    // A column group's caption stands centred over its columns.
    if (!t.Groups.empty()) {
        std::string text;
        for (const auto& g : t.Groups) {
            std::size_t start = 0, span = 0;
            for (int c = 0; c < static_cast<int>(width.size()); ++c) {
                const std::size_t room = width[c] + (c == 0 ? 0 : 2);
                if (c < g.FirstColumn)
                    start += room;
                else if (c <= g.LastColumn)
                    span += room;
            }
            const std::size_t at =
                start + (span > g.Caption.size() ? (span - g.Caption.size()) / 2 : 0);
            if (text.size() < at)
                text.resize(at, ' ');
            text += g.Caption;
        }
        out << text << '\n';
    }
    for (const auto& line : lines) {
        std::string text;
        for (std::size_t c = 0; c < line.size(); ++c) {
            const std::string pad(width[c] - line[c].size(), ' ');
            text += c == 0 ? line[c] + pad : "  " + pad + line[c];
        }
        text.erase(text.find_last_not_of(' ') + 1);
        out << text << '\n';
    }
    for (const auto& note : t.Notes)
        out << note << '\n';
}

std::vector<TReportTableKind> RequestedTables(const TReportOptions& o, const TReportModel& m) {
    if (o.Table == "all")
        return m.AvailableTables();
    for (const auto& t : kTableNames)
        if (o.Table == t.Name) {
            const auto available = m.AvailableTables();
            if (std::find(available.begin(), available.end(), t.Kind) == available.end())
                throw TQueltaError(m.AreaExceeded() ? m.AreaExceededMessage()
                                                    : "The cropping pattern holds no crops");
            return {t.Kind};
        }
    return {};
}

TJson AreaCheckJson(const TReportModel& model) {
    TJson months = TJson::array();
    for (const auto& e : model.Excesses())
        months.push_back({{"month", e.Month}, {"excess", e.Excess}});
    return {{"exceeded", model.AreaExceeded()}, {"months", months}};
}

int Report(const TReportOptions& o, std::ostream& out, std::ostream& err) {
    TAllData data;
    if (!LoadProject(o, data, err))
        return kExitBadData;
    TReportModel model(data);
    model.OpenReport();
    if (model.AreaExceeded())
        err << model.AreaExceededMessage() << '\n';
    const TEt0Method method = o.Method == "modpenman"    ? TEt0Method::ModPenman
                              : o.Method == "hargreaves" ? TEt0Method::Hargreaves
                                                         : TEt0Method::PenmanMonteith;
    if (method != model.Method())
        model.SelectMethod(method);
    ApplyPeriod(o.Period, model);

    auto show = [&](TReportTableKind kind) {
        model.ShowTable(kind);
        if (kind == K::WaterRequirements)
            ApplyWaterRequirementChoices(o, model);
        return model.Table();
    };

    if (o.TextReport || !o.RtfFile.empty()) {
        const auto available = model.AvailableTables();
        if (std::find(available.begin(), available.end(), K::WaterRequirements) ==
            available.end()) {
            err << (model.AreaExceeded() ? "" : "The cropping pattern holds no crops\n");
            return kExitBadData;
        }
        show(K::WaterRequirements);
        const TReportText report = model.TextReport();
        if (!o.RtfFile.empty())
            SaveFileAtomically(o.RtfFile, ReportToRtf(report));
        if (o.TextReport) {
            out << ReportToPlainText(report);
            return kExitOk;
        }
    }

    const auto kinds = RequestedTables(o, model);
    if (o.Format == "json") {
        TJson tables = TJson::object();
        for (const auto kind : kinds)
            tables[NameOf(kind)] = TableJson(show(kind));
        TJson j = {{"area_check", AreaCheckJson(model)}, {"tables", tables}};
        out << j.dump(2, ' ', false, TJson::error_handler_t::replace) << '\n';
    } else {
        bool first = true;
        for (const auto kind : kinds) {
            if (!first)
                out << '\n';
            first = false;
            const TReportTable table = show(kind);
            if (o.Format == "csv")
                WriteCsv(table, kinds.size() > 1, out);
            else
                WriteText(table, out);
        }
    }
    model.CloseReport();
    return kExitOk;
}

} // namespace

CLI::App* AddReportCommand(CLI::App& app, TReportOptions& o) {
    auto* report = app.add_subcommand(
        "report", "The water requirements report of a project (tables or the text report)");
    report->add_option("GEN", o.GeneralFile, "general data file (.gen)")->required();
    report->add_option("MTF", o.MeteoFile, "meteo file (.mtf)")->required();
    report->add_option("PAT", o.PatternFile, "cropping pattern file (.pat)")->required();
    report->add_option("--method", o.Method, "reference evapotranspiration method")
        ->check(CLI::IsMember({"pm", "modpenman", "hargreaves"}));
    report->add_option("--period", o.Period,
                       "day, week, month or a number of days (default: the general data's)");
    report->add_option("--crop", o.Crop, "all or a crop number (water requirements table)");
    report->add_option("--rain", o.Rain, "effective-rainfall method")
        ->check(CLI::IsMember({"usda", "cn", "fixed"}));
    std::vector<std::string> tables = {"all"};
    for (const auto& t : kTableNames)
        tables.push_back(t.Name);
    report->add_option("--table", o.Table, "the table to print")->check(CLI::IsMember(tables));
    report->add_option("--format", o.Format, "output format")
        ->check(CLI::IsMember({"json", "csv", "text"}));
    report->add_option("--units", o.Units, "display units of the cells")
        ->check(CLI::IsMember({"metric", "imperial"}));
    report->add_flag("--text-report", o.TextReport,
                     "print the text report \"Irrigation Water Requirements\"");
    report->add_option("--rtf", o.RtfFile, "save the text report as rich text");
    return report;
}

int RunReport(const TReportOptions& options, std::ostream& out, std::ostream& err) {
    try {
        return Report(options, out, err);
    } catch (const TUsageError& e) {
        err << e.what() << '\n';
        return kExitUsage;
    } catch (const std::exception& e) {
        err << e.what() << '\n';
        return kExitBadData;
    }
}
