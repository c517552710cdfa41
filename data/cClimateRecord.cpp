#include "data/cClimateRecord.h"

#include "core/cError.h"
#include "core/cNumberFormat.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <istream>
#include <limits>
#include <memory>
#include <string_view>

namespace {

constexpr std::size_t kLongestLine = 64 * 1024;
constexpr int kLinesPerProgress = 4096;
constexpr double kNoValue = std::numeric_limits<double>::quiet_NaN();

// Blanks and quotes only; checked without making a string, for every line of the record.
bool IsBlankLine(std::string_view line) {
    return std::all_of(line.begin(), line.end(), [](char c) {
        return std::isspace(static_cast<unsigned char>(c)) || c == '"';
    });
}

// Lines of a stream in one fixed buffer, so a record of any length costs the same memory.
class TLineReader {
public:
    explicit TLineReader(std::istream& in) : in(in), buffer(new char[kLongestLine]) {}

    // The next line without its line end; false at the end of the stream.
    bool Next(std::string_view& line) {
        in.getline(buffer.get(), kLongestLine);
        const std::streamsize read = in.gcount();
        if (in.fail()) {
            if (in.eof() && read == 0)
                return false;
            if (!in.eof())
                throw TQueltaError("Line " + std::to_string(number + 1) + " is longer than " +
                                   std::to_string(kLongestLine) + " characters");
            in.clear(std::ios::eofbit);
        }
        ++number;
        bytes += static_cast<std::uint64_t>(read);
        std::size_t length = static_cast<std::size_t>(read) - (in.eof() ? 0 : 1);
        if (length > 0 && buffer[length - 1] == '\r')
            --length;
        line = std::string_view(buffer.get(), length);
        if (number == 1 && line.starts_with("\xEF\xBB\xBF"))
            line.remove_prefix(3); // the byte-order mark spreadsheet programs write
        return true;
    }
    // The next line that is not blank.
    bool NextFilled(std::string_view& line) {
        while (Next(line))
            if (!IsBlankLine(line))
                return true;
        return false;
    }
    int Number() const { return number; }
    std::uint64_t Bytes() const { return bytes; }

private:
    std::istream& in;
    std::unique_ptr<char[]> buffer;
    int number = 0;
    std::uint64_t bytes = 0;
};

std::string LinePrefix(int line) {
    return "Line " + std::to_string(line);
}

std::string ColumnPrefix(int line, const TClimateColumn& column) {
    return LinePrefix(line) + ", column " + std::to_string(column.Position + 1) + " \"" +
           column.Header + "\"";
}

// The number that follows `word` in a header line ("Latitude  37.4000").
std::optional<double> NumberAfter(std::string_view line, std::string_view word) {
    const std::string lower = LowerCase(line);
    const std::size_t at = lower.find(LowerCase(word));
    if (at == std::string::npos)
        return std::nullopt;
    std::size_t start = at + word.size();
    while (start < line.size() &&
           (line[start] == ' ' || line[start] == '\t' || line[start] == ':' || line[start] == '='))
        ++start;
    std::size_t end = start;
    while (end < line.size() && line[end] != ' ' && line[end] != '\t')
        ++end;
    double value = 0;
    if (!ParseCsvNumber(line.substr(start, end - start), false, value))
        return std::nullopt;
    return value;
}

// A site the astronomy of the sunshine can use: a latitude beyond the poles would give a negative
// radiation at the top of the atmosphere and day lengths of no place.
void RequireOnEarth(std::optional<double> degrees, double limit, const char* what, int line) {
    if (degrees && !(std::abs(*degrees) <= limit))
        throw TQueltaError(LinePrefix(line) + ": " + FormatGeneral(*degrees) + " is not a " + what +
                           " (-" + FormatGeneral(limit) + " to " + FormatGeneral(limit) + ")");
}

// What the header block of a NASA POWER file says.
struct TPowerHeader {
    std::optional<double> Latitude, Longitude, Elevation;
    double Missing = -999;
    std::vector<std::pair<std::string, std::string>> Units; // parameter name, unit text
};

TPowerHeader ReadPowerHeader(TLineReader& lines) {
    TPowerHeader header;
    bool parameters = false;
    std::string_view line;
    while (lines.Next(line)) {
        const std::string text = TrimCsvField(line);
        if (text == "-END HEADER-")
            return header;
        const std::string lower = LowerCase(text);
        if (lower.starts_with("location")) {
            header.Latitude = NumberAfter(text, "latitude");
            header.Longitude = NumberAfter(text, "longitude");
            RequireOnEarth(header.Latitude, 90, "latitude", lines.Number());
            RequireOnEarth(header.Longitude, 180, "longitude", lines.Number());
        } else if (lower.starts_with("elevation")) {
            header.Elevation = NumberAfter(text, "=");
        } else if (lower.find("missing") != std::string::npos) {
            if (const std::size_t colon = text.rfind(':'); colon != std::string::npos)
                if (const auto missing = NumberAfter(text.substr(colon), ":"))
                    header.Missing = *missing;
        } else if (lower.starts_with("parameter")) {
            parameters = true;
        } else if (parameters && !text.empty()) {
            // "T2M_MAX     MERRA-2 Temperature at 2 Meters Maximum (C)"
            const std::size_t nameEnd = text.find_first_of(" \t");
            const std::size_t open = text.rfind('(');
            const std::size_t close = text.rfind(')');
            if (nameEnd != std::string::npos && open != std::string::npos &&
                close != std::string::npos && close > open)
                header.Units.emplace_back(LowerCase(text.substr(0, nameEnd)),
                                          text.substr(open + 1, close - open - 1));
        }
    }
    throw TQueltaError(LinePrefix(lines.Number()) +
                       ": the header block has no end (\"-END HEADER-\")");
}

enum class TDateRole { None, Date, Year, Month, Day, DayOfYear };

TDateRole DateRoleOf(const std::string& name) {
    std::string key;
    for (char c : LowerCase(name))
        if (c != ' ' && c != '_' && c != '-' && c != '.')
            key += c;
    if (key == "date")
        return TDateRole::Date;
    if (key == "year" || key == "yr" || key == "yyyy")
        return TDateRole::Year;
    if (key == "month" || key == "mo" || key == "mon")
        return TDateRole::Month;
    if (key == "day" || key == "dy" || key == "dd")
        return TDateRole::Day;
    if (key == "doy" || key == "dayofyear" || key == "jday")
        return TDateRole::DayOfYear;
    return TDateRole::None;
}

const char* QuantityText(TMeteoQuantity quantity) {
    switch (quantity) {
    case TMeteoQuantity::Tmin:
        return "minimum temperature";
    case TMeteoQuantity::Tmax:
        return "maximum temperature";
    case TMeteoQuantity::Precipitation:
        return "precipitation";
    case TMeteoQuantity::Sunshine:
        return "sunshine";
    case TMeteoQuantity::RHmean:
        return "mean relative humidity";
    case TMeteoQuantity::RHmax:
        return "maximum relative humidity";
    case TMeteoQuantity::WindSpeed:
        return "wind speed";
    case TMeteoQuantity::WindRatio:
        return "wind ratio";
    case TMeteoQuantity::Tmean:
        return "mean temperature";
    case TMeteoQuantity::Radiation:
        return "solar radiation";
    case TMeteoQuantity::RHmin:
        return "minimum relative humidity";
    case TMeteoQuantity::DewPoint:
        return "dew point";
    }
    return "";
}

// Values no instrument gives, in the program's units; the humidity allows the few per cent
// above saturation that sensors report in fog (taken as 100 %).
struct TPossible {
    double Low, High;
};
TPossible PossibleRange(TMeteoQuantity quantity) {
    switch (quantity) {
    case TMeteoQuantity::Tmin:
    case TMeteoQuantity::Tmax:
    case TMeteoQuantity::Tmean:
    case TMeteoQuantity::DewPoint:
        return {-90, 60};
    case TMeteoQuantity::Precipitation:
        return {0, 2000};
    case TMeteoQuantity::Sunshine:
        return {0, 24};
    case TMeteoQuantity::RHmean:
    case TMeteoQuantity::RHmax:
    case TMeteoQuantity::RHmin:
        return {0, 105};
    case TMeteoQuantity::WindSpeed:
        return {0, 75};
    case TMeteoQuantity::WindRatio:
        return {0, 10};
    case TMeteoQuantity::Radiation:
        return {0, 600}; // W/m² over 24 hours: more than reaches the top of the atmosphere
    }
    return {-1e300, 1e300};
}

bool IsHumidity(TMeteoQuantity q) {
    return q == TMeteoQuantity::RHmean || q == TMeteoQuantity::RHmax || q == TMeteoQuantity::RHmin;
}

bool IsMissingText(std::string_view field) {
    if (field.empty() || field == "-")
        return true;
    const std::string lower = LowerCase(field);
    return lower == "na" || lower == "n/a" || lower == "nan" || lower == "null";
}

int WholeNumber(std::string_view text, bool& ok) {
    int value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    ok = !text.empty() && ec == std::errc() && end == text.data() + text.size();
    return value;
}

bool ValidDate(const TClimateDate& d) {
    return d.Year >= 1 && d.Year <= 9999 && d.Month >= 1 && d.Month <= 12 && d.Day >= 1 &&
           d.Day <= DaysInMonthOfYear(d.Year, d.Month);
}

// One `date` field: "2019-12-31", "2019/12/31", "20191231", or "31/12/2019", "31.12.2019",
// "31-12-2019".
std::optional<TClimateDate> ParseDateText(std::string_view text) {
    bool ok = false;
    TClimateDate date;
    if (text.size() == 8 && text.find_first_not_of("0123456789") == std::string_view::npos) {
        date.Year = WholeNumber(text.substr(0, 4), ok);
        date.Month = WholeNumber(text.substr(4, 2), ok);
        date.Day = WholeNumber(text.substr(6, 2), ok);
        return ValidDate(date) ? std::optional(date) : std::nullopt;
    }
    const std::size_t first = text.find_first_of("-/.");
    if (first == std::string_view::npos)
        return std::nullopt;
    const char separator = text[first];
    const std::size_t second = text.find(separator, first + 1);
    if (second == std::string_view::npos)
        return std::nullopt;
    const std::string_view a = text.substr(0, first);
    const std::string_view b = text.substr(first + 1, second - first - 1);
    const std::string_view c = text.substr(second + 1);
    bool okA = false, okB = false, okC = false;
    const int va = WholeNumber(a, okA), vb = WholeNumber(b, okB), vc = WholeNumber(c, okC);
    if (!okA || !okB || !okC || b.size() > 2)
        return std::nullopt;
    if (a.size() == 4 && c.size() <= 2)
        date = {va, vb, vc};
    else if (c.size() == 4 && a.size() <= 2)
        date = {vc, vb, va};
    else
        return std::nullopt;
    return ValidDate(date) ? std::optional(date) : std::nullopt;
}

TClimateDate DateOfDayOfYear(int year, int dayOfYear) {
    int month = 1;
    while (month < 12 && dayOfYear > DaysInMonthOfYear(year, month)) {
        dayOfYear -= DaysInMonthOfYear(year, month);
        ++month;
    }
    return {year, month, dayOfYear};
}

// Everything the data lines are read with.
struct TLayout {
    TClimateRecordInfo Info;
    bool DecimalComma = false;
    std::size_t FieldCount = 0;
    int DateField = -1, YearField = -1, MonthField = -1, DayField = -1, DayOfYearField = -1;
    double Missing = -999; // besides -999 and -9999, the marker a NASA POWER header names
    int HeaderLine = 0;
};

// Where the layout keeps the position of a date column; null for other columns.
int* DateField(TLayout& layout, TDateRole role) {
    switch (role) {
    case TDateRole::Date:
        return &layout.DateField;
    case TDateRole::Year:
        return &layout.YearField;
    case TDateRole::Month:
        return &layout.MonthField;
    case TDateRole::Day:
        return &layout.DayField;
    case TDateRole::DayOfYear:
        return &layout.DayOfYearField;
    case TDateRole::None:
        break;
    }
    return nullptr;
}

std::string Names(std::initializer_list<const char*> names) {
    std::string text;
    for (const char* n : names)
        text += (text.empty() ? "" : ", ") + std::string(n);
    return text;
}

void RequireColumns(const TLayout& layout) {
    const TClimateRecordInfo& info = layout.Info;
    const std::string at = LinePrefix(layout.HeaderLine);
    auto has = [&](TMeteoQuantity q) { return info.Column(q) != nullptr; };
    if (!has(TMeteoQuantity::Tmin) || !has(TMeteoQuantity::Tmax)) {
        if (const TClimateColumn* mean = info.Column(TMeteoQuantity::Tmean))
            throw TQueltaError(at + ", column " + std::to_string(mean->Position + 1) + " \"" +
                               mean->Header +
                               "\": the record gives the mean temperature; the methods need the "
                               "minimum and the maximum temperature (Tmin and Tmax)");
        const bool min = !has(TMeteoQuantity::Tmin);
        throw TQueltaError(at + ": the record has no column of the " +
                           (min ? "minimum temperature (tmin, tn, T2M_MIN, ...)"
                                : "maximum temperature (tmax, tx, T2M_MAX, ...)"));
    }
    if (!has(TMeteoQuantity::Precipitation))
        throw TQueltaError(at + ": the record has no column of the precipitation (" +
                           Names({"precipitation", "rain", "prcp", "PRECTOTCORR"}) + ", ...)");
    if (!has(TMeteoQuantity::Sunshine) && !has(TMeteoQuantity::Radiation))
        throw TQueltaError(at + ": the record has no column of the sunshine hours or the solar "
                                "radiation (sunshine, radiation, srad, ALLSKY_SFC_SW_DWN, ...)");
    if (!has(TMeteoQuantity::RHmean) &&
        !(has(TMeteoQuantity::RHmax) && has(TMeteoQuantity::RHmin)) &&
        !has(TMeteoQuantity::DewPoint))
        throw TQueltaError(at + ": the record has no humidity: a column of the mean relative "
                                "humidity (rh, rhmean, RH2M), of RHmax with RHmin, or of the dew "
                                "point (dewpoint, tdew, T2MDEW)");
    if (!has(TMeteoQuantity::WindSpeed))
        throw TQueltaError(at + ": the record has no column of the wind speed (" +
                           Names({"wind", "windspeed", "ws", "WS2M", "WS10M"}) + ", ...)");
}

// Reads the layout, the header block if any, and the column header.
TLayout ReadLayout(TLineReader& lines, const TClimateReadOptions& options, bool needRadiationUnit) {
    TLayout layout;
    TClimateRecordInfo& info = layout.Info;
    std::string_view line;
    if (!lines.NextFilled(line))
        throw TQueltaError(LinePrefix(std::max(lines.Number(), 1)) + ": the file is empty");
    TPowerHeader power;
    if (TrimCsvField(line) == "-BEGIN HEADER-") {
        info.Layout = TClimateLayout::NasaPower;
        power = ReadPowerHeader(lines);
        info.Latitude = power.Latitude;
        info.Longitude = power.Longitude;
        info.Elevation = power.Elevation;
        layout.Missing = power.Missing;
        if (!lines.NextFilled(line))
            throw TQueltaError(LinePrefix(lines.Number()) +
                               ": the header block is not followed by a row of column names");
    }
    layout.HeaderLine = lines.Number();
    info.HeaderLines = lines.Number();
    const char separator = line.find('\t') != std::string_view::npos  ? '\t'
                           : line.find(';') != std::string_view::npos ? ';'
                                                                      : ',';
    info.Separator = separator;
    layout.DecimalComma = separator != ',';
    const std::vector<std::string> header = SplitCsvLine(line, separator);
    layout.FieldCount = header.size();

    std::vector<std::string> dateNames;
    for (std::size_t i = 0; i < header.size(); ++i) {
        const TCsvColumnName name = SplitColumnName(header[i]);
        const int position = static_cast<int>(i);
        if (int* field = DateField(layout, DateRoleOf(name.Name))) {
            *field = position;
            dateNames.push_back(header[i]);
            continue;
        }
        double height = 0;
        const auto quantity = QuantityOfColumn(name.Name, TNameSet::DailyRecord, &height);
        if (!quantity) {
            info.Ignored.push_back(header[i]);
            continue;
        }
        TClimateColumn column{position, header[i], *quantity, TCsvUnit::None, false};
        std::string unitText = name.Unit;
        if (unitText.empty())
            for (const auto& [parameter, unit] : power.Units)
                if (parameter == LowerCase(name.Name))
                    unitText = unit;
        column.Unit = UnitOfText(unitText);
        column.UnitStated = column.Unit != TCsvUnit::None;
        if (column.Unit == TCsvUnit::Unknown || !UnitFits(*quantity, column.Unit))
            throw TQueltaError(ColumnPrefix(lines.Number(), column) + ": the unit \"" + unitText +
                               "\" is not one the import knows for the " + QuantityText(*quantity));
        if (column.Unit == TCsvUnit::None)
            column.Unit = *quantity == TMeteoQuantity::Radiation ? options.RadiationUnit
                                                                 : DefaultUnit(*quantity);
        if (column.Unit == TCsvUnit::None && needRadiationUnit)
            throw TQueltaError(ColumnPrefix(lines.Number(), column) +
                               ": the file does not say the unit of the solar radiation; choose "
                               "MJ/m²/day, W/m² or kWh/m²/day");

        TClimateColumn* same = nullptr;
        for (TClimateColumn& c : info.Columns)
            if (c.Quantity == column.Quantity)
                same = &c;
        // A wind measured at 2 m needs no conversion: it wins over other heights.
        const bool betterWind =
            same && *quantity == TMeteoQuantity::WindSpeed && height == 2 && info.WindHeight != 2.0;
        if (same && !betterWind) {
            info.Ignored.push_back(header[i]);
            continue;
        }
        if (*quantity == TMeteoQuantity::WindSpeed)
            info.WindHeight = height > 0 ? std::optional(height) : std::nullopt;
        if (same) {
            info.Ignored.push_back(same->Header);
            *same = column;
        } else {
            info.Columns.push_back(column);
        }
    }

    const bool byDate = layout.DateField >= 0;
    const bool byDay = layout.YearField >= 0 && layout.MonthField >= 0 && layout.DayField >= 0;
    const bool byDayOfYear = layout.YearField >= 0 && layout.DayOfYearField >= 0;
    if (!byDate && !byDay && !byDayOfYear)
        throw TQueltaError(LinePrefix(layout.HeaderLine) +
                           ": not a daily climate record that Quelta knows: the header names no "
                           "date (a \"date\" column, or \"year\" with \"month\" and \"day\", or "
                           "\"year\" with \"doy\")");
    if (byDate)
        layout.YearField = layout.MonthField = layout.DayField = layout.DayOfYearField = -1;
    else if (byDay)
        layout.DayOfYearField = -1;
    else
        layout.MonthField = layout.DayField = -1;
    for (const std::string& n : dateNames)
        info.DateColumns += (info.DateColumns.empty() ? "" : ", ") + n;
    RequireColumns(layout);
    // A mean temperature beside Tmin and Tmax adds nothing.
    std::erase_if(info.Columns, [&](const TClimateColumn& c) {
        if (c.Quantity != TMeteoQuantity::Tmean)
            return false;
        info.Ignored.push_back(c.Header);
        return true;
    });
    return layout;
}

class TDayReader {
public:
    TDayReader(const TLayout& layout) : layout(layout) {}

    // Fills day from the fields of one data line.
    void Read(const std::vector<std::string>& fields, int line, TClimateDay& day) const {
        if (fields.size() != layout.FieldCount)
            throw TQueltaError(LinePrefix(line) + ": " + std::to_string(fields.size()) +
                               " fields where the header names " +
                               std::to_string(layout.FieldCount));
        day.Line = line;
        day.Date = Date(fields, line);
        day.Values.fill(kNoValue);
        for (const TClimateColumn& column : layout.Info.Columns)
            day.Values[static_cast<int>(column.Quantity)] =
                Value(fields[column.Position], line, column);
    }

private:
    const TLayout& layout;

    [[noreturn]] void BadDate(int line, int field, const std::string& text) const {
        throw TQueltaError(LinePrefix(line) + ", column " + std::to_string(field + 1) + ": \"" +
                           text + "\" is not a date");
    }

    int Part(const std::vector<std::string>& fields, int field, int line) const {
        bool ok = false;
        const int value = WholeNumber(fields[field], ok);
        if (!ok)
            BadDate(line, field, fields[field]);
        return value;
    }

    TClimateDate Date(const std::vector<std::string>& fields, int line) const {
        if (layout.DateField >= 0) {
            const auto date = ParseDateText(fields[layout.DateField]);
            if (!date)
                BadDate(line, layout.DateField, fields[layout.DateField]);
            return *date;
        }
        const int year = Part(fields, layout.YearField, line);
        if (year < 1 || year > 9999)
            BadDate(line, layout.YearField, fields[layout.YearField]);
        if (layout.DayOfYearField >= 0) {
            const int doy = Part(fields, layout.DayOfYearField, line);
            if (doy < 1 || doy > (IsLeapYear(year) ? 366 : 365))
                BadDate(line, layout.DayOfYearField, fields[layout.DayOfYearField]);
            return DateOfDayOfYear(year, doy);
        }
        const TClimateDate date{year, Part(fields, layout.MonthField, line),
                                Part(fields, layout.DayField, line)};
        if (date.Month < 1 || date.Month > 12)
            BadDate(line, layout.MonthField, fields[layout.MonthField]);
        if (!ValidDate(date))
            BadDate(line, layout.DayField, fields[layout.DayField]);
        return date;
    }

    double Value(const std::string& field, int line, const TClimateColumn& column) const {
        if (IsMissingText(field))
            return kNoValue;
        double value = 0;
        if (!ParseCsvNumber(field, layout.DecimalComma, value))
            throw TQueltaError(ColumnPrefix(line, column) + ": \"" + field + "\" is not a number");
        if (value == layout.Missing || value == -999 || value == -9999)
            return kNoValue;
        const double metric = ToMetric(column.Unit, value);
        const TPossible possible = PossibleRange(column.Quantity);
        if (!(metric >= possible.Low && metric <= possible.High))
            throw TQueltaError(ColumnPrefix(line, column) + ": " + field +
                               " is not a possible value of the " + QuantityText(column.Quantity));
        return IsHumidity(column.Quantity) ? std::min(metric, 100.0) : metric;
    }
};

} // namespace

bool IsLeapYear(int year) {
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int DaysInMonthOfYear(int year, int month) {
    static constexpr int kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && IsLeapYear(year) ? 29 : kDays[month - 1];
}

std::string ClimateDateText(const TClimateDate& date) {
    char text[16];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d", date.Year, date.Month, date.Day);
    return text;
}

const TClimateColumn* TClimateRecordInfo::Column(TMeteoQuantity quantity) const {
    for (const TClimateColumn& c : Columns)
        if (c.Quantity == quantity)
            return &c;
    return nullptr;
}

TClimateRecordInfo ReadClimateHeader(std::istream& in) {
    TLineReader lines(in);
    return ReadLayout(lines, {}, false).Info;
}

TClimateRecordInfo ReadClimateRecord(std::istream& in, std::uint64_t totalBytes,
                                     const TClimateReadOptions& options, TClimateDaySink& sink) {
    TLineReader lines(in);
    TLayout layout = ReadLayout(lines, options, true);
    TClimateRecordInfo& info = layout.Info;
    sink.Begin(info);
    const TDayReader reader(layout);
    std::vector<std::string> fields;
    TClimateDay day;
    std::string_view line;
    int sinceProgress = 0;
    while (lines.Next(line)) {
        if (IsBlankLine(line))
            continue;
        SplitCsvLine(line, info.Separator, fields);
        reader.Read(fields, lines.Number(), day);
        if (info.DayCount > 0 && day.Date <= info.Last) {
            const int field = layout.DateField >= 0 ? layout.DateField : layout.YearField;
            throw TQueltaError(LinePrefix(lines.Number()) + ", column " +
                               std::to_string(field + 1) + ": " + ClimateDateText(day.Date) +
                               (day.Date == info.Last
                                    ? " is repeated"
                                    : " comes after " + ClimateDateText(info.Last)));
        }
        if (info.DayCount == 0)
            info.First = day.Date;
        info.Last = day.Date;
        ++info.DayCount;
        sink.Day(day);
        if (options.Progress && ++sinceProgress == kLinesPerProgress) {
            sinceProgress = 0;
            const double share = totalBytes > 0 ? std::min(1.0, static_cast<double>(lines.Bytes()) /
                                                                    static_cast<double>(totalBytes))
                                                : 0.0;
            if (!options.Progress(share))
                throw TClimateReadStopped();
        }
    }
    if (info.DayCount == 0)
        throw TQueltaError(LinePrefix(lines.Number()) + ": the record holds no days");
    sink.End();
    return info;
}

TClimateRecordInfo ReadClimateRecordFile(const std::string& fileName,
                                         const TClimateReadOptions& options,
                                         TClimateDaySink& sink) {
    std::ifstream in(fileName, std::ios::binary | std::ios::ate);
    if (!in)
        throw TFileError("Cannot open file \"" + fileName + "\"");
    const auto size = static_cast<std::uint64_t>(std::max<std::streamoff>(in.tellg(), 0));
    in.seekg(0);
    return ReadClimateRecord(in, size, options, sink);
}

TClimateRecordInfo ReadClimateHeaderFile(const std::string& fileName) {
    std::ifstream in(fileName, std::ios::binary);
    if (!in)
        throw TFileError("Cannot open file \"" + fileName + "\"");
    return ReadClimateHeader(in);
}

std::string ClimateLayoutText(const TClimateRecordInfo& info) {
    if (info.Layout == TClimateLayout::NasaPower)
        return "NASA POWER daily CSV";
    const char* separator = info.Separator == '\t'  ? "tab"
                            : info.Separator == ';' ? "semicolon"
                                                    : "comma";
    return std::string("CSV with a header, ") + separator + " separated";
}
