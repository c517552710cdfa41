#include "data/cStrategyRatios.h"

#include "core/cNumberFormat.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <string_view>

namespace {

std::string Blanks(int n) {
    return std::string(static_cast<std::size_t>(n), ' ');
}

// Fixed two- or one-decimal text of a table value; always with a point, as the stored lines are.
std::string TableNumber(double value, int decimals) {
    std::string text = FormatFixed(value, decimals);
    for (char& c : text)
        if (c == ',')
            c = '.';
    return text;
}

// Halves go to the even neighbour under the default rounding mode.
long RoundHalfEven(double value) {
    return std::lrint(value);
}

struct TConveyanceRow {
    int UpTo;     // last whole hectare of the row
    double Ratio; // ratio reached at UpTo
};

// First entry: the constant value up to its area; each further entry ends a row that starts one
// hectare after the previous one and runs linearly from its ratio to this one.
constexpr std::array<TConveyanceRow, 10> kContinuous{{{200, 0.96},
                                                      {400, 0.95},
                                                      {1000, 0.94},
                                                      {2000, 0.92},
                                                      {4000, 0.91},
                                                      {8000, 0.90},
                                                      {20000, 0.89},
                                                      {40000, 0.88},
                                                      {80000, 0.87},
                                                      {100000, 0.86}}};
constexpr std::array<TConveyanceRow, 17> kIntermittent{{{200, 0.60},
                                                        {300, 0.65},
                                                        {400, 0.70},
                                                        {600, 0.75},
                                                        {1000, 0.82},
                                                        {2000, 0.88},
                                                        {3000, 0.89},
                                                        {4000, 0.90},
                                                        {6000, 0.89},
                                                        {8000, 0.87},
                                                        {10000, 0.84},
                                                        {20000, 0.74},
                                                        {30000, 0.67},
                                                        {40000, 0.63},
                                                        {60000, 0.58},
                                                        {80000, 0.56},
                                                        {100000, 0.55}}};

template <std::size_t N>
double RatioFromRows(const std::array<TConveyanceRow, N>& rows, double area) {
    const int count = static_cast<int>(N);
    const long n = RoundHalfEven(area);
    if (n <= rows[0].UpTo)
        return rows[0].Ratio;
    for (int i = 1; i < count; ++i)
        if (n <= rows[i].UpTo)
            return InterpolateRatio(rows[i].Ratio, rows[i - 1].Ratio, area, rows[i - 1].UpTo + 1,
                                    rows[i].UpTo);
    return rows[count - 1].Ratio;
}

} // namespace

const std::vector<TFieldApplMethod>& FieldApplMethodTable() {
    static const std::vector<TFieldApplMethod> table = {
        {"Furrows, laser graded", 28, 0.25, 0.75},
        {"Furrows, average quality grading", 11, 0.50, 0.60},
        {"Border strips, laser graded", 21, 0.25, 0.75},
        {"Border strips, average quality grading", 4, 0.30, 0.70},
        {"Level basin, laser leveled", 22, 0.10, 0.90},
        {"Level basin, traditional leveling", 14, 0.50, 0.60},
        {"Level basin, paddy rice", 26, 0.00, 0.95},
        {"Sprinkler, hand move system", 17, 0.40, 0.65},
        {"Sprinkler, overhead rain drops", 15, 0.25, 0.75},
        {"Sprinkler, downward fine spray", 14, 0.10, 0.90},
        {"Drip irrigation", 42, 0.10, 0.90},
        {"Micro sprinklers", 38, 0.10, 0.90},
    };
    return table;
}

const std::vector<std::string>& FieldApplMethods() {
    static const std::vector<std::string> lines = [] {
        std::vector<std::string> result;
        for (const auto& method : FieldApplMethodTable())
            result.push_back(method.Name + Blanks(method.Blanks) +
                             TableNumber(method.StandardDeviation, 2) + Blanks(14) +
                             TableNumber(method.Ra, 2));
        return result;
    }();
    return lines;
}

TFieldApplMethodsShown FieldApplMethodsShown() {
    // The stored lines space their numbers for a proportional font; in a fixed font they are
    // ragged. Shown, the name takes the longest name's width, and each header section ends where
    // its column's numbers end.
    std::size_t nameWidth = 0;
    for (const auto& method : FieldApplMethodTable())
        nameWidth = std::max(nameWidth, std::string_view(method.Name).size());
    const std::size_t deviationEnd = nameWidth + 3 + 4;
    const std::size_t gap = 13; // "Ra for F = 10%" over a 4-character number, 3 blanks before it
    TFieldApplMethodsShown shown;
    shown.Header = "application method";
    const auto sectionEndingAt = [&shown](const std::string& section, std::size_t end) {
        shown.Header += std::string(end - section.size() - shown.Header.size(), ' ') + section;
    };
    sectionEndingAt("stand.dev.", deviationEnd);
    sectionEndingAt("Ra for F = 10%", deviationEnd + gap + 4);
    for (const auto& method : FieldApplMethodTable()) {
        std::string line = method.Name;
        line += std::string(nameWidth + 3 - line.size(), ' ');
        shown.Lines.push_back(line + TableNumber(method.StandardDeviation, 2) + Blanks(gap) +
                              TableNumber(method.Ra, 2));
    }
    return shown;
}

const std::vector<std::string>& UniformityClassNames() {
    static const std::vector<std::string> names = {"very good", "good", "average", "poor",
                                                   "very poor"};
    return names;
}

const std::vector<std::string>& UniformityClasses() {
    static const std::vector<std::string> lines = [] {
        constexpr int blanks[] = {6, 13, 8, 14, 6};
        std::vector<std::string> result;
        const auto& names = UniformityClassNames();
        for (int i = 0; i < static_cast<int>(names.size()); ++i)
            result.push_back(names[i] + Blanks(blanks[i]) + TableNumber(UniformityOf(i), 1));
        return result;
    }();
    return lines;
}

const std::vector<std::string>& DeliveryPatternNames() {
    static const std::vector<std::string> names = {
        "Random delivery of water", "Average water delivery", "Systematic delivery pattern"};
    return names;
}

const std::vector<std::string>& DeliveryPatterns() {
    static const std::vector<std::string> lines = {
        "Random delivery of water" + Blanks(7) + "50" + Blanks(12),
        "Average water delivery" + Blanks(11) + "25" + Blanks(2),
        "Systematic delivery pattern" + Blanks(7) + "5",
    };
    return lines;
}

const std::vector<std::string>& FlowRegimes() {
    static const std::vector<std::string> regimes = {"Continuous", "Intermittent"};
    return regimes;
}

double UniformityOf(int index) {
    return index >= 0 && index <= 4 ? (index + 1) / 10.0 : 0;
}

int UniformityIndexOf(double s) {
    const long tenths = RoundHalfEven(10 * s);
    return tenths >= 1 && tenths <= 5 ? static_cast<int>(tenths - 1) : -1;
}

double ShortageOf(int index) {
    switch (index) {
    case 0:
        return 50;
    case 1:
        return 25;
    case 2:
        return 5;
    default:
        return 0;
    }
}

int ShortageIndexOf(double f) {
    switch (RoundHalfEven(f)) {
    case 50:
        return 0;
    case 25:
        return 1;
    case 5:
        return 2;
    default:
        return -1;
    }
}

double ZOfShortage(double f) {
    switch (RoundHalfEven(f)) {
    case 25:
        return 0.67;
    case 50:
        return 0;
    default:
        return 1.64;
    }
}

double WaterDeliveryRatio(double z, double s) {
    const double d = 1 + z * s;
    return d == 0 ? 0 : 0.95 / d;
}

double ConveyanceRatioOf(int flowRegime, double area) {
    switch (flowRegime) {
    case 0:
        return RatioFromRows(kContinuous, area);
    case 1:
        return RatioFromRows(kIntermittent, area);
    default:
        return 0;
    }
}

double InterpolateRatio(double r1, double r0, double area, double x0, double x1) {
    const double w = x1 - x0 + 1;
    if (w == 0)
        return 0;
    return r0 - (r0 - r1) * (area - x0 + 1) / w;
}

std::string ProposedRaText(const std::string& methodLine) {
    if (methodLine.size() < 2)
        return "";
    return std::string("0") + DecimalSeparator() + methodLine.substr(methodLine.size() - 2);
}
