#pragma once

// Daily climate records as weather services give them, read as a stream: one day at a time goes
// to a sink, so a reader holds one line, never the record. Two layouts, told apart by their
// first line:
//   - a CSV table whose header names its columns: the date as one `date` column (ISO 8601,
//     YYYYMMDD, or day/month/year with "/", "." or "-"), or `year` with `month` and `day`, or
//     `year` with `doy`; the variables by their usual names with an optional unit in brackets.
//     Comma, semicolon or tab separated; a decimal comma only with semicolons or tabs.
//   - the daily CSV of NASA POWER: a header block between "-BEGIN HEADER-" and "-END HEADER-"
//     that gives the site, the missing-value marker and each parameter's unit, then `YEAR,MO,DY`
//     or `YEAR,DOY` columns.
// Values reach the sink in the program's units (°C, mm, hours, %, m/s; radiation in W/m² as a
// 24-hour mean); a value the record lacks is NaN. Any fault raises TQueltaError whose text names
// the line, and the column where there is one.

#include "data/cCsvColumns.h"

#include <array>
#include <cmath>
#include <cstdint>
#include <functional>
#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

enum class TClimateLayout { Csv, NasaPower };

struct TClimateDate {
    int Year = 0;
    int Month = 0;
    int Day = 0;
    auto operator<=>(const TClimateDate&) const = default;
};
bool IsLeapYear(int year);
int DaysInMonthOfYear(int year, int month);
// "2019-12-31"
std::string ClimateDateText(const TClimateDate& date);

// One column of the record that the import uses.
struct TClimateColumn {
    int Position = 0;          // from 0
    std::string Header;        // as the file writes it
    TMeteoQuantity Quantity{}; // what it holds
    TCsvUnit Unit{};           // the unit its values are read in
    bool UnitStated = false;   // said by the file, not assumed
};

// What the header of a record says.
struct TClimateRecordInfo {
    TClimateLayout Layout = TClimateLayout::Csv;
    char Separator = ',';
    std::string DateColumns; // "date", "YEAR, MO, DY", "year, doy", ...
    std::vector<TClimateColumn> Columns;
    std::vector<std::string> Ignored; // columns the import does not use
    std::optional<double> Latitude;   // decimal degrees, north positive
    std::optional<double> Longitude;
    std::optional<double> Elevation;  // m
    std::optional<double> WindHeight; // m, from the wind column's name
    int HeaderLines = 0;              // lines before the first day
    // Filled as the days are read:
    TClimateDate First, Last;
    int DayCount = 0;

    // The column of a quantity, or null.
    const TClimateColumn* Column(TMeteoQuantity quantity) const;
};

// The values of one day, indexed by TMeteoQuantity; NaN where the record has none.
struct TClimateDay {
    TClimateDate Date;
    int Line = 0; // for messages about the day
    std::array<double, kMeteoQuantityCount> Values{};

    double Value(TMeteoQuantity q) const { return Values[static_cast<int>(q)]; }
    bool Has(TMeteoQuantity q) const { return !std::isnan(Value(q)); }
};

class TClimateDaySink {
public:
    virtual ~TClimateDaySink() = default;
    // The header has been read; the days follow.
    virtual void Begin(const TClimateRecordInfo& info) = 0;
    virtual void Day(const TClimateDay& day) = 0;
    // After the last day.
    virtual void End() = 0;
};

struct TClimateReadOptions {
    // The radiation unit where the file does not state it; None leaves it unknown, which stops
    // the read of a record with a radiation column.
    TCsvUnit RadiationUnit = TCsvUnit::None;
    // Told the share of the bytes read (0..1) every few thousand lines; returning false stops
    // the read with TClimateReadStopped.
    std::function<bool(double)> Progress;
};

// The user stopped a read through the progress callback.
class TClimateReadStopped : public std::exception {
public:
    const char* what() const noexcept override { return "The read was stopped"; }
};

// Reads only the header: layout, columns, units and site. A record whose radiation unit is not
// known comes back with that column's Unit None.
TClimateRecordInfo ReadClimateHeader(std::istream& in);
// Reads the whole record into sink; totalBytes (0 when unknown) scales the progress.
TClimateRecordInfo ReadClimateRecord(std::istream& in, std::uint64_t totalBytes,
                                     const TClimateReadOptions& options, TClimateDaySink& sink);
TClimateRecordInfo ReadClimateRecordFile(const std::string& fileName,
                                         const TClimateReadOptions& options, TClimateDaySink& sink);
TClimateRecordInfo ReadClimateHeaderFile(const std::string& fileName);

// "CSV with a header, comma separated" or "NASA POWER daily CSV".
std::string ClimateLayoutText(const TClimateRecordInfo& info);
