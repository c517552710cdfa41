#pragma once

#include <string>
#include <vector>

// The fixed year of 365 days numbered 1..365 (no leap day) and its months.

constexpr int kDaysInYear = 365;

int DaysInMonth(int month);
// Month 1..12 of a day 1..365; 0 for any other day.
int MonthOfDay(int day);
// First day of the year of a month 1..12.
int FirstDayOfMonth(int month);
int DayOfYear(int month, int dayOfMonth);
// 1 for day 0; a day outside 1..365 comes back unchanged.
int DayOfMonth(int day);
// The day that stands for week w wherever a limit depends on the day of the year.
int WeekMidDay(int week);
// Names of the month of a day 1..365 (fixed English texts).
std::string MonthName(int day);
std::string ShortMonthName(int day);
// Short names by month number 1..12.
std::string ShortMonthNameOfMonth(int month);
std::string MonthNameOfMonth(int month);
// "Mar / 15" for day 74.
std::string DayLabel(int day);
// Position of the first entry equal to text, or -1.
int IndexOfItem(const std::vector<std::string>& list, const std::string& text);
