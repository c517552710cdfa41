#include "calc/uClimateNormals.h"

#include "calc/uMeteoRanges.h"
#include "calc/uRangeCheck.h"
#include "core/cCalendar.h"
#include "core/cError.h"
#include "core/cGuiSettings.h"
#include "core/cNumberFormat.h"
#include "data/cGeneral.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <functional>
#include <limits>
#include <stdexcept>

namespace {

constexpr double kRadiansPerDegree = 0.017453292519943295;
constexpr double kNoValue = std::numeric_limits<double>::quiet_NaN();
constexpr int kMonthPercent = 80; // kClimateMonthShare in whole per cent, for exact counting

constexpr int Index(TClimateVariable v) {
    return static_cast<int>(v);
}
constexpr int kTmin = Index(TClimateVariable::Tmin);
constexpr int kTmax = Index(TClimateVariable::Tmax);
constexpr int kRain = Index(TClimateVariable::Precipitation);
constexpr int kSunshine = Index(TClimateVariable::Sunshine);
constexpr int kHumidity = Index(TClimateVariable::Humidity);
constexpr int kRHmax = Index(TClimateVariable::RHmax);
constexpr int kWind = Index(TClimateVariable::Wind);
constexpr int kRatio = Index(TClimateVariable::Ratio);

// What a variable is called in the messages.
const char* VariableText(int variable) {
    static const char* const kTexts[kClimateVariableCount] = {
        "minimum temperature", "maximum temperature", "precipitation", "sunshine", "humidity",
        "maximum humidity",    "wind speed",          "wind ratio"};
    return kTexts[variable];
}

bool MonthCounts(int daysPresent, int daysInMonth) {
    return daysPresent * 100 >= daysInMonth * kMonthPercent;
}

std::string ColumnText(const TClimateColumn& column) {
    const std::string unit = UnitLabel(column.Unit);
    if (unit.empty() ||
        (column.UnitStated && column.Header.find_first_of("([") != std::string::npos))
        return column.Header; // "tmax (°C)" says it already
    return column.Header + " (" + unit + ")";
}

// Day of the calendar year, 1..366.
int CalendarDayOfYear(const TClimateDate& date) {
    int day = date.Day;
    for (int m = 1; m < date.Month; ++m)
        day += DaysInMonthOfYear(date.Year, m);
    return day;
}

// Days of the chosen years that the record spans.
int DaysSpanned(const TClimateRecordInfo& info, int from, int to) {
    int days = 0;
    for (int year = std::max(from, info.First.Year); year <= std::min(to, info.Last.Year); ++year) {
        const int first = year == info.First.Year ? CalendarDayOfYear(info.First) : 1;
        const int last =
            year == info.Last.Year ? CalendarDayOfYear(info.Last) : (IsLeapYear(year) ? 366 : 365);
        days += last - first + 1;
    }
    return days;
}

double Average(const std::vector<double>& values) {
    double sum = 0;
    for (double v : values)
        sum += v;
    return sum / static_cast<double>(values.size());
}

std::string YearsText(int from, int to) {
    return std::to_string(from) + " to " + std::to_string(to);
}

// A list of row labels, or how many there are when the list would be long.
std::string RowList(const std::vector<std::string>& labels, const std::string& periodName) {
    if (labels.size() > 6)
        return std::to_string(labels.size()) + " rows of the period " + periodName;
    std::string text;
    for (const std::string& label : labels)
        text += (text.empty() ? "" : ", ") + label;
    return text;
}

} // namespace

std::string ClimateVariableName(int variable) {
    static const char* const kNames[kClimateVariableCount] = {
        "Tmin",     "Tmax",  "Precipitation", "Sunshine",
        "Humidity", "RHmax", "Wind speed",    "Wind ratio"};
    return kNames[variable];
}

double SunshineFromRadiation(double radiation, const TDaySun& sun) {
    if (!(sun.Radiation > 0) || !(sun.MaxSunshine > 0))
        return 0; // polar night: no sun to shine
    const double n = sun.MaxSunshine * (radiation / sun.Radiation - 0.25) / 0.5;
    return std::clamp(n, 0.0, sun.MaxSunshine);
}

int ClimateDayOfYear(const TClimateDate& date) {
    return DayOfYear(date.Month, date.Month == 2 ? std::min(date.Day, 28) : date.Day);
}

std::optional<double> DependableRainfall(std::vector<double> totals, int p) {
    const int n = static_cast<int>(totals.size());
    const int rankTimes100 = p * (n + 1); // exact: m = p (n + 1) / 100
    if (n == 0 || rankTimes100 < 100 || rankTimes100 > 100 * n)
        return std::nullopt;
    std::sort(totals.begin(), totals.end(), std::greater<>());
    const int m = rankTimes100 / 100;
    const double fraction = (rankTimes100 % 100) / 100.0;
    if (fraction == 0)
        return totals[m - 1];
    return totals[m - 1] + fraction * (totals[m] - totals[m - 1]);
}

int YearsForDependableRainfall(int p) {
    if (p <= 0 || p >= 100)
        return 0;
    for (int n = 1;; ++n)
        if (p * (n + 1) >= 100 && p * (n + 1) <= 100 * n)
            return n;
}

TGeneral SiteAtLatitude(double degrees) {
    TGeneral site;
    site.Clear();
    const double a = std::abs(degrees);
    const double whole = std::trunc(a);
    site.Latitude = whole + (a - whole) * 60 / 100; // degrees.minutes
    site.Hemisphere = degrees < 0 ? "South" : "North";
    return site;
}

// --- gathering the days ---

TClimateAccumulator::TClimateAccumulator(double latitudeRadians,
                                         std::optional<std::pair<int, int>> dailyYears)
    : dailyYears(dailyYears), latitude(latitudeRadians) {
    for (int d = 1; d <= kDaysInYear; ++d)
        sun[d] = DaySun(latitudeRadians, d);
    if (dailyYears)
        daySums = std::make_unique<TDaySums>();
}

void TClimateAccumulator::Begin(const TClimateRecordInfo& info) {
    auto column = [&](TMeteoQuantity q) { return info.Column(q); };
    auto take = [&](int variable, TMeteoQuantity q) {
        if (const TClimateColumn* c = column(q)) {
            inRecord[variable] = true;
            source[variable] = ColumnText(*c);
        }
    };
    take(kTmin, TMeteoQuantity::Tmin);
    take(kTmax, TMeteoQuantity::Tmax);
    take(kRain, TMeteoQuantity::Precipitation);
    take(kSunshine, TMeteoQuantity::Sunshine);
    if (!inRecord[kSunshine]) {
        if (const TClimateColumn* c = column(TMeteoQuantity::Radiation)) {
            fromRadiation = true;
            radiation = *c;
            inRecord[kSunshine] = true;
            source[kSunshine] = "from the radiation " + ColumnText(*c);
        }
    }
    take(kHumidity, TMeteoQuantity::RHmean);
    if (!inRecord[kHumidity] && column(TMeteoQuantity::RHmax) && column(TMeteoQuantity::RHmin)) {
        humidity = THumidity::MaxMin;
        inRecord[kHumidity] = true;
        source[kHumidity] = "mean of " + column(TMeteoQuantity::RHmax)->Header + " and " +
                            column(TMeteoQuantity::RHmin)->Header;
    } else if (!inRecord[kHumidity]) {
        if (const TClimateColumn* c = column(TMeteoQuantity::DewPoint)) {
            humidity = THumidity::DewPoint;
            inRecord[kHumidity] = true;
            source[kHumidity] = "from the dew point " + ColumnText(*c);
        }
    }
    take(kRHmax, TMeteoQuantity::RHmax);
    take(kWind, TMeteoQuantity::WindSpeed);
    take(kRatio, TMeteoQuantity::WindRatio);
    if (!inRecord[kRHmax])
        source[kRHmax] = "not in the record: 0, estimated from RHmean";
    if (!inRecord[kRatio])
        source[kRatio] = "not in the record: 0, taken as 2";
}

void TClimateAccumulator::Day(const TClimateDay& day) {
    const TClimateDate& date = day.Date;
    if (years.empty() || years.back().Year != date.Year)
        years.push_back({date.Year, {}});
    if (daySums && (date.Year != month.Year || date.Month != month.Month)) {
        FlushMonth();
        month = {date.Year, date.Month, 1};
        for (auto& values : monthDays)
            values.fill(kNoValue);
    }

    std::array<double, kClimateVariableCount> v;
    v[kTmin] = day.Value(TMeteoQuantity::Tmin);
    v[kTmax] = day.Value(TMeteoQuantity::Tmax);
    v[kRain] = day.Value(TMeteoQuantity::Precipitation);
    if (fromRadiation) {
        const double rs = day.Value(TMeteoQuantity::Radiation);
        const TDaySun& s = sun[ClimateDayOfYear(date)];
        // Sunshine cannot show a wrong unit or latitude, the radiation can: more than reaches
        // the top of the atmosphere.
        if (rs > 1.1 * s.Radiation + 5)
            throw TQueltaError(
                "Line " + std::to_string(day.Line) + ", column " +
                std::to_string(radiation.Position + 1) + " \"" + radiation.Header +
                "\": the radiation of " + ClimateDateText(date) + " (" + FormatFixed(rs, 0) +
                " W/m² over the day) is more than reaches the top of the atmosphere at latitude " +
                FormatFixed(latitude / kRadiansPerDegree, 2) + " (" + FormatFixed(s.Radiation, 0) +
                " W/m²): check the unit and the latitude");
        v[kSunshine] = std::isnan(rs) ? kNoValue : SunshineFromRadiation(rs, s);
    } else {
        v[kSunshine] = day.Value(TMeteoQuantity::Sunshine);
    }
    switch (humidity) {
    case THumidity::Mean:
        v[kHumidity] = day.Value(TMeteoQuantity::RHmean);
        break;
    case THumidity::MaxMin:
        v[kHumidity] = (day.Value(TMeteoQuantity::RHmax) + day.Value(TMeteoQuantity::RHmin)) / 2;
        break;
    case THumidity::DewPoint: {
        // As vapour pressure: averaged as such and turned into RHmean only with the normals'
        // temperatures, so the program's ea comes back unchanged.
        const double dew = day.Value(TMeteoQuantity::DewPoint);
        v[kHumidity] = std::isnan(dew) ? kNoValue : SaturationVapourPressure(dew);
        break;
    }
    }
    v[kRHmax] = day.Value(TMeteoQuantity::RHmax);
    v[kWind] = day.Value(TMeteoQuantity::WindSpeed);
    v[kRatio] = day.Value(TMeteoQuantity::WindRatio);

    auto& months = years.back().Months;
    for (int var = 0; var < kClimateVariableCount; ++var) {
        if (std::isnan(v[var]))
            continue;
        months[var][date.Month - 1].Add(v[var]);
        if (daySums)
            monthDays[var][date.Day - 1] = v[var];
    }
}

void TClimateAccumulator::End() {
    FlushMonth();
    month = {};
}

void TClimateAccumulator::FlushMonth() {
    if (!daySums || month.Year == 0 || month.Year < dailyYears->first ||
        month.Year > dailyYears->second)
        return;
    const int days = DaysInMonthOfYear(month.Year, month.Month);
    for (int var = 0; var < kClimateVariableCount; ++var) {
        std::array<double, 31> values = monthDays[var];
        const auto present = std::count_if(values.begin(), values.begin() + days,
                                           [](double x) { return !std::isnan(x); });
        if (!MonthCounts(static_cast<int>(present), days))
            continue;
        if (days == 29) {
            // 29 February joins 28 February: rain adds up, everything else is averaged.
            const double a = values[27], b = values[28];
            if (std::isnan(a))
                values[27] = b;
            else if (!std::isnan(b))
                values[27] = var == kRain ? a + b : (a + b) / 2;
        }
        for (int d = 0; d < (month.Month == 2 ? 28 : days); ++d)
            if (!std::isnan(values[d]))
                (*daySums)[var][DayOfYear(month.Month, d + 1) - 1].Add(values[d]);
    }
}

// --- the normals ---

namespace {

// The yearly values of one variable and month that count, and what the summary says of them.
struct TMonthValues {
    std::array<std::array<std::vector<double>, 12>, kClimateVariableCount> Values;
};

TMonthValues GatherMonths(const TClimateAccumulator& days, const TClimateRecordInfo& info,
                          TClimateResult& result) {
    TMonthValues months;
    std::array<int, kClimateVariableCount> present{};
    for (const TClimateAccumulator::TYear& year : days.Years()) {
        if (year.Year < result.FromYear || year.Year > result.ToYear)
            continue;
        for (int var = 0; var < kClimateVariableCount; ++var)
            for (int m = 0; m < 12; ++m) {
                const TSum& sum = year.Months[var][m];
                present[var] += sum.Count;
                const int inMonth = DaysInMonthOfYear(year.Year, m + 1);
                if (sum.Count == 0 || !MonthCounts(sum.Count, inMonth))
                    continue;
                // A month's rain is its total; days missing are made up by the month's mean.
                months.Values[var][m].push_back(var == kRain ? sum.Mean() * inMonth : sum.Mean());
                result.Variables[var].DaysUsed += sum.Count;
                ++result.Variables[var].YearsUsed[m];
            }
    }
    const int spanned = DaysSpanned(info, result.FromYear, result.ToYear);
    for (int var = 0; var < kClimateVariableCount; ++var) {
        TClimateVariableSummary& summary = result.Variables[var];
        summary.InRecord = days.InRecord(var);
        summary.Source = days.Source(var);
        if (!summary.InRecord)
            continue;
        summary.DaysMissing = spanned - present[var];
        for (int m = 0; m < 12; ++m)
            if (months.Values[var][m].empty())
                throw TQueltaError(MonthNameOfMonth(m + 1) + ": no year from " +
                                   YearsText(result.FromYear, result.ToYear) + " has " +
                                   std::to_string(kMonthPercent) + " % of its days of " +
                                   VariableText(var));
    }
    return months;
}

double MonthRain(const std::vector<double>& totals, int p, int month) {
    if (p == 0)
        return Average(totals);
    const auto dependable = DependableRainfall(totals, p);
    if (!dependable)
        throw TQueltaError("The rainfall exceeded in " + std::to_string(p) + " % of the years " +
                           "needs at least " + std::to_string(YearsForDependableRainfall(p)) +
                           " years of monthly totals; " + MonthNameOfMonth(month) + " has " +
                           std::to_string(totals.size()));
    return *dependable;
}

// Writes the normals row by row (12 months or 365 days): normalOf gives a variable's normal of
// a row; humidity gathered as vapour pressure becomes RHmean with the row's temperatures.
template <class TNormalOf, class TWrite>
void WriteNormals(const TClimateAccumulator& days, int rows, const char* rowsName,
                  TNormalOf normalOf, TWrite write, TClimateResult& result) {
    const auto series = result.Meteo.Series();
    int saturated = 0;
    for (int row = 1; row <= rows; ++row) {
        std::array<double, kClimateVariableCount> normal{};
        for (int var = 0; var < kClimateVariableCount; ++var)
            if (days.InRecord(var))
                normal[var] = normalOf(row, var);
        if (days.HumidityAsVapourPressure()) {
            normal[kHumidity] =
                RHmeanOfVapourPressure(normal[kHumidity], normal[kTmin], normal[kTmax]);
            if (normal[kHumidity] > 100) {
                normal[kHumidity] = 100;
                ++saturated;
            }
        }
        for (int var = 0; var < kClimateVariableCount; ++var)
            write(*series[var], row, normal[var]);
    }
    if (saturated > 0)
        result.Notes.push_back("RHmean from the dew point above 100 % taken as 100 % in " +
                               std::to_string(saturated) + " " + rowsName);
}

void MonthlyNormals(const TClimateAccumulator& days, const TMonthValues& months,
                    TClimateResult& result) {
    WriteNormals(
        days, 12, "months",
        [&](int m, int var) {
            const std::vector<double>& values = months.Values[var][m - 1];
            return var == kRain ? MonthRain(values, result.RainP, m) : Average(values);
        },
        [](TYearData& series, int m, double value) { series.SetMonth(m, value); }, result);
}

void DailyNormals(const TClimateAccumulator& days, TClimateResult& result) {
    const TClimateAccumulator::TDaySums* sums = days.DaySums();
    const auto range = days.DailyYears();
    if (!sums || !range || range->first > result.FromYear || range->second < result.ToYear)
        throw std::logic_error("daily normals need the days of the years chosen");
    WriteNormals(
        days, kDaysInYear, "days",
        [&](int d, int var) {
            const TSum& sum = (*sums)[var][d - 1];
            if (sum.Count == 0)
                throw TQueltaError(DayLabel(d) + ": no year from " +
                                   YearsText(result.FromYear, result.ToYear) +
                                   " has a value of the " + VariableText(var) + " on this day");
            return sum.Mean();
        },
        [](TYearData& series, int d, double value) { series.SetDay(d, value); }, result);
}

} // namespace

TClimateResult MakeClimateNormals(const TClimateAccumulator& days, const TClimateRecordInfo& info,
                                  const TClimateChoices& choices, const TGeneral& general,
                                  const TGuiSettings& units) {
    TClimateResult result;
    result.FromYear = choices.FromYear != 0 ? choices.FromYear : info.First.Year;
    result.ToYear = choices.ToYear != 0 ? choices.ToYear : info.Last.Year;
    result.DailyNormals = choices.DailyNormals;
    result.RainP = choices.RainP;
    if (result.FromYear > result.ToYear)
        throw TQueltaError("The first year (" + std::to_string(result.FromYear) +
                           ") comes after the last (" + std::to_string(result.ToYear) + ")");
    if (result.ToYear < info.First.Year || result.FromYear > info.Last.Year)
        throw TQueltaError("The record covers " + YearsText(info.First.Year, info.Last.Year) +
                           ", none of the years " + YearsText(result.FromYear, result.ToYear));
    if (result.RainP != 0 && std::find(kDependableRainP.begin(), kDependableRainP.end(),
                                       result.RainP) == kDependableRainP.end())
        throw TQueltaError("Dependable rainfall is offered at 50, 75, 80 or 90 %");
    if (result.RainP != 0 && result.DailyNormals)
        throw TQueltaError("Dependable rainfall is worked out from monthly totals: it goes with "
                           "monthly normals");

    const TMonthValues months = GatherMonths(days, info, result);
    if (result.DailyNormals)
        DailyNormals(days, result);
    else
        MonthlyNormals(days, months, result);

    if (choices.WindHeight) {
        result.Meteo.WindHeight = *choices.WindHeight;
        result.WindHeightSource = "chosen";
    } else if (info.WindHeight) {
        result.Meteo.WindHeight = *info.WindHeight;
        result.WindHeightSource = info.Column(TMeteoQuantity::WindSpeed)->Header;
    } else {
        result.Meteo.WindHeight = 2;
        result.WindHeightSource = "assumed";
    }

    // Checked as the editor will show them: per day for daily normals.
    TGuiSettings shown = units;
    TGeneral site = general;
    if (result.DailyNormals) {
        shown.SetPeriodKind(1);
        site.CalcPeriod = "Day";
    }
    FitToMeteoEditor(result.Meteo, site, shown, result.Notes);
    return result;
}

void FitToMeteoEditor(TMeteo& meteo, const TGeneral& general, const TGuiSettings& units,
                      std::vector<std::string>& notes) {
    const int length = units.GetPeriodLength();
    const std::vector<std::string> labels = units.FillPeriodColumn();
    // The editor checks the number its cell shows: one decimal.
    auto shown = [&](const TYearData& series, int row) {
        return ShownNumber(units.FormatValue(QuantityKind::Plain1, series.GetPeriod(row, length)));
    };
    std::vector<std::string> lowered, raised;
    for (int row = 1; row <= units.NumberOfPeriods(); ++row) {
        const double limit = CalcMaxSunshine(general, SunshineDay(general.CalcPeriod, row, length));
        if (shown(meteo.Sunshine, row) > limit) {
            meteo.Sunshine.SetPeriod(row, length, std::floor(limit * 10) / 10);
            lowered.push_back(labels[row]);
        }
        const double rhMean = shown(meteo.RHmean, row), rhMax = shown(meteo.RHmax, row);
        if (rhMax != 0 && rhMean > rhMax && rhMean <= 100) {
            meteo.RHmax.SetPeriod(row, length, rhMean);
            raised.push_back(labels[row]);
        }
    }
    if (!lowered.empty())
        notes.push_back("Sunshine above the day length at the general data's latitude lowered "
                        "to it: " +
                        RowList(lowered, units.PeriodName()));
    if (!raised.empty())
        notes.push_back("RHmax below RHmean raised to it: " + RowList(raised, units.PeriodName()));
    const std::vector<TOutOfRange> faults = OutOfRangeMeteo(meteo, units, &general);
    if (!faults.empty())
        throw TQueltaError("The meteo editor would refuse " + OutOfRangeText(faults.front()));
}

std::string YearsUsedText(const TClimateVariableSummary& variable) {
    const auto [fewest, most] =
        std::minmax_element(variable.YearsUsed.begin(), variable.YearsUsed.end());
    if (*fewest == *most)
        return std::to_string(*most);
    return std::to_string(*fewest) + " to " + std::to_string(*most);
}

std::vector<std::array<std::string, 5>> ClimateSummaryRows(const TClimateResult& result) {
    std::vector<std::array<std::string, 5>> rows;
    for (int var = 0; var < kClimateVariableCount; ++var) {
        const TClimateVariableSummary& v = result.Variables[var];
        if (!v.InRecord) {
            rows.push_back({ClimateVariableName(var), v.Source, "-", "-", "-"});
            continue;
        }
        rows.push_back({ClimateVariableName(var), v.Source, YearsUsedText(v),
                        std::to_string(v.DaysUsed), std::to_string(v.DaysMissing)});
    }
    return rows;
}

std::pair<double, std::string> ClimateLatitude(const TClimateRecordInfo& info,
                                               const TClimateImportOptions& options,
                                               const TGeneral& general) {
    if (options.Latitude)
        return {*options.Latitude, "chosen"};
    if (info.Latitude)
        return {*info.Latitude, "the record"};
    return {LatitudeRadians(general) / kRadiansPerDegree, "the general data"};
}

TClimateRead ReadClimateForImport(const std::string& fileName, const TClimateImportOptions& options,
                                  const TGeneral& general,
                                  const std::function<bool(double)>& progress) {
    TClimateRead read;
    read.Latitude = ClimateLatitude(ReadClimateHeaderFile(fileName), options, general);
    std::optional<std::pair<int, int>> dailyYears;
    const TClimateChoices& choices = options.Choices;
    if (choices.DailyNormals)
        dailyYears = std::pair(choices.FromYear != 0 ? choices.FromYear : INT_MIN,
                               choices.ToYear != 0 ? choices.ToYear : INT_MAX);
    read.Days = std::make_unique<TClimateAccumulator>(
        LatitudeRadians(SiteAtLatitude(read.Latitude.first)), dailyYears);
    TClimateReadOptions readOptions;
    readOptions.RadiationUnit = options.RadiationUnit;
    readOptions.Progress = progress;
    read.Info = ReadClimateRecordFile(fileName, readOptions, *read.Days);
    return read;
}
