#include "data/cMeteoCsv.h"

#include "core/cError.h"
#include "core/cFileIO.h"
#include "data/cCsvColumns.h"
#include "data/cMeteo.h"

#include <algorithm>
#include <array>
#include <sstream>
#include <vector>

namespace {

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::string line;
    std::istringstream in(text);
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (!TrimCsvField(line).empty())
            lines.push_back(line);
    }
    return lines;
}

double Number(const std::string& field, int row, const char* column) {
    double value = 0;
    if (!ParseCsvNumber(field, false, value))
        throw TQueltaError("Row " + std::to_string(row) + ", column " + column + ": \"" + field +
                           "\" is not a number");
    return value;
}

} // namespace

void ImportMeteoCsv(const std::string& text, int periodLength, int periodCount, TMeteo& meteo) {
    std::string body = text;
    if (body.rfind("\xEF\xBB\xBF", 0) == 0)
        body.erase(0, 3); // the byte-order mark spreadsheet programs write
    const std::vector<std::string> lines = Lines(body);
    if (lines.empty())
        throw TQueltaError("The file holds no table");
    const std::string& headerLine = lines.front();
    const char separator =
        headerLine.find(',') == std::string::npos && headerLine.find(';') != std::string::npos
            ? ';'
            : ',';
    const std::vector<std::string> header = SplitCsvLine(headerLine, separator);

    std::array<std::size_t, TMeteo::kSeriesCount> position{};
    for (int s = 0; s < TMeteo::kSeriesCount; ++s) {
        const auto quantity = static_cast<TMeteoQuantity>(s);
        const auto found = std::find_if(header.begin(), header.end(), [&](const std::string& h) {
            return QuantityOfColumn(h, TNameSet::Normals) == quantity;
        });
        if (found == header.end())
            throw TQueltaError(std::string("The column \"") + MeteoQuantityName(quantity) +
                               "\" is missing");
        position[s] = static_cast<std::size_t>(found - header.begin());
    }

    const int rows = static_cast<int>(lines.size()) - 1;
    const bool monthly = rows == 12;
    if (!monthly && rows != periodCount)
        throw TQueltaError(
            "The table has " + std::to_string(rows) + " rows of data; expected 12 (one per month)" +
            (periodCount != 12 ? " or " + std::to_string(periodCount) + " (one per period)"
                               : std::string()));

    // Read every value before anything is written.
    std::vector<std::array<double, TMeteo::kSeriesCount>> values(rows);
    for (int r = 0; r < rows; ++r) {
        const std::vector<std::string> fields = SplitCsvLine(lines[r + 1], separator);
        for (int s = 0; s < TMeteo::kSeriesCount; ++s) {
            const std::string field = position[s] < fields.size() ? fields[position[s]] : "";
            values[r][s] = Number(field, r + 1, MeteoQuantityName(static_cast<TMeteoQuantity>(s)));
        }
    }

    TMeteo imported;
    auto target = imported.Series();
    const auto source = meteo.Series();
    for (int s = 0; s < TMeteo::kSeriesCount; ++s) {
        *target[s] = *source[s];
        for (int r = 0; r < rows; ++r) {
            if (monthly)
                target[s]->SetMonth(r + 1, values[r][s]);
            else
                target[s]->SetPeriod(r + 1, periodLength, values[r][s]);
        }
    }
    auto series = meteo.Series();
    for (int s = 0; s < TMeteo::kSeriesCount; ++s)
        *series[s] = *target[s];
}

void ImportMeteoCsvFile(const std::string& fileName, int periodLength, int periodCount,
                        TMeteo& meteo) {
    ImportMeteoCsv(ReadFileBytes(fileName), periodLength, periodCount, meteo);
}
