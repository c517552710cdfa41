#include "calc/uReportTables.h"

#include "core/cCalendar.h"
#include "core/cCsv.h"
#include "core/cError.h"
#include "core/cNumberFormat.h"
#include "core/cYearData.h"
#include "data/cAllData.h"

#include <algorithm>
#include <cctype>

namespace {

using Kind = TReportTableKind;

TReportCell Label(const std::string& text) {
    return {text, std::nullopt};
}

TReportCell Number(const std::string& text, double value) {
    return {text, value};
}

std::string Parenthesised(const std::string& text) {
    return "(" + text + ")";
}

std::string LowerCase(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

// Sizes the grid (reusing its memory: the report rebuilds big daily tables often) and fills
// the period labels of column 0 after rowsBefore rows below the units row.
class TGridWriter {
public:
    TGridWriter(TReportTable& table, const TGuiSettings& settings, int columns, int rowsBefore,
                int rowsAfter = 0)
        : table(table), settings(settings) {
        const std::vector<std::string> labels = settings.FillPeriodColumn();
        periods = static_cast<int>(labels.size()) - 1;
        table.Grid.Resize(1 + rowsBefore + periods + rowsAfter, columns);
        table.Grid[0][0] = Label(labels[0]);
        firstPeriodRow = 1 + rowsBefore;
        for (int p = 1; p <= periods; ++p)
            table.Grid[rowsBefore + p][0] = Label(labels[p]);
    }
    int Periods() const { return periods; }
    int Length() const { return settings.PeriodLength; }
    TReportCell& PeriodCell(int period, int column) {
        return table.Grid[firstPeriodRow + period - 1][column];
    }
    TReportCell Formatted(int kind, double value) const {
        return Number(settings.FormatValue(kind, value), value);
    }
    TReportCell Fixed(int kind, double value, int decimals) const {
        return Number(FormatFixed(settings.DisplayValue(kind, value), decimals), value);
    }

private:
    TReportTable& table;
    const TGuiSettings& settings;
    int firstPeriodRow = 1;
    int periods = 0;
};

std::string DepthUnit(const TGuiSettings& s) {
    return s.CurrentUnitLabel(QuantityKind::Depth);
}
std::string AreaUnit(const TGuiSettings& s) {
    return s.CurrentUnitLabel(QuantityKind::Area);
}
std::string VolumeUnit(const TGuiSettings& s) {
    return s.CurrentUnitLabel(QuantityKind::Volume) + " * 10^3";
}
// "(mm/month)": depth per period.
std::string DepthPerPeriod(const TGuiSettings& s) {
    return "(" + DepthUnit(s) + "/" + LowerCase(s.PeriodName()) + ")";
}

TInfoLine AreaInfo(const TGuiSettings& s, const std::string& caption, double area) {
    return {caption, s.FormatValue(QuantityKind::Area, area), Parenthesised(AreaUnit(s)), area};
}

void BuildReferenceET(const TAllData& data, const TReportSelection& sel, TReportTable& t) {
    const TGuiSettings& s = data.GuiSettings;
    const TYearData& et0 = Et0Series(data, sel.Method);
    t.Header = {"Period", "Reference evapotranspiration"};
    TGridWriter w(t, s, 3, 0);
    t.Grid[0][1] = Label("(" + DepthUnit(s) + "/day)");
    t.Grid[0][2] = Label(DepthPerPeriod(s));
    for (int p = 1; p <= w.Periods(); ++p) {
        w.PeriodCell(p, 1) = w.Formatted(QuantityKind::Depth, et0.PeriodAverage(p, w.Length()));
        w.PeriodCell(p, 2) = w.Formatted(QuantityKind::Depth, et0.PeriodSum(p, w.Length()));
    }
    const double year = et0.SumRange(1, kDaysInYear);
    t.Info.push_back({"Total Reference Evapotranspiration of the Region / Project:",
                      s.FormatValue(QuantityKind::Depth, year), "(" + DepthUnit(s) + "/year)",
                      year});
}

// Row 0 of the crop tables: each crop's file name without its extension.
void CropNameRow(const TCropPattern& pattern, TReportTable& t) {
    for (int c = 1; c <= pattern.Count(); ++c)
        t.Grid[0][c] = Label(pattern.GetCropLine(c).CropName());
}

void BuildKcValues(const TAllData& data, TReportTable& t) {
    const TGuiSettings& s = data.GuiSettings;
    const TCropPattern& pattern = data.CropPattern;
    t.Header = {"Period", "Crop coefficients, Kc, during growing Period"};
    TGridWriter w(t, s, 1 + pattern.Count(), 1);
    CropNameRow(pattern, t);
    t.Grid[1][0] = Label("  Area (" + AreaUnit(s) + ")");
    for (int c = 1; c <= pattern.Count(); ++c) {
        const TCropPatternLine& crop = pattern.GetCropLine(c);
        t.Grid[1][c] = w.Formatted(QuantityKind::Area, crop.Area);
        for (int p = 1; p <= w.Periods(); ++p)
            w.PeriodCell(p, c) = w.Formatted(QuantityKind::CropCoefficient,
                                             crop.KcSeries.PeriodAverage(p, w.Length()));
    }
    const TGeneral& g = data.General;
    t.Info.push_back(AreaInfo(s, "Irrigable area:", g.IrrigableArea));
    t.Info.push_back({"Frequency of irrigation during initial stage of crop growth::",
                      std::to_string(g.ApplInterval), "days", double(g.ApplInterval)});
    t.Info.push_back({"Mean depth of irrigation water application:",
                      s.FormatValue(QuantityKind::Depth, g.MeanDepth),
                      "(" + DepthUnit(s) + " per turn)", g.MeanDepth});
}

void BuildCroppedArea(const TAllData& data, TReportTable& t) {
    const TGuiSettings& s = data.GuiSettings;
    const double irrigable = data.General.IrrigableArea;
    t.Header = {"Period", "Cropped Area", "Area Ratio"};
    TGridWriter w(t, s, 3, 0);
    t.Grid[0][1] = Label(Parenthesised(AreaUnit(s)));
    t.Grid[0][2] = Label("Cropped/Irrigable");
    double areaSum = 0, ratioSum = 0;
    for (int p = 1; p <= w.Periods(); ++p) {
        const double area = MaxCroppedArea(data.CropPattern, p, w.Length());
        const double ratio = irrigable == 0 ? 0 : area / irrigable;
        areaSum += area;
        ratioSum += ratio;
        w.PeriodCell(p, 1) = w.Formatted(QuantityKind::Area, area);
        w.PeriodCell(p, 2) = Number(FormatFixed(ratio, 2), ratio);
    }
    const double periods = std::max(w.Periods(), 1);
    t.Totals = {Label("Average:"), w.Fixed(QuantityKind::Area, areaSum / periods, 0),
                Number(FormatFixed(ratioSum / periods, 2), ratioSum / periods)};
    t.Info.push_back(AreaInfo(s, "Irrigable area:", irrigable));
}

void BuildPotentialET(const TAllData& data, TReportTable& t) {
    const TGuiSettings& s = data.GuiSettings;
    const TCropPattern& pattern = data.CropPattern;
    t.Header = {"Period", "Crop Evapotranspitation  " + DepthPerPeriod(s)};
    TGridWriter w(t, s, 1 + pattern.Count(), 0, 1);
    CropNameRow(pattern, t);
    const int totalRow = t.Rows() - 1;
    t.Grid[totalRow][0] = Label("Total:");
    for (int c = 1; c <= pattern.Count(); ++c) {
        const TYearData& etc = pattern.GetCropLine(c).ETcSeries;
        for (int p = 1; p <= w.Periods(); ++p)
            w.PeriodCell(p, c) = w.Formatted(QuantityKind::Depth, etc.PeriodSum(p, w.Length()));
        t.Grid[totalRow][c] = w.Formatted(QuantityKind::Depth, etc.SumRange(1, kDaysInYear));
    }
}

void BuildWaterRequirements(const TAllData& data, const TReportSelection& sel, TReportTable& t) {
    const TGuiSettings& s = data.GuiSettings;
    const int columns = sel.ShowDepth ? 6 : 5;
    t.Header = {"Period", "Total cropped", "Total ETp", "Pe", "ETp - Pe (1)", "ETp - Pe (2)"};
    TGridWriter w(t, s, columns, 0);
    t.Grid[0][1] = Label("area (" + AreaUnit(s) + ")");
    for (int c = 2; c <= 4; ++c)
        t.Grid[0][c] = Label(VolumeUnit(s));
    if (sel.ShowDepth)
        t.Grid[0][5] = Label(DepthUnit(s) + "/cropped area");
    const TReportCell none = Label("-");
    double cropSum = 0, rainSum = 0, volumeSum = 0, depthSum = 0;
    for (int p = 1; p <= w.Periods(); ++p) {
        const TWaterRequirement r =
            WaterRequirementOfPeriod(data, sel.Method, sel.Crop, p, w.Length());
        if (r.CroppedArea == 0)
            continue; // a period without crops stays empty
        cropSum += r.CropVolume;
        rainSum += r.RainVolume;
        volumeSum += r.Volume.value_or(0);
        depthSum += r.Depth.value_or(0);
        w.PeriodCell(p, 1) = w.Formatted(QuantityKind::Area, r.CroppedArea);
        w.PeriodCell(p, 2) = w.Fixed(QuantityKind::Volume, r.CropVolume, 3);
        w.PeriodCell(p, 3) = w.Fixed(QuantityKind::Volume, r.RainVolume, 3);
        w.PeriodCell(p, 4) = r.Volume ? w.Fixed(QuantityKind::Volume, *r.Volume, 3) : none;
        if (sel.ShowDepth)
            w.PeriodCell(p, 5) = r.Depth ? w.Fixed(QuantityKind::Depth, *r.Depth, 2) : none;
    }
    t.Totals = {Label("Total:"), Label(""), w.Fixed(QuantityKind::Volume, cropSum, 2),
                w.Fixed(QuantityKind::Volume, rainSum, 2),
                w.Fixed(QuantityKind::Volume, volumeSum, 2)};
    if (sel.ShowDepth)
        t.Totals.push_back(w.Fixed(QuantityKind::Depth, depthSum, 2));
    else
        t.Header.pop_back();
    switch (sel.Rainfall) {
    case TRainfallMethod::Usda:
        t.Notes = {"Note: ", "When USDA method is selected,", "effective rainfall is calculated ",
                   "with a monthly timestep only"};
        break;
    case TRainfallMethod::CurveNumber:
        t.Notes = {"Selected Curve Number: " + std::to_string(data.General.CurveNumber)};
        break;
    case TRainfallMethod::Fixed:
        t.Notes = {"Fixed % of eff. rainfall = " + FormatGeneral(data.General.FixedPercent)};
        break;
    }
}

void BuildNonIrrigated(const TAllData& data, TReportTable& t) {
    const TGuiSettings& s = data.GuiSettings;
    t.Header = {"Period", "Non irrigated area", "ETp Fallow (1)",   "ETp Fallow (2)",
                "",       "ETp Permanent (1)",  "ETp Permanent (2)"};
    TGridWriter w(t, s, 7, 0);
    const std::string units[] = {"area (" + AreaUnit(s) + ")",
                                 DepthPerPeriod(s),
                                 VolumeUnit(s),
                                 " ",
                                 DepthPerPeriod(s),
                                 VolumeUnit(s)};
    for (int c = 1; c <= 6; ++c)
        t.Grid[0][c] = Label(units[c - 1]);
    double sums[4] = {};
    for (int p = 1; p <= w.Periods(); ++p) {
        const TNonIrrigated n = NonIrrigatedOfPeriod(data, p, w.Length());
        const double values[4] = {n.FallowDepth, n.FallowVolume, n.PermanentDepth,
                                  n.PermanentVolume};
        for (int i = 0; i < 4; ++i)
            sums[i] += values[i];
        w.PeriodCell(p, 1) = w.Formatted(QuantityKind::Area, n.FallowArea);
        w.PeriodCell(p, 2) = w.Formatted(QuantityKind::Depth, n.FallowDepth);
        w.PeriodCell(p, 3) = w.Formatted(QuantityKind::Volume, n.FallowVolume);
        w.PeriodCell(p, 5) = w.Formatted(QuantityKind::Depth, n.PermanentDepth);
        w.PeriodCell(p, 6) = w.Formatted(QuantityKind::Volume, n.PermanentVolume);
    }
    // Totals with their column's decimals, beside columns of one or two.
    t.Totals = {Label("Total:"),
                Label(""),
                w.Formatted(QuantityKind::Depth, sums[0]),
                w.Formatted(QuantityKind::Volume, sums[1]),
                Label(""),
                w.Formatted(QuantityKind::Depth, sums[2]),
                w.Formatted(QuantityKind::Volume, sums[3])};
    const TGeneral& g = data.General;
    t.Info.push_back(AreaInfo(s, "Permanent non irrigated area:", g.GrossArea - g.IrrigableArea));
    t.Groups = {{"Fallow area", 1, 3}};
}

bool ReadsAsZero(const std::string& text) {
    if (text.empty() || text[0] != '0')
        return false;
    // The cells are plain decimals: no need to parse the many that hold a digit other than 0.
    bool plain = true, nonZeroDigit = false;
    for (char c : text) {
        nonZeroDigit = nonZeroDigit || (c >= '1' && c <= '9');
        plain = plain && ((c >= '0' && c <= '9') || c == '.' || c == ',');
    }
    if (plain)
        return !nonZeroDigit;
    try {
        return TextToNumber(text) == 0;
    } catch (const TQueltaError&) {
        return false;
    }
}

// A cell as a chart reads it: "-" and empty cells count 0.
double ChartValue(const std::string& text) {
    if (text.empty() || text == "-")
        return 0;
    try {
        return TextToNumber(text);
    } catch (const TQueltaError&) {
        return 0;
    }
}

void AppendCells(std::string& out, const std::vector<std::string>& cells) {
    for (const auto& cell : cells)
        out += cell + "\t";
    out += "\r\n";
}

std::vector<std::string> Texts(std::span<const TReportCell> cells) {
    std::vector<std::string> texts;
    for (const auto& cell : cells)
        texts.push_back(cell.Text);
    return texts;
}

} // namespace

void TReportGrid::Resize(int rowCount, int columnCount) {
    rows = rowCount;
    columns = columnCount;
    cells.resize(static_cast<std::size_t>(rows) * columns);
    for (auto& cell : cells) {
        cell.Text.clear();
        cell.Value.reset();
    }
}

std::string ReportTableCaption(TReportTableKind kind) {
    switch (kind) {
    case Kind::ReferenceET:
        return "Reference Evapotranspiration";
    case Kind::KcValues:
        return "Kc Values";
    case Kind::CroppedArea:
        return "Cropped Area";
    case Kind::PotentialET:
        return "Potential Evapotranspiration";
    case Kind::WaterRequirements:
        return "Irrigation Water Requirements";
    case Kind::NonIrrigated:
        return "Evapotranspiration non irrigated area";
    }
    return "";
}

bool TReportTable::ShownEmpty(int row, int column) const {
    const std::string& text = Grid[row][column].Text;
    const bool valueCell = row >= 1 && column >= 1;
    const bool emptiedColumn = Kind != Kind::NonIrrigated || column == 4;
    return text.empty() || (valueCell && emptiedColumn && ReadsAsZero(text));
}

std::string TReportTable::ShownText(int row, int column) const {
    return ShownEmpty(row, column) ? std::string() : Grid[row][column].Text;
}

std::optional<double> TReportTable::ShownValue(int row, int column) const {
    if (ShownText(row, column).empty())
        return std::nullopt;
    return Grid[row][column].Value;
}

TReportTable BuildReportTable(const TAllData& data, TReportTableKind kind,
                              const TReportSelection& selection) {
    TReportTable table;
    BuildReportTable(data, kind, selection, table);
    return table;
}

void BuildReportTable(const TAllData& data, TReportTableKind kind,
                      const TReportSelection& selection, TReportTable& table) {
    table.Kind = kind;
    table.Header.clear();
    table.Totals.clear();
    table.Groups.clear();
    table.Info.clear();
    table.Notes.clear();
    table.Caption = ReportTableCaption(kind);
    switch (kind) {
    case Kind::ReferenceET:
        BuildReferenceET(data, selection, table);
        break;
    case Kind::KcValues:
        BuildKcValues(data, table);
        break;
    case Kind::CroppedArea:
        BuildCroppedArea(data, table);
        break;
    case Kind::PotentialET:
        BuildPotentialET(data, table);
        break;
    case Kind::WaterRequirements:
        BuildWaterRequirements(data, selection, table);
        break;
    case Kind::NonIrrigated:
        BuildNonIrrigated(data, table);
        break;
    }
}

std::string ReportTableClipboardText(const TReportTable& table, const std::string& generalFile) {
    std::string out;
    if (table.Kind == Kind::ReferenceET)
        out += generalFile + "\r\n\r\n";
    for (const auto& info : table.Info)
        AppendCells(out, {info.Caption, info.Value, info.Unit});
    AppendCells(out, table.Header);
    for (int r = 0; r < table.Rows(); ++r)
        AppendCells(out, Texts(table.Grid[r]));
    if (!table.Totals.empty())
        AppendCells(out, Texts(table.Totals));
    return out;
}

namespace {

// A shown number with the locale's separator written as a point.
std::string WithDecimalPoint(std::string text) {
    const char separator = DecimalSeparator();
    if (separator != '.')
        for (char& c : text)
            if (c == separator)
                c = '.';
    return text;
}

void AppendCsvLine(std::string& out, const std::vector<std::string>& cells,
                   const std::string& lineEnd) {
    for (std::size_t c = 0; c < cells.size(); ++c)
        out += (c ? "," : "") + CsvField(cells[c]);
    out += lineEnd;
}

} // namespace

std::string ReportTableCsv(const TReportTable& table, const std::string& lineEnd) {
    std::string out;
    AppendCsvLine(out, table.Header, lineEnd);
    for (int r = 0; r < table.Rows(); ++r) {
        std::vector<std::string> cells;
        for (int c = 0; c < table.Columns(); ++c) {
            std::string text = table.ShownText(r, c);
            cells.push_back(table.ShownValue(r, c) ? WithDecimalPoint(std::move(text)) : text);
        }
        AppendCsvLine(out, cells, lineEnd);
    }
    if (!table.Totals.empty()) {
        std::vector<std::string> cells;
        for (const TReportCell& cell : table.Totals)
            cells.push_back(cell.Value ? WithDecimalPoint(cell.Text) : cell.Text);
        AppendCsvLine(out, cells, lineEnd);
    }
    return out;
}

TChartInput ReportChartInput(const TReportTable& table, int column) {
    TChartInput chart;
    chart.Caption = table.Caption;
    chart.Multi = table.Kind != Kind::CroppedArea && table.Kind != Kind::WaterRequirements;
    chart.Offset = table.Kind == Kind::KcValues ? 1 : 0;
    auto series = [&](int c, int offset) {
        TChartSeries s;
        s.Title = table.Grid[0][c].Text;
        for (int r = 1; r <= 12 && offset + r < table.Rows(); ++r) {
            s.Labels.push_back(table.Grid[offset + r][0].Text.substr(0, 3));
            s.Values.push_back(ChartValue(table.Grid[offset + r][c].Text));
        }
        return s;
    };
    if (chart.Multi) {
        chart.Title = table.Header.size() > 1 ? table.Header[1] : "";
        for (int c = 1; c <= std::min(6, table.Columns() - 1); ++c)
            chart.Series.push_back(series(c, chart.Offset));
    } else {
        chart.Column = std::clamp(column, 1, table.Columns() - 1);
        chart.Title =
            chart.Column < static_cast<int>(table.Header.size()) ? table.Header[chart.Column] : "";
        chart.AxisTitle = table.Grid[0][chart.Column].Text;
        chart.Series.push_back(series(chart.Column, 0));
    }
    return chart;
}
