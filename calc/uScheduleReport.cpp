#include "calc/uScheduleReport.h"

#include "core/cCalendar.h"
#include "core/cCsv.h"
#include "core/cFileIO.h"
#include "core/cGuiSettings.h"
#include "core/cNumberFormat.h"
#include "data/cAllData.h"
#include "data/cSchedule.h"

#include <algorithm>

namespace {

namespace Q = QuantityKind;

TReportCell Number(const TGuiSettings& s, int kind, double value) {
    return {s.FormatValue(kind, value), value};
}

TReportCell Whole(int value) {
    return {std::to_string(value), static_cast<double>(value)};
}

TInfoLine Info(const std::string& caption, const TReportCell& cell, const std::string& unit) {
    return {caption, cell.Text, unit, cell.Value};
}

TReportCell Percent(double fraction) {
    return {FormatFixed(100 * fraction, 1), 100 * fraction};
}

// A shown number with the locale's separator turned into a point.
std::string WithPoint(const TReportCell& cell) {
    std::string text = cell.Text;
    if (cell.Value)
        std::replace(text.begin(), text.end(), DecimalSeparator(), '.');
    return text;
}

std::string AlignRight(const std::string& text, std::size_t width) {
    return text.size() >= width ? text : std::string(width - text.size(), ' ') + text;
}

std::string PadRight(std::string text, std::size_t width) {
    if (text.size() < width)
        text.resize(width, ' ');
    return text;
}

// Columns of text lined up, each as wide as its widest text: the first left-aligned, the others
// right-aligned but for a last column of units.
std::vector<std::string> Columns(const std::vector<std::vector<std::string>>& rows,
                                 bool unitsLast = false) {
    std::vector<std::size_t> widths;
    for (const auto& row : rows) {
        widths.resize(std::max(widths.size(), row.size()));
        for (std::size_t c = 0; c < row.size(); ++c)
            widths[c] = std::max(widths[c], row[c].size());
    }
    std::vector<std::string> lines;
    for (const auto& row : rows) {
        std::string line;
        for (std::size_t c = 0; c < row.size(); ++c) {
            if (c == 0)
                line += PadRight(row[c], widths[c]);
            else if (unitsLast && c + 1 == row.size())
                line += " " + row[c];
            else
                line += "  " + AlignRight(row[c], widths[c]);
        }
        while (!line.empty() && line.back() == ' ')
            line.pop_back();
        lines.push_back(line);
    }
    return lines;
}

std::string Labelled(const std::string& label, const std::string& text) {
    return PadRight(label, 24) + text;
}

std::string SoilText(const TSoil& soil, const TGuiSettings& s) {
    const std::string depth = s.CurrentUnitLabel(Q::Depth);
    std::string text = soil.Description.empty() ? std::string("soil") : soil.Description;
    if (!soil.AvailableWaterGiven)
        text += ", field capacity " + FormatFixed(soil.FieldCapacity, 3) + ", wilting point " +
                FormatFixed(soil.WiltingPoint, 3);
    text +=
        ", TAW " + s.FormatValue(Q::Depth, soil.AvailableWaterPerMetre()) + " " + depth + " per m";
    return text;
}

std::string KyText(const TSchedule& schedule) {
    std::string text = FormatFixed(schedule.KySeason, 2) + " for the season";
    for (int stage = 0; stage < 4; ++stage)
        if (schedule.KyStage[stage] > 0)
            text +=
                ", " + FormatFixed(schedule.KyStage[stage], 2) + " " + ScheduleStageName(stage + 1);
    return text;
}

} // namespace

const std::string& ScheduleStageName(int stage) {
    static const std::vector<std::string> names = {"initial", "development", "mid-season",
                                                   "late season"};
    return names[std::clamp(stage, 1, 4) - 1];
}

const std::vector<std::string>& TimingChoices() {
    static const std::vector<std::string> choices = {
        "When the depletion reaches a share of RAW", "At a fixed interval",
        "When the depletion reaches a depth", "Never (rainfed)"};
    return choices;
}

const std::vector<std::string>& ApplicationChoices() {
    static const std::vector<std::string> choices = {
        "Refill to field capacity", "A fixed net depth", "Refill less room for rain"};
    return choices;
}

std::string TimingText(const TSchedule& schedule, const TGuiSettings& s) {
    switch (schedule.Timing) {
    case TScheduleTiming::PercentOfRAW:
        return "When the depletion reaches " + FormatGeneral(schedule.TimingPercentOfRAW) +
               " % of RAW";
    case TScheduleTiming::FixedInterval:
        return "Every " + std::to_string(schedule.TimingInterval) + " days";
    case TScheduleTiming::DepletionDepth:
        return "When the depletion reaches " + s.FormatValue(Q::Depth, schedule.TimingDepletion) +
               " " + s.CurrentUnitLabel(Q::Depth);
    case TScheduleTiming::Never:
        break;
    }
    return "Never (rainfed)";
}

std::string ApplicationText(const TSchedule& schedule, const TGuiSettings& s) {
    const std::string unit = " " + s.CurrentUnitLabel(Q::Depth);
    switch (schedule.Application) {
    case TScheduleApplication::FixedDepth:
        return "A net depth of " + s.FormatValue(Q::Depth, schedule.ApplicationDepth) + unit;
    case TScheduleApplication::RefillLessRoom:
        return "Refill to " + s.FormatValue(Q::Depth, schedule.RoomForRain) + unit +
               " below field capacity";
    case TScheduleApplication::RefillToFieldCapacity:
        break;
    }
    return "Refill to field capacity";
}

TScheduleTable BuildScheduleTable(const TScheduleResult& result, const TGuiSettings& s) {
    TScheduleTable table;
    const std::string depth = s.CurrentUnitLabel(Q::Depth);
    table.Header = {"Date", "Day", "Stage", "Zr", "Rain", "Pe",  "ETc", "Ks",
                    "ETa",  "Net", "Gross", "DP", "Dr",   "RAW", "TAW"};
    table.Units = {"",    "",    "",    s.CurrentUnitLabel(Q::Length),
                   depth, depth, depth, "",
                   depth, depth, depth, depth,
                   depth, depth, depth};
    int seasonDay = 0;
    for (const TScheduleDay& d : result.Days) {
        table.Rows.push_back({{DayLabel(d.Day), std::nullopt},
                              Whole(++seasonDay),
                              Whole(d.Stage),
                              Number(s, Q::Length, d.RootDepth),
                              Number(s, Q::Depth, d.Rain),
                              Number(s, Q::Depth, d.Pe),
                              Number(s, Q::Depth, d.ETc),
                              Number(s, Q::CropCoefficient, d.Ks),
                              Number(s, Q::Depth, d.ETa),
                              Number(s, Q::Depth, d.Net),
                              Number(s, Q::Depth, d.Gross),
                              Number(s, Q::Depth, d.DP),
                              Number(s, Q::Depth, d.Dr),
                              Number(s, Q::Depth, d.RAW),
                              Number(s, Q::Depth, d.TAW)});
        table.Irrigated.push_back(d.Irrigated);
    }
    return table;
}

std::vector<TInfoLine> ScheduleSummary(const TScheduleResult& result, const TGuiSettings& s) {
    const TScheduleSeason& season = result.Season;
    const std::string depth = s.CurrentUnitLabel(Q::Depth);
    auto water = [&](double value) { return Number(s, Q::Depth, value); };
    std::vector<TInfoLine> lines = {
        Info("Days in the season", Whole(season.Days), "days"),
        Info("Rain", water(season.Rain), depth),
        Info("Rain entering the root zone (Pe)", water(season.Pe), depth),
        Info("Crop evapotranspiration (ETc)", water(season.ETc), depth),
        Info("Actual evapotranspiration (ETa)", water(season.ETa), depth),
        Info("ETa / ETc", {FormatFixed(season.RelativeET, 2), season.RelativeET}, ""),
        Info("Irrigations", Whole(season.Irrigations), ""),
        Info("Net irrigation", water(season.Net), depth),
        Info("Gross irrigation", water(season.Gross), depth),
        Info("Deep percolation", water(season.DP), depth),
        Info("Rain losses", water(season.RainLosses), depth),
        Info("Irrigation losses", water(season.IrrigationLosses), depth),
        Info("Depletion at the start", water(season.InitialDepletion), depth),
        Info("Depletion at the end", water(season.FinalDepletion), depth),
        Info("Water balance error", water(season.BalanceError), depth),
        Info("Yield reduction (seasonal Ky)", Percent(season.YieldReduction), "%"),
    };
    lines.push_back(Info("Yield reduction (stage Ky)",
                         season.StageYieldReduction ? Percent(*season.StageYieldReduction)
                                                    : TReportCell{kNoNumber, std::nullopt},
                         "%"));
    for (int stage = 0; stage < 4; ++stage) {
        const auto& reduction = season.Stages[stage].Reduction;
        lines.push_back(Info("  of the " + ScheduleStageName(stage + 1) + " stage",
                             reduction ? Percent(*reduction) : TReportCell{kNoNumber, std::nullopt},
                             "%"));
    }
    return lines;
}

std::string ScheduleStatusLine(const TScheduleSeason& season, const TGuiSettings& s) {
    const std::string depth = " " + s.CurrentUnitLabel(Q::Depth);
    return std::to_string(season.Irrigations) + " irrigations, " +
           s.FormatValue(Q::Depth, season.Net) + depth + " net, " +
           s.FormatValue(Q::Depth, season.Gross) + depth + " gross; ETa / ETc " +
           FormatFixed(season.RelativeET, 2) + ", yield reduction " +
           Percent(season.YieldReduction).Text + " %";
}

std::string ScheduleCsv(const TScheduleTable& table) {
    std::string csv;
    for (std::size_t c = 0; c < table.Header.size(); ++c) {
        const std::string& unit = table.Units[c];
        csv += (c ? "," : "") + CsvField(table.Header[c] + (unit.empty() ? "" : " (" + unit + ")"));
    }
    csv += "\r\n";
    for (const auto& row : table.Rows) {
        for (std::size_t c = 0; c < row.size(); ++c)
            csv += (c ? "," : "") + CsvField(WithPoint(row[c]));
        csv += "\r\n";
    }
    return csv;
}

std::string ScheduleClipboardText(const TScheduleTable& table) {
    std::string text;
    auto line = [&text](const std::vector<std::string>& cells) {
        for (const auto& cell : cells)
            text += cell + "\t";
        text += "\r\n";
    };
    line(table.Header);
    line(table.Units);
    for (const auto& row : table.Rows) {
        std::vector<std::string> cells;
        for (const auto& cell : row)
            cells.push_back(cell.Text);
        line(cells);
    }
    return text;
}

TScheduleReportHeader ScheduleReportHeader(const TAllData& data, const std::string& scheduleFile,
                                           const std::string& method, const std::string& rainfall) {
    return {data.General.FileName,
            data.Meteo.FileName,
            data.CropPattern.FileName,
            scheduleFile,
            method,
            rainfall};
}

TReportText ScheduleTextReport(const TScheduleReportHeader& header, const TSchedule& schedule,
                               const TScheduleResult& result, const TGuiSettings& s) {
    TReportBuilder r;
    r.SetBold();
    r.AddLine("Irrigation schedule\r\n");
    r.AddLine(Labelled("General data file:", header.GeneralFile));
    r.AddLine(Labelled("Meteo file:", header.MeteoFile));
    r.AddLine(Labelled("Cropping pattern file:", header.PatternFile));
    r.AddLine(Labelled("Schedule file:", header.ScheduleFile));
    r.AddLine("\r\n");
    r.AddLine(Labelled("Crop:", FileNamePart(schedule.CropFileName) + ", planted on " +
                                    DayLabel(schedule.PlantingDay)));
    r.AddLine(Labelled("Soil:", SoilText(schedule.Soil, s)));
    r.AddLine(Labelled("Initial depletion:",
                       FormatGeneral(schedule.Soil.InitialDepletion) + " % of TAW"));
    r.AddLine(Labelled("Rain infiltration:",
                       s.FormatValue(Q::Depth, schedule.Soil.InfiltrationRate) + " " +
                           s.CurrentUnitLabel(Q::Depth) + " per day at most"));
    r.AddLine(Labelled("Depletion fraction p:", FormatFixed(schedule.DepletionFraction, 2)));
    r.AddLine(Labelled("Yield response Ky:", KyText(schedule)));
    r.AddLine(Labelled("ET0 method:", header.Method));
    r.AddLine(Labelled("Effective rainfall:", header.Rainfall));
    r.AddLine(Labelled("Irrigate:", TimingText(schedule, s)));
    r.AddLine(Labelled("Apply:", ApplicationText(schedule, s)));
    r.AddLine(Labelled("Application efficiency:", FormatGeneral(schedule.Efficiency) + " %"));
    r.AddLine("\r\n");

    r.SetBold();
    r.AddLine("Season");
    std::vector<std::vector<std::string>> summary;
    for (const TInfoLine& line : ScheduleSummary(result, s))
        summary.push_back({line.Caption, line.Value, line.Unit});
    for (const std::string& line : Columns(summary, true))
        r.AddLine(line);
    r.AddLine("\r\n");

    const TScheduleTable table = BuildScheduleTable(result, s);
    std::vector<std::vector<std::string>> rows = {table.Header, table.Units};
    using namespace ScheduleColumn;
    std::vector<std::vector<std::string>> irrigations = {
        {"Date", "Day", "Net", "Gross"}, {"", "", table.Units[Net], table.Units[Gross]}};
    for (std::size_t i = 0; i < table.Rows.size(); ++i) {
        std::vector<std::string> cells;
        for (const auto& cell : table.Rows[i])
            cells.push_back(cell.Text);
        if (table.Irrigated[i])
            irrigations.push_back({cells[Date], cells[Day], cells[Net], cells[Gross]});
        rows.push_back(std::move(cells));
    }
    r.SetBold();
    r.AddLine("Irrigations");
    if (irrigations.size() == 2)
        r.AddLine("None");
    else
        for (const std::string& line : Columns(irrigations))
            r.AddLine(line);
    r.AddLine("\r\n");
    r.SetBold();
    r.AddLine("Daily water balance of the root zone");
    for (const std::string& line : Columns(rows))
        r.AddLine(line);
    return r.Lines();
}
