#pragma once

#include <array>
#include <string>
#include <vector>

class TAllData;
class TYearData;

// Reference evapotranspiration of the three methods per calculation period: what a table of ET0
// shows, in mm, for any front end.

constexpr int kET0MethodCount = 3;
// In this order everywhere: Penman-Monteith, FAO Modified Penman, Modified Hargreaves.
extern const std::array<const char*, kET0MethodCount> kET0MethodNames;

// The three ET0 series of the container, in method order.
std::array<const TYearData*, kET0MethodCount> ET0Series(const TAllData& data);

struct TET0PeriodRow {
    std::string Label; // as the period column of a grid labels it
    int FirstDay = 0;
    int Days = 0;
    std::array<double, kET0MethodCount> Mean{}; // mm/day
    std::array<double, kET0MethodCount> Sum{};  // mm
};

struct TET0PeriodTable {
    std::string PeriodName; // "Day", "Week", "Month" or "n days"
    std::vector<TET0PeriodRow> Rows;
    std::array<double, kET0MethodCount> YearTotal{}; // mm
};

// One row per period of the container's calculation period, from the ET0 series as they stand
// (run CalcET0 first).
TET0PeriodTable BuildET0PeriodTable(const TAllData& data);
