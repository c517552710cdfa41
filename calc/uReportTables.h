#pragma once

#include "calc/uWaterRequirements.h"

#include <optional>
#include <span>
#include <string>
#include <vector>

// The six tables of the water requirements report as text cells, each with the raw metric
// number it shows. The report window displays these cells, the CLI prints them, so a cell reads
// the same everywhere. Row 0 of a grid holds the units; column 0 the period labels.

class TAllData;

enum class TReportTableKind {
    ReferenceET,
    KcValues,
    CroppedArea,
    PotentialET,
    WaterRequirements,
    NonIrrigated
};
constexpr int kReportTableCount = 6;

// The tab title of a table.
std::string ReportTableCaption(TReportTableKind kind);

struct TReportCell {
    std::string Text;
    std::optional<double> Value; // metric; none for labels, units, "-" and cells left empty
};

// The cells of a table, row by row in one block: the report rebuilds big daily tables often,
// and a resize keeps the memory.
class TReportGrid {
public:
    void Resize(int rows, int columns);
    int Rows() const { return rows; }
    int Columns() const { return columns; }
    std::span<TReportCell> operator[](int row) {
        return {cells.data() + static_cast<std::size_t>(row) * columns,
                static_cast<std::size_t>(columns)};
    }
    std::span<const TReportCell> operator[](int row) const {
        return {cells.data() + static_cast<std::size_t>(row) * columns,
                static_cast<std::size_t>(columns)};
    }

private:
    int rows = 0;
    int columns = 0;
    std::vector<TReportCell> cells;
};

// A caption over some columns of a table, such as "Fallow area" over the fallow columns.
struct TColumnGroup {
    std::string Caption;
    int FirstColumn = 0;
    int LastColumn = 0;
};

// A text beside the table: caption, value, unit.
struct TInfoLine {
    std::string Caption;
    std::string Value;
    std::string Unit;
    std::optional<double> Raw;
};

struct TReportTable {
    TReportTableKind Kind = TReportTableKind::ReferenceET;
    std::string Caption;
    std::vector<std::string> Header;
    TReportGrid Grid;                // [row][column]
    std::vector<TReportCell> Totals; // the totals line, label first; empty if none
    std::vector<TColumnGroup> Groups;
    std::vector<TInfoLine> Info;
    std::vector<std::string> Notes;

    int Columns() const { return Grid.Columns(); }
    int Rows() const { return Grid.Rows(); }
    // Rows above the first period: units, and the crop areas of the Kc table.
    int FirstPeriodRow() const { return Kind == TReportTableKind::KcValues ? 2 : 1; }
    // The cell as the window draws it: a value that reads as zero is drawn empty (on the
    // non-irrigated table only in the spacer column).
    std::string ShownText(int row, int column) const;
    // Whether the window draws the cell empty, without copying its text.
    bool ShownEmpty(int row, int column) const;
    // The number of a shown cell for JSON: none where the window shows "-" or nothing.
    std::optional<double> ShownValue(int row, int column) const;
};

// What the report has selected when a table is built.
struct TReportSelection {
    TEt0Method Method = TEt0Method::PenmanMonteith;
    int Crop = 0;          // 0: all crops
    bool ShowDepth = true; // the depth column of the water requirements table
    TRainfallMethod Rainfall = TRainfallMethod::Usda;
};

// Builds a table for the current calculation period and units of data.GuiSettings from the
// series computed last.
TReportTable BuildReportTable(const TAllData& data, TReportTableKind kind,
                              const TReportSelection& selection);
// The same into an existing table, reusing its memory.
void BuildReportTable(const TAllData& data, TReportTableKind kind,
                      const TReportSelection& selection, TReportTable& table);

// The table as the clipboard gets it: every cell followed by TAB, every line by CR LF.
std::string ReportTableClipboardText(const TReportTable& table, const std::string& generalFile);

// The table as RFC 4180 CSV: the heading row, then every row (the units row first) and the
// totals, each cell as the window shows it, but numbers with a point as decimal separator
// whatever the locale's; every line ends with lineEnd.
std::string ReportTableCsv(const TReportTable& table, const std::string& lineEnd = "\r\n");

// What a chart of a (monthly) table draws.
struct TChartSeries {
    std::string Title;
    std::vector<std::string> Labels; // first three characters of the period labels
    std::vector<double> Values;      // "-" and empty cells count 0
};
struct TChartInput {
    bool Multi = true;
    int Offset = 0; // rows before the first month after the units row
    int Column = 1; // the drawn column of a single chart
    std::string Caption;
    std::string Title;
    std::string AxisTitle; // single chart: the column's unit
    std::vector<TChartSeries> Series;
};
// The chart of a table; column is the last clicked column (single charts only).
TChartInput ReportChartInput(const TReportTable& table, int column);
