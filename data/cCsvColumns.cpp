#include "data/cCsvColumns.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <charconv>
#include <cmath>
#include <initializer_list>

namespace {

struct TQuantityNames {
    TMeteoQuantity Quantity;
    const char* Name; // in a table of normals
    // In daily records, lower case without blanks, "_", "-" or ".".
    std::initializer_list<const char*> RecordNames;
};

// clang-format off
const std::array<TQuantityNames, kMeteoQuantityCount> kNames{{
    {TMeteoQuantity::Tmin, "Tmin", {"tmin", "tn", "mintemp", "tempmin", "temperaturemin", "minimumtemperature", "t2mmin", "mint"}},
    {TMeteoQuantity::Tmax, "Tmax", {"tmax", "tx", "maxtemp", "tempmax", "temperaturemax", "maximumtemperature", "t2mmax", "maxt"}},
    {TMeteoQuantity::Precipitation, "Precipitation", {"precipitation", "precip", "prcp", "rain", "rainfall", "prectotcorr", "prectot", "ppt", "pr"}},
    {TMeteoQuantity::Sunshine, "Sunshine", {"sunshine", "sunshinehours", "sunhours", "sun", "ssd"}},
    {TMeteoQuantity::RHmean, "RHmean", {"rhmean", "rh", "rh2m", "relativehumidity", "humidity", "rhavg", "meanrh"}},
    {TMeteoQuantity::RHmax, "RHmax", {"rhmax", "maxrh"}},
    {TMeteoQuantity::WindSpeed, "WindSpeed", {"windspeed", "wind", "ws", "wspd", "u"}},
    {TMeteoQuantity::WindRatio, "WindRatio", {"windratio", "daynightwindratio"}},
    {TMeteoQuantity::Tmean, "Tmean", {"tmean", "tavg", "temp", "temperature", "t2m", "meantemp", "tempmean", "tm"}},
    {TMeteoQuantity::Radiation, "Radiation", {"radiation", "solarradiation", "globalradiation", "allskysfcswdwn", "srad", "solar", "rs", "rad"}},
    {TMeteoQuantity::RHmin, "RHmin", {"rhmin", "minrh"}},
    {TMeteoQuantity::DewPoint, "DewPoint", {"dewpoint", "tdew", "t2mdew", "td", "dew"}},
}};
// clang-format on

// Names that carry the wind's height as digits after them, "ws10m", "wind2m", "u2".
const std::array<const char*, 4> kWindPrefixes{"windspeed", "wind", "ws", "u"};

std::string RecordKey(std::string_view name) {
    std::string key;
    for (char c : name)
        if (c != ' ' && c != '_' && c != '-' && c != '.' && c != '\t')
            key += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return key;
}

std::optional<double> WindHeightOf(const std::string& key) {
    for (const char* prefix : kWindPrefixes) {
        const std::string_view p(prefix);
        if (key.size() <= p.size() || key.compare(0, p.size(), p) != 0)
            continue;
        std::string_view rest(key);
        rest.remove_prefix(p.size());
        if (rest.back() == 'm')
            rest.remove_suffix(1);
        int height = 0;
        const auto [end, ec] = std::from_chars(rest.data(), rest.data() + rest.size(), height);
        if (ec == std::errc() && end == rest.data() + rest.size() && height > 0)
            return height;
    }
    return std::nullopt;
}

bool IsBlank(char c) {
    return std::isspace(static_cast<unsigned char>(c)) || c == '"';
}

} // namespace

const char* MeteoQuantityName(TMeteoQuantity quantity) {
    return kNames[static_cast<int>(quantity)].Name;
}

std::optional<TMeteoQuantity> QuantityOfColumn(std::string_view name, TNameSet names,
                                               double* heightMetres) {
    if (names == TNameSet::Normals) {
        const std::string lower = LowerCase(name);
        for (int q = 0; q <= static_cast<int>(TMeteoQuantity::WindRatio); ++q)
            if (lower == LowerCase(kNames[q].Name))
                return kNames[q].Quantity;
        return std::nullopt;
    }
    const std::string key = RecordKey(name);
    for (const TQuantityNames& entry : kNames)
        for (const char* alias : entry.RecordNames)
            if (key == alias)
                return entry.Quantity;
    if (const auto height = WindHeightOf(key)) {
        if (heightMetres)
            *heightMetres = *height;
        return TMeteoQuantity::WindSpeed;
    }
    return std::nullopt;
}

TCsvUnit UnitOfText(std::string_view unit) {
    std::string key;
    for (std::size_t i = 0; i < unit.size(); ++i) {
        const char c = unit[i];
        if (c == '\xC2' && i + 1 < unit.size()) { // UTF-8 "°" and "²"
            if (unit[i + 1] == '\xB2')
                key += '2';
            ++i;
            continue;
        }
        if (c == ' ' || c == '^' || c == '-' || c == '_')
            continue;
        key += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    if (key.empty())
        return TCsvUnit::None;
    // The "per day" of a daily record says nothing more.
    for (const char* day : {"/day", "/d", "day1", "d1"})
        if (key.size() > std::string_view(day).size() && key.ends_with(day)) {
            key.resize(key.size() - std::string_view(day).size());
            break;
        }
    struct TUnitName {
        const char* Text;
        TCsvUnit Unit;
    };
    // clang-format off
    static const TUnitName kUnits[] = {
        {"c", TCsvUnit::Celsius}, {"degc", TCsvUnit::Celsius}, {"celsius", TCsvUnit::Celsius},
        {"f", TCsvUnit::Fahrenheit}, {"degf", TCsvUnit::Fahrenheit}, {"fahrenheit", TCsvUnit::Fahrenheit},
        {"mm", TCsvUnit::Millimetre}, {"in", TCsvUnit::Inch}, {"inch", TCsvUnit::Inch}, {"inches", TCsvUnit::Inch},
        {"h", TCsvUnit::Hours}, {"hr", TCsvUnit::Hours}, {"hrs", TCsvUnit::Hours}, {"hour", TCsvUnit::Hours}, {"hours", TCsvUnit::Hours},
        {"%", TCsvUnit::Percent}, {"percent", TCsvUnit::Percent},
        {"m/s", TCsvUnit::MetresPerSecond}, {"ms1", TCsvUnit::MetresPerSecond}, {"m/sec", TCsvUnit::MetresPerSecond},
        {"km/h", TCsvUnit::KilometresPerHour}, {"kmh", TCsvUnit::KilometresPerHour}, {"kph", TCsvUnit::KilometresPerHour},
        {"mj/m2", TCsvUnit::MegajoulesPerDay}, {"mjm2", TCsvUnit::MegajoulesPerDay},
        {"w/m2", TCsvUnit::WattsPerSquareMetre}, {"wm2", TCsvUnit::WattsPerSquareMetre},
        {"kwh/m2", TCsvUnit::KilowattHoursPerDay}, {"kwhr/m2", TCsvUnit::KilowattHoursPerDay}, {"kwhm2", TCsvUnit::KilowattHoursPerDay},
    };
    // clang-format on
    for (const TUnitName& u : kUnits)
        if (key == u.Text)
            return u.Unit;
    return TCsvUnit::Unknown;
}

std::string UnitLabel(TCsvUnit unit) {
    switch (unit) {
    case TCsvUnit::Celsius:
        return "°C";
    case TCsvUnit::Fahrenheit:
        return "°F";
    case TCsvUnit::Millimetre:
        return "mm";
    case TCsvUnit::Inch:
        return "in";
    case TCsvUnit::Hours:
        return "hours";
    case TCsvUnit::Percent:
        return "%";
    case TCsvUnit::MetresPerSecond:
        return "m/s";
    case TCsvUnit::KilometresPerHour:
        return "km/h";
    case TCsvUnit::MegajoulesPerDay:
        return "MJ/m²/day";
    case TCsvUnit::WattsPerSquareMetre:
        return "W/m²";
    case TCsvUnit::KilowattHoursPerDay:
        return "kWh/m²/day";
    case TCsvUnit::None:
    case TCsvUnit::Unknown:
        break;
    }
    return "";
}

bool UnitFits(TMeteoQuantity quantity, TCsvUnit unit) {
    switch (quantity) {
    case TMeteoQuantity::Tmin:
    case TMeteoQuantity::Tmax:
    case TMeteoQuantity::Tmean:
    case TMeteoQuantity::DewPoint:
        return unit == TCsvUnit::None || unit == TCsvUnit::Celsius || unit == TCsvUnit::Fahrenheit;
    case TMeteoQuantity::Precipitation:
        return unit == TCsvUnit::None || unit == TCsvUnit::Millimetre || unit == TCsvUnit::Inch;
    case TMeteoQuantity::Sunshine:
        return unit == TCsvUnit::None || unit == TCsvUnit::Hours;
    case TMeteoQuantity::RHmean:
    case TMeteoQuantity::RHmax:
    case TMeteoQuantity::RHmin:
        return unit == TCsvUnit::None || unit == TCsvUnit::Percent;
    case TMeteoQuantity::WindSpeed:
        return unit == TCsvUnit::None || unit == TCsvUnit::MetresPerSecond ||
               unit == TCsvUnit::KilometresPerHour;
    case TMeteoQuantity::WindRatio:
        return unit == TCsvUnit::None;
    case TMeteoQuantity::Radiation:
        return unit == TCsvUnit::None || unit == TCsvUnit::MegajoulesPerDay ||
               unit == TCsvUnit::WattsPerSquareMetre || unit == TCsvUnit::KilowattHoursPerDay;
    }
    return false;
}

TCsvUnit DefaultUnit(TMeteoQuantity quantity) {
    switch (quantity) {
    case TMeteoQuantity::Tmin:
    case TMeteoQuantity::Tmax:
    case TMeteoQuantity::Tmean:
    case TMeteoQuantity::DewPoint:
        return TCsvUnit::Celsius;
    case TMeteoQuantity::Precipitation:
        return TCsvUnit::Millimetre;
    case TMeteoQuantity::Sunshine:
        return TCsvUnit::Hours;
    case TMeteoQuantity::RHmean:
    case TMeteoQuantity::RHmax:
    case TMeteoQuantity::RHmin:
        return TCsvUnit::Percent;
    case TMeteoQuantity::WindSpeed:
        return TCsvUnit::MetresPerSecond;
    case TMeteoQuantity::WindRatio:
    case TMeteoQuantity::Radiation: // a radiation unit must be said, by the file or the user
        return TCsvUnit::None;
    }
    return TCsvUnit::None;
}

double ToMetric(TCsvUnit unit, double value) {
    constexpr double kMegajoulesPerWattDay = 0.0864; // 1 W/m² over 24 hours
    switch (unit) {
    case TCsvUnit::Fahrenheit:
        return (value - 32) * 5 / 9;
    case TCsvUnit::Inch:
        return value * 25.4;
    case TCsvUnit::KilometresPerHour:
        return value / 3.6;
    case TCsvUnit::MegajoulesPerDay:
        return value / kMegajoulesPerWattDay;
    case TCsvUnit::KilowattHoursPerDay:
        return value * 3.6 / kMegajoulesPerWattDay;
    default:
        return value;
    }
}

TCsvColumnName SplitColumnName(std::string_view cell) {
    const std::string text = TrimCsvField(cell);
    const std::size_t open = text.find_first_of("([");
    if (open == std::string::npos)
        return {text, ""};
    const char close = text[open] == '(' ? ')' : ']';
    const std::size_t end = text.find(close, open + 1);
    const std::string unit =
        text.substr(open + 1, end == std::string::npos ? std::string::npos : end - open - 1);
    return {TrimCsvField(text.substr(0, open)), TrimCsvField(unit)};
}

std::string TrimCsvField(std::string_view field) {
    while (!field.empty() && IsBlank(field.back()))
        field.remove_suffix(1);
    while (!field.empty() && IsBlank(field.front()))
        field.remove_prefix(1);
    return std::string(field);
}

std::string LowerCase(std::string_view text) {
    std::string lower(text);
    for (char& c : lower)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return lower;
}

void SplitCsvLine(std::string_view line, char separator, std::vector<std::string>& fields) {
    std::size_t count = 0;
    auto add = [&](std::string_view field) {
        while (!field.empty() && IsBlank(field.back()))
            field.remove_suffix(1);
        while (!field.empty() && IsBlank(field.front()))
            field.remove_prefix(1);
        if (count < fields.size())
            fields[count].assign(field);
        else
            fields.emplace_back(field);
        ++count;
    };
    std::size_t start = 0;
    while (start < line.size()) {
        const std::size_t end = line.find(separator, start);
        if (end == std::string_view::npos) {
            add(line.substr(start));
            start = line.size() + 1;
            break;
        }
        add(line.substr(start, end - start));
        start = end + 1;
    }
    if (start == line.size() && !line.empty())
        add({}); // the line ends with the separator
    fields.resize(count);
}

std::vector<std::string> SplitCsvLine(std::string_view line, char separator) {
    std::vector<std::string> fields;
    SplitCsvLine(line, separator, fields);
    return fields;
}

bool ParseCsvNumber(std::string_view field, bool decimalComma, double& value) {
    if (!field.empty() && field.front() == '+')
        field.remove_prefix(1);
    if (field.empty())
        return false;
    const char* first = field.data();
    const char* last = first + field.size();
    std::string swapped;
    if (decimalComma && field.find(',') != std::string_view::npos) {
        swapped.assign(field);
        std::replace(swapped.begin(), swapped.end(), ',', '.');
        first = swapped.data();
        last = first + swapped.size();
    }
    const auto [end, ec] = std::from_chars(first, last, value);
    return ec == std::errc() && end == last && std::isfinite(value);
}
