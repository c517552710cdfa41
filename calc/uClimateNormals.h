#pragma once

// From a daily climate record to the meteo data of the project.
//
// The days of the record stream through a TClimateAccumulator, which keeps per year and month
// the sum and count of each variable (memory grows with the years, not the days) and, for daily
// normals, per day of the year over the chosen years. Sunshine comes from solar radiation day by
// day through the program's own Angstrom relation and astronomy; humidity from the mean, from
// RHmax and RHmin, or from the dew point as vapour pressure. MakeClimateNormals then averages
// the years into the eight meteo series: monthly normals (the mean monthly rainfall total, or
// the dependable rainfall exceeded in P % of the years) or daily normals, leaving out every month
// of a year with fewer than 80 % of its days, and fits the result to the meteo editor's rules so
// that no cell comes out red.

#include "calc/uReferenceET.h"
#include "data/cClimateRecord.h"
#include "data/cMeteo.h"

#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

class TGeneral;
class TGuiSettings;

// The eight variables of the meteo data, in the order of its series.
enum class TClimateVariable { Tmin, Tmax, Precipitation, Sunshine, Humidity, RHmax, Wind, Ratio };
constexpr int kClimateVariableCount = 8;
std::string ClimateVariableName(int variable); // "Tmin", ..., "Humidity", "Wind speed"

// The share of a month's days a year must have for that month to count.
constexpr double kClimateMonthShare = 0.8;
// The probabilities of exceedance offered for dependable rainfall, %.
constexpr std::array<int, 4> kDependableRainP{50, 75, 80, 90};

// Sunshine hours of a day from its solar radiation (W/m², a 24-hour mean): the program's
// Angstrom relation Rs = (0.25 + 0.5 n/N) Ra turned round, kept within 0..N.
double SunshineFromRadiation(double radiation, const TDaySun& sun);

// Day 1..365 of the program's year of a calendar date: 29 February is folded into 28 February,
// later days of a leap year move back one.
int ClimateDayOfYear(const TClimateDate& date);

// The monthly rainfall exceeded in p % of the years: the totals sorted from wet to dry get the
// exceedance m / (n + 1) (Weibull, m the rank), and the value at p % is interpolated linearly
// between the two ranks around m = p (n + 1) / 100. Empty when that rank lies outside 1..n.
std::optional<double> DependableRainfall(std::vector<double> totals, int p);
// The fewest years for which p % falls within the ranks.
int YearsForDependableRainfall(int p);

// A site's latitude in decimal degrees (north positive) as the general data hold one.
TGeneral SiteAtLatitude(double degrees);

struct TSum {
    double Sum = 0;
    int Count = 0;
    void Add(double value) {
        Sum += value;
        ++Count;
    }
    double Mean() const { return Sum / Count; }
};

class TClimateAccumulator : public TClimateDaySink {
public:
    // latitudeRadians: the site of the astronomy (radiation to sunshine). dailyYears: also gather
    // the days of the year over these years (first, last), for daily normals.
    explicit TClimateAccumulator(double latitudeRadians,
                                 std::optional<std::pair<int, int>> dailyYears = std::nullopt);

    void Begin(const TClimateRecordInfo& info) override;
    void Day(const TClimateDay& day) override;
    void End() override;

    struct TYear {
        int Year = 0;
        std::array<std::array<TSum, 12>, kClimateVariableCount> Months{};
    };
    const std::vector<TYear>& Years() const { return years; }
    // Sums per day of the year 1..365 (index 0 is day 1) over the daily years.
    using TDaySums = std::array<std::array<TSum, 365>, kClimateVariableCount>;
    const TDaySums* DaySums() const { return daySums.get(); }
    std::optional<std::pair<int, int>> DailyYears() const { return dailyYears; }
    bool InRecord(int variable) const { return inRecord[variable]; }
    // Humidity is gathered as vapour pressure (kPa) when it comes from the dew point.
    bool HumidityAsVapourPressure() const { return humidity == THumidity::DewPoint; }
    // What each variable is taken from: a column's header, or how it is worked out.
    const std::string& Source(int variable) const { return source[variable]; }

private:
    enum class THumidity { Mean, MaxMin, DewPoint };
    std::array<TDaySun, 366> sun{}; // by day of the program's year
    std::optional<std::pair<int, int>> dailyYears;
    double latitude; // radians, for messages
    THumidity humidity = THumidity::Mean;
    bool fromRadiation = false;
    TClimateColumn radiation; // for messages about a day's value
    std::array<bool, kClimateVariableCount> inRecord{};
    std::array<std::string, kClimateVariableCount> source;
    std::vector<TYear> years;
    std::unique_ptr<TDaySums> daySums;
    // The month being read, for the 80 % rule of the daily normals.
    TClimateDate month{};
    std::array<std::array<double, 31>, kClimateVariableCount> monthDays{};

    void FlushMonth();
};

struct TClimateChoices {
    int FromYear = 0; // 0: the record's first year
    int ToYear = 0;   // 0: its last
    bool DailyNormals = false;
    int RainP = 0; // 0: the mean rainfall; 50, 75, 80 or 90: the dependable rainfall
    std::optional<double> WindHeight; // m; else the record's, else 2 m
};

struct TClimateVariableSummary {
    bool InRecord = false;
    std::string Source;
    int DaysUsed = 0;                // values in the months that count
    int DaysMissing = 0;             // days of the chosen years within the record without one
    std::array<int, 12> YearsUsed{}; // per month
};

struct TClimateResult {
    TMeteo Meteo; // the eight series and the wind height, not yet the project's
    int FromYear = 0, ToYear = 0;
    bool DailyNormals = false;
    int RainP = 0;
    std::string WindHeightSource; // "WS10M", "chosen", "assumed"
    std::array<TClimateVariableSummary, kClimateVariableCount> Variables;
    std::vector<std::string> Notes; // what was changed to fit the editor's rules
};

// The normals of the chosen years. general gives the sunshine limit (its latitude, as the meteo
// editor takes it) and units the period and units the editor shows them in. Raises TQueltaError
// when a month (or day) has no usable year, when the dependable rainfall needs more years than
// the record gives, or when a value would still break the editor's range.
TClimateResult MakeClimateNormals(const TClimateAccumulator& days, const TClimateRecordInfo& info,
                                  const TClimateChoices& choices, const TGeneral& general,
                                  const TGuiSettings& units);

// Lowers sunshine above the editor's limit to it and raises RHmax below RHmean to it, row by row
// of the period units show; raises TQueltaError naming the first cell still out of range.
void FitToMeteoEditor(TMeteo& meteo, const TGeneral& general, const TGuiSettings& units,
                      std::vector<std::string>& notes);

// The summary as a table: variable, taken from, years used, days used, days missing.
std::vector<std::array<std::string, 5>> ClimateSummaryRows(const TClimateResult& result);
// "30", or "27 to 30": the fewest and the most years of any month.
std::string YearsUsedText(const TClimateVariableSummary& variable);

// Everything of one import, as `quelta-cli climate` and the meteo editor's preview do it.
struct TClimateImportOptions {
    TCsvUnit RadiationUnit = TCsvUnit::None; // where the file does not say
    std::optional<double> Latitude;          // decimal degrees; else the record's, else general's
    TClimateChoices Choices;
};
// The latitude (decimal degrees) that turns radiation into sunshine, and where it comes from.
std::pair<double, std::string> ClimateLatitude(const TClimateRecordInfo& info,
                                               const TClimateImportOptions& options,
                                               const TGeneral& general);

struct TClimateRead {
    TClimateRecordInfo Info;
    std::unique_ptr<TClimateAccumulator> Days;
    std::pair<double, std::string> Latitude;
};
// Reads the record's header, settles the latitude, then streams the days into an accumulator
// (with the days of the year of the chosen years when daily normals are chosen).
TClimateRead ReadClimateForImport(const std::string& fileName, const TClimateImportOptions& options,
                                  const TGeneral& general,
                                  const std::function<bool(double)>& progress = {});
