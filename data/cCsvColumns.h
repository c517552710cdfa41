#pragma once

// The header and fields of a CSV table of meteo data, as both imports read them: the table of
// monthly normals and the daily climate record. Fields are trimmed of blanks and quotes, column
// names are compared ignoring case, a unit may follow a name in brackets ("Tmax (°C)",
// "rain [mm]"), and numbers are read in full or not at all.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The quantities a column can hold. The first eight are the meteo record's series in file order.
enum class TMeteoQuantity {
    Tmin,
    Tmax,
    Precipitation,
    Sunshine,
    RHmean,
    RHmax,
    WindSpeed,
    WindRatio,
    Tmean, // refused by the record import: the methods need Tmin and Tmax
    Radiation,
    RHmin,
    DewPoint,
};
constexpr int kMeteoQuantityCount = 12;

// "Tmin", "Tmax", "Precipitation", ...: the name of a quantity in a table of normals.
const char* MeteoQuantityName(TMeteoQuantity quantity);

enum class TNameSet {
    Normals,     // only the record's own names ("WindSpeed"), as the normals table has them
    DailyRecord, // also the names daily records use ("tmax", "prcp", "T2M_MAX", "RH2M", ...)
};
// The quantity a column name stands for, compared ignoring case; in a daily record also ignoring
// blanks, "_", "-" and ".". A wind column may carry its height ("WS10M", "wind 2m"): heightMetres
// then receives it.
std::optional<TMeteoQuantity> QuantityOfColumn(std::string_view name, TNameSet names,
                                               double* heightMetres = nullptr);

// The units a column may state. None when the header says nothing; Unknown for any other text.
enum class TCsvUnit {
    None,
    Unknown,
    Celsius,
    Fahrenheit,
    Millimetre,
    Inch,
    Hours,
    Percent,
    MetresPerSecond,
    KilometresPerHour,
    MegajoulesPerDay, // MJ/m²/day
    WattsPerSquareMetre,
    KilowattHoursPerDay, // kWh/m²/day, "kW-hr/m^2/day"
};
TCsvUnit UnitOfText(std::string_view unit);
// How a unit is written in messages and summaries: "°C", "MJ/m²/day", ...
std::string UnitLabel(TCsvUnit unit);
// Whether a column of the quantity may carry the unit, and the unit it has when none is stated.
bool UnitFits(TMeteoQuantity quantity, TCsvUnit unit);
TCsvUnit DefaultUnit(TMeteoQuantity quantity);
// The value in the program's unit of its quantity (°C, mm, hours, %, m/s, W/m² of a 24-hour mean).
double ToMetric(TCsvUnit unit, double value);

// A header cell split into its name and the unit in brackets after it: "Tmax (°C)" gives "Tmax"
// and "°C"; without brackets the unit is empty.
struct TCsvColumnName {
    std::string Name;
    std::string Unit;
};
TCsvColumnName SplitColumnName(std::string_view cell);

std::string TrimCsvField(std::string_view field); // blanks and double quotes at both ends
std::string LowerCase(std::string_view text);

// The fields of a line, trimmed. A line that ends with the separator has an empty last field; an
// empty line has none. Fields are written into `fields`, which keeps its storage between lines.
void SplitCsvLine(std::string_view line, char separator, std::vector<std::string>& fields);
std::vector<std::string> SplitCsvLine(std::string_view line, char separator);

// A whole field as one finite number; "+" may lead. With decimalComma "," stands for the decimal
// point (tables separated by semicolons or tabs). False when the field is anything else.
bool ParseCsvNumber(std::string_view field, bool decimalComma, double& value);
