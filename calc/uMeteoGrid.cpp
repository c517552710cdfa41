#include "calc/uMeteoGrid.h"

#include "calc/uMeteoRanges.h"

#include "core/cCalendar.h"
#include "core/cError.h"
#include "core/cGuiSettings.h"
#include "core/cNumberEntry.h"
#include "core/cNumberFormat.h"
#include "core/cPastedText.h"
#include "core/cUserMessages.h"
#include "core/cYearData.h"
#include "data/cMeteo.h"

#include <limits>
#include <optional>

namespace {

int PeriodLengthOf(const TGuiSettings& units) {
    return units.PeriodKind == 3 ? 0 : units.PeriodLength;
}

// The metric value of a cell, or nothing for an empty cell or one that holds no number.
std::optional<double> MetricValue(const TMeteoRowTexts& row, int column,
                                  const TGuiSettings& units) {
    const std::string& text = row[column];
    if (text.empty())
        return std::nullopt;
    try {
        return units.ParseValue(MeteoColumnKind(column), EntryNumber(text));
    } catch (const TQueltaError&) {
        return std::nullopt;
    }
}

} // namespace

TMeteoRowTexts MeteoColumnCaptions(const TGuiSettings& units) {
    const std::string temperature = units.CurrentUnitLabel(QuantityKind::Temperature);
    return {"(" + units.PeriodName() + ")",
            "min (" + temperature + ")",
            "max (" + temperature + ")",
            "(" + units.CurrentUnitLabel(QuantityKind::Depth) + ")",
            "(hours)",
            "RHmean (%)",
            "RHmax (%)",
            "mean (" + units.CurrentUnitLabel(QuantityKind::Velocity) + ")",
            "ratio (-)"};
}

std::vector<std::pair<std::string, int>> MeteoColumnGroups() {
    return {{"Period ", 1},  {"Temperature", 2}, {"Precipitation", 1},
            {"Sunshine", 1}, {"Humidity", 2},    {"Windspeed", 2}};
}

std::string MeteoCellText(const TMeteo& meteo, const TGuiSettings& units, int period, int column) {
    const TYearData* series = meteo.Series()[column - 1];
    return units.FormatValue(MeteoColumnKind(column),
                             series->GetPeriod(period, PeriodLengthOf(units)));
}

TMeteoGridTexts MeteoGridTexts(const TMeteo& meteo, const TGuiSettings& units) {
    const std::vector<std::string> labels = units.FillPeriodColumn();
    TMeteoGridTexts grid(units.NumberOfPeriods());
    for (std::size_t p = 0; p < grid.size(); ++p) {
        grid[p][0] = p + 1 < labels.size() ? labels[p + 1] : "";
        for (int c = 1; c < kMeteoGridColumns; ++c)
            grid[p][c] = MeteoCellText(meteo, units, static_cast<int>(p) + 1, c);
    }
    return grid;
}

void StoreMeteoGridTexts(TMeteo& meteo, const TGuiSettings& units, const TMeteoGridTexts& grid) {
    const int length = PeriodLengthOf(units);
    auto series = meteo.Series();
    for (std::size_t p = 0; p < grid.size(); ++p) {
        const int period = static_cast<int>(p) + 1;
        for (int c = 1; c < kMeteoGridColumns; ++c) {
            double typed = 0;
            try {
                typed = EntryNumber(grid[p][c]);
            } catch (const TQueltaError&) {
                continue; // not a number yet: the record keeps its value
            }
            const double shown = ShownNumber(MeteoCellText(meteo, units, period, c));
            if (typed != shown)
                series[c - 1]->SetPeriod(period, length,
                                         units.ParseValue(MeteoColumnKind(c), typed));
        }
    }
}

std::string PrecipitationTotalText(const TMeteoGridTexts& grid) {
    double total = 0;
    for (const TMeteoRowTexts& row : grid) {
        try {
            total += EntryNumber(row[kMeteoPrecipitationColumn]);
        } catch (const TQueltaError&) {
        }
    }
    return FormatFixed(total, 1);
}

TMeteoCellState MeteoCellState(const TMeteoRowTexts& row, int column, const TGuiSettings& units,
                               double maxSunshine) {
    if (row[column].empty())
        return TMeteoCellState::Empty;
    const std::optional<double> value = MetricValue(row, column, units);
    if (!value)
        return TMeteoCellState::OutOfRange;
    // A partner cell without a number has nothing to compare with yet.
    const double none = -std::numeric_limits<double>::infinity();
    const double tmin = MetricValue(row, MeteoColumn::Tmin, units).value_or(none);
    const double rhMean = MetricValue(row, MeteoColumn::RHmean, units).value_or(none);
    return MeteoValueOutOfRange(column, *value, tmin, rhMean, maxSunshine)
               ? TMeteoCellState::OutOfRange
               : TMeteoCellState::Valid;
}

namespace {

// Whether every data cell's state passes; the sunshine limit is worked out once per row.
template <typename Passes>
bool EveryCellState(const TMeteoGridTexts& grid, const TGuiSettings& units,
                    const TMaxSunshine& maxSunshine, Passes passes) {
    for (std::size_t p = 0; p < grid.size(); ++p) {
        const double limit = maxSunshine(static_cast<int>(p) + 1);
        for (int c = 1; c < kMeteoGridColumns; ++c)
            if (!passes(MeteoCellState(grid[p], c, units, limit)))
                return false;
    }
    return true;
}

} // namespace

bool MeteoGridValid(const TMeteoGridTexts& grid, const TGuiSettings& units,
                    const TMaxSunshine& maxSunshine) {
    return EveryCellState(grid, units, maxSunshine,
                          [](TMeteoCellState s) { return s == TMeteoCellState::Valid; });
}

bool MeteoGridInRange(const TMeteoGridTexts& grid, const TGuiSettings& units,
                      const TMaxSunshine& maxSunshine) {
    return EveryCellState(grid, units, maxSunshine,
                          [](TMeteoCellState s) { return s != TMeteoCellState::OutOfRange; });
}

std::string MeteoRangeHint(int column, const TGuiSettings& units) {
    const auto unit = [&units](int kind) { return units.CurrentUnitLabel(kind); };
    switch (column) {
    case 1:
    case 2:
        return (units.UnitOf(QuantityKind::Temperature) == 0
                    ? "Range: -50 <= Temperature <= 55 and Tmin < Tmax "
                    : "Range: -58 <= Temperature <= 131 and Tmin < Tmax ") +
               unit(QuantityKind::Temperature);
    case 3:
        return units.UnitOf(QuantityKind::Depth) == 0
                   ? "Range: 0 <= Precipitation <= 1000 " + unit(QuantityKind::Depth)
                   : "Range: 0 < Precipitation <= 39.37 " + unit(QuantityKind::Depth);
    case 4:
        return "Range: 0 <= Sunshine <= maximum possible sunshine hours related to latitude";
    case 5:
        return "Range: 0 <= RHmean <= 100 %  and  RHmean < RHmax  except if RHmax = 0 (no data "
               "available)";
    case 6:
        return "Range: RHmean <= RHmax <= 100 %  or RHmax = 0 (no data available)";
    case 7:
        switch (units.UnitOf(QuantityKind::Velocity)) {
        case 0:
            return "Range: 0 <= Windspeed <= 15 " + unit(QuantityKind::Velocity);
        case 1:
            return "Range: 0 < Windspeed <= 49.21 " + unit(QuantityKind::Velocity);
        default:
            return "Range: 0 <= Windspeed <= 1296 " + unit(QuantityKind::Velocity);
        }
    case 8:
        return "Range: 0 <= Wind ratio <= 5 ";
    default:
        return "";
    }
}

std::string WindHeightHint(const TGuiSettings& units) {
    return units.UnitOf(QuantityKind::Length) == 0
               ? "Range: 0.5 < Height windspeed measurement <= 15 m"
               : "Range: 1.64 < Height windspeed measurement <= 49.21 ft";
}

bool MeteoCellAcceptsCharacter(int column, char32_t typed, const std::string& text,
                               std::size_t cursor) {
    if (typed == U'-') // frost: a minus leads a temperature, nothing else
        return IsTemperatureColumn(column) && cursor == 0 && text.find('-') == std::string::npos;
    return AcceptsTypedCharacter(TNumberEntry::Decimal, typed, text);
}

bool MeteoCellAcceptsText(int column, const std::string& text) {
    const bool minusInFront = !text.empty() && text.front() == '-';
    return AcceptsEntryText(TNumberEntry::Decimal, minusInFront ? text.substr(1) : text) &&
           (!minusInFront || IsTemperatureColumn(column));
}

namespace {

// The characters a pasted part keeps in a column: digits, decimal separators and minus signs;
// in a temperature column only a leading minus.
std::string PastedCellText(const std::string& part, int column) {
    std::string cell;
    for (char c : part) {
        const bool minus = c == '-';
        if (!(c >= '0' && c <= '9') && !minus && c != DecimalSeparator())
            continue;
        if (minus && IsTemperatureColumn(column) && !cell.empty())
            continue;
        cell += c;
    }
    return cell;
}

} // namespace

bool SpreadPastedText(TMeteoGridTexts& grid, int row, int column, const std::string& text) {
    if (row < 0 || row >= static_cast<int>(grid.size()) || column < 1 ||
        column >= kMeteoGridColumns)
        return true;
    const TPastedRows rows = SplitPastedText(text, grid.size() - row,
                                             static_cast<std::size_t>(kMeteoGridColumns - column));
    bool allNumbers = true;
    for (std::size_t r = 0; r < rows.size(); ++r)
        for (std::size_t c = 0; c < rows[r].size(); ++c) {
            const int col = column + static_cast<int>(c);
            std::string cell = PastedCellText(rows[r][c].Text, col);
            // Outside the temperatures a minus is no value: a cell left with one reads 0.0.
            if (!IsTemperatureColumn(col) && rows[r][c].Ended && !cell.empty() &&
                cell.front() == '-')
                cell = std::string("0") + DecimalSeparator() + "0";
            if (!IsEntryNumber(cell)) {
                allNumbers = false;
                cell.clear();
            }
            grid[row + r][col] = std::move(cell);
        }
    if (!allNumbers)
        ShowError("Invalid value");
    return allNumbers;
}

std::vector<std::string> MeteoClipboardBody(const std::string& windCaption,
                                            const std::string& windText,
                                            const TMeteoRowTexts& captions,
                                            const TMeteoGridTexts& grid,
                                            const TMeteoRowTexts& footer) {
    std::vector<std::string> lines;
    lines.push_back("," + windCaption + "\t" + windText);
    lines.push_back("\tTemperature\tTemperature\tPrecipitation\tSunshine\tHumidity\tHumidity\tWind "
                    "speed\tWind speed");
    auto cells = [](const TMeteoRowTexts& row) {
        std::string line;
        for (const std::string& cell : row)
            line += cell + "\t";
        return line;
    };
    lines.push_back(cells(captions));
    for (const TMeteoRowTexts& row : grid)
        lines.push_back(cells(row));
    lines.push_back(cells(footer));
    return lines;
}
