#include "data/cMeteoCsv.h"

#include "core/cError.h"
#include "core/cFileIO.h"
#include "data/cMeteo.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <charconv>
#include <cmath>
#include <sstream>
#include <vector>

namespace {

const std::array<const char*, TMeteo::kSeriesCount> kColumnNames{
    "Tmin", "Tmax", "Precipitation", "Sunshine", "RHmean", "RHmax", "WindSpeed", "WindRatio"};

std::string Trim(std::string text) {
    const auto blank = [](unsigned char c) { return std::isspace(c) || c == '"'; };
    while (!text.empty() && blank(static_cast<unsigned char>(text.back())))
        text.pop_back();
    std::size_t first = 0;
    while (first < text.size() && blank(static_cast<unsigned char>(text[first])))
        ++first;
    return text.substr(first);
}

std::string Lower(std::string text) {
    for (char& c : text)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

std::vector<std::string> SplitFields(const std::string& line, char separator) {
    std::vector<std::string> fields;
    std::string field;
    std::istringstream in(line);
    while (std::getline(in, field, separator))
        fields.push_back(Trim(field));
    if (!line.empty() && line.back() == separator)
        fields.emplace_back();
    return fields;
}

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::string line;
    std::istringstream in(text);
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (!Trim(line).empty())
            lines.push_back(line);
    }
    return lines;
}

double Number(const std::string& field, int row, const char* column) {
    double value = 0;
    const char* first = field.data();
    const char* last = first + field.size();
    if (!field.empty() && *first == '+')
        ++first;
    const auto [end, ec] = std::from_chars(first, last, value);
    if (field.empty() || ec != std::errc() || end != last || !std::isfinite(value))
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
    const std::vector<std::string> header = SplitFields(headerLine, separator);

    std::array<std::size_t, TMeteo::kSeriesCount> position{};
    for (int s = 0; s < TMeteo::kSeriesCount; ++s) {
        const auto found = std::find_if(header.begin(), header.end(), [&](const std::string& h) {
            return Lower(h) == Lower(kColumnNames[s]);
        });
        if (found == header.end())
            throw TQueltaError(std::string("The column \"") + kColumnNames[s] + "\" is missing");
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
        const std::vector<std::string> fields = SplitFields(lines[r + 1], separator);
        for (int s = 0; s < TMeteo::kSeriesCount; ++s) {
            const std::string field = position[s] < fields.size() ? fields[position[s]] : "";
            values[r][s] = Number(field, r + 1, kColumnNames[s]);
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
