#include "core/cCalendar.h"

#include <array>
#include <cstdio>

namespace {

constexpr std::array<int, 12> kDays = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
constexpr std::array<int, 13> kFirstDay = {1,   32,  60,  91,  121, 152, 182,
                                           213, 244, 274, 305, 335, 366};
const std::array<const char*, 12> kNames = {"January",   "February", "March",    "April",
                                            "May",       "June",     "July",     "August",
                                            "September", "October",  "November", "December"};
const std::array<const char*, 12> kShortNames = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                                 "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};

} // namespace

int DaysInMonth(int month) {
    switch (month) {
    case 1:
    case 3:
    case 5:
    case 7:
    case 8:
    case 10:
    case 12:
        return 31;
    case 2:
        return 28;
    default:
        return 30;
    }
}

int MonthOfDay(int day) {
    if (day < 1 || day > kDaysInYear)
        return 0;
    int month = 1;
    while (day >= kFirstDay[month])
        ++month;
    return month;
}

int FirstDayOfMonth(int month) {
    return (month >= 1 && month <= 12) ? kFirstDay[month - 1] : 1;
}

int DayOfYear(int month, int dayOfMonth) {
    int days = dayOfMonth;
    for (int m = 1; m < month && m <= 12; ++m)
        days += kDays[m - 1];
    return days;
}

int DayOfMonth(int day) {
    if (day == 0)
        return 1;
    const int month = MonthOfDay(day);
    return month == 0 ? day : day - kFirstDay[month - 1] + 1;
}

int WeekMidDay(int week) {
    return 7 * week - 4;
}

std::string MonthNameOfMonth(int month) {
    return (month >= 1 && month <= 12) ? kNames[month - 1] : "";
}

std::string ShortMonthNameOfMonth(int month) {
    return (month >= 1 && month <= 12) ? kShortNames[month - 1] : "";
}

std::string MonthName(int day) {
    return MonthNameOfMonth(MonthOfDay(day));
}

std::string ShortMonthName(int day) {
    return ShortMonthNameOfMonth(MonthOfDay(day));
}

std::string DayLabel(int day) {
    return ShortMonthName(day) + " / " + std::to_string(DayOfMonth(day));
}

int IndexOfItem(const std::vector<std::string>& list, const std::string& text) {
    for (std::size_t i = 0; i < list.size(); ++i)
        if (list[i] == text)
            return static_cast<int>(i);
    return -1;
}
