#include "core/cYearData.h"

#include "core/cCalendar.h"

// A plain series has no period kind; reading it per period is a programming error, so its
// slots answer as an average series would rather than fail in the middle of a report.
double TYearData::GetMonth(int month) const {
    return MonthAverage(month);
}
double TYearData::GetPeriod(int period, int length) const {
    return PeriodAverage(period, length);
}
void TYearData::SetMonth(int month, double value) {
    SetMonthValue(month, value);
}
void TYearData::SetPeriod(int period, int length, double value) {
    SetPeriodValue(period, length, value);
}

double TYearData::SumRange(int first, int last) const {
    double sum = 0;
    for (int d = first; d <= last; ++d)
        sum += values[(d > kDaysInYear ? d - kDaysInYear : d) - 1];
    return sum;
}

int TYearData::DaysInMonth(int month) {
    return ::DaysInMonth(month);
}

int TYearData::MonthOfDay(int day) {
    return ::MonthOfDay(day);
}

double TYearData::MonthSum(int month) const {
    if (month < 1 || month > 12)
        return 0;
    const int first = FirstDayOfMonth(month);
    return SumRange(first, first + DaysInMonth(month) - 1);
}

double TYearData::MonthAverage(int month) const {
    return MonthSum(month) / DaysInMonth(month);
}

double TYearData::MonthSumOfDay(int day) const {
    int month = 1;
    for (int m = 12; m >= 2; --m)
        if (FirstDayOfMonth(m) <= day) {
            month = m;
            break;
        }
    return MonthSum(month);
}

void TYearData::SetMonthValue(int month, double value) {
    if (month < 1 || month > 12)
        return;
    const int first = FirstDayOfMonth(month);
    for (int d = first; d < first + DaysInMonth(month); ++d)
        values[d - 1] = value;
}

void TYearData::SetMonthSum(int month, double value) {
    SetMonthValue(month, value / DaysInMonth(month));
}

int TYearData::DaysInPeriod(int period, int length) {
    if (period * length < kDaysInYear && (period + 1) * length > kDaysInYear)
        return kDaysInYear - length * (period - 1);
    return length;
}

double TYearData::PeriodSum(int period, int length) const {
    if (period < 1 || length < 0)
        return 0;
    if (length == 0)
        return MonthSum(period);
    if (period * length < kDaysInYear + 1) {
        const int first = length * (period - 1) + 1;
        return SumRange(first, first + DaysInPeriod(period, length) - 1);
    }
    return 0;
}

double TYearData::PeriodAverage(int period, int length) const {
    const int days = length == 0 ? DaysInMonth(period) : DaysInPeriod(period, length);
    return PeriodSum(period, length) / days;
}

void TYearData::SetPeriodValue(int period, int length, double value) {
    if (period < 1 || length < 0)
        return;
    if (length == 0) {
        SetMonthValue(period, value);
        return;
    }
    if (period * length < kDaysInYear + 1) {
        const int first = length * (period - 1) + 1;
        const int last = first + DaysInPeriod(period, length) - 1;
        for (int d = first; d <= last; ++d)
            values[d - 1] = value;
    }
}

void TYearData::SetPeriodSum(int period, int length, double value) {
    if (length == 0) {
        SetMonthSum(period, value);
        return;
    }
    if (period * length < kDaysInYear + 1)
        SetPeriodValue(period, length, value / DaysInPeriod(period, length));
}
