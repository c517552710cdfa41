#include "core/cYearData.h"

#include <gtest/gtest.h>

namespace {
TYearSum Numbered() {
    TYearSum s;
    for (int d = 1; d <= 365; ++d)
        s.SetDay(d, d);
    return s;
}
} // namespace

TEST(YearData, SumRangeWrapsOnceAtTheYearEnd) {
    const TYearSum s = Numbered();
    EXPECT_EQ(s.SumRange(360, 370), 360 + 361 + 362 + 363 + 364 + 365 + 1 + 2 + 3 + 4 + 5);
    EXPECT_EQ(s.SumRange(10, 9), 0);
    EXPECT_EQ(s.SumRange(1, 365), 365 * 366 / 2);
}

TEST(YearData, SumSeriesSpreadsTotals) {
    TYearSum s;
    s.SetMonthSum(2, 56);
    for (int d = 32; d <= 59; ++d)
        EXPECT_EQ(s.GetDay(d), 2);
    EXPECT_EQ(s.GetDay(31), 0);
    EXPECT_EQ(s.GetDay(60), 0);
    EXPECT_EQ(s.MonthSum(2), 56);
    EXPECT_EQ(s.MonthAverage(2), 2);
    s.SetPeriod(52, 7, 16);
    for (int d = 358; d <= 365; ++d)
        EXPECT_EQ(s.GetDay(d), 2);
    EXPECT_EQ(s.GetPeriod(52, 7), 16);
    EXPECT_EQ(s.GetPeriod(53, 7), 0);
    EXPECT_EQ(s.GetMonth(2), s.GetPeriod(2, 0));
}

TEST(YearData, AverageSeriesRepeatsValues) {
    TYearAverage s;
    s.SetPeriod(2, 0, 12.5);
    EXPECT_EQ(s.GetDay(31), 0);
    EXPECT_EQ(s.GetDay(32), 12.5);
    EXPECT_EQ(s.GetDay(59), 12.5);
    EXPECT_EQ(s.GetDay(60), 0);
    EXPECT_EQ(s.GetPeriod(2, 0), 12.5);
    EXPECT_EQ(s.GetMonth(2), 12.5);
    s.SetPeriod(36, 10, 3);
    EXPECT_EQ(s.GetDay(350), 0);
    EXPECT_EQ(s.GetDay(351), 3);
    EXPECT_EQ(s.GetDay(365), 3);
    EXPECT_EQ(s.GetPeriod(36, 10), 3);
    EXPECT_EQ(s.GetPeriod(37, 10), 0);
}

TEST(YearData, PeriodLengthsAbsorbTheRestOfTheYear) {
    EXPECT_EQ(TYearData::DaysInPeriod(52, 7), 8);
    EXPECT_EQ(TYearData::DaysInPeriod(36, 10), 15);
    EXPECT_EQ(TYearData::DaysInPeriod(73, 5), 5);
    EXPECT_EQ(TYearData::DaysInPeriod(1, 200), 365);
    const TYearSum s = Numbered();
    EXPECT_EQ(s.PeriodSum(1, 200), 365 * 366 / 2);
    double total = 0;
    for (int p = 1; p <= 52; ++p)
        total += s.PeriodSum(p, 7);
    EXPECT_EQ(total, 365 * 366 / 2);
}

TEST(YearData, MonthSumOfDay) {
    const TYearSum s = Numbered();
    EXPECT_EQ(s.MonthSumOfDay(365), s.MonthSum(12));
    EXPECT_EQ(s.MonthSumOfDay(0), s.MonthSum(1));
    EXPECT_EQ(s.MonthSumOfDay(32), s.MonthSum(2));
    EXPECT_EQ(s.MonthSumOfDay(31), s.MonthSum(1));
}

TEST(YearData, VirtualSlotsSelectTheKind) {
    TYearSum sum;
    TYearAverage avg;
    for (TYearData* s : {static_cast<TYearData*>(&sum), static_cast<TYearData*>(&avg)})
        s->SetMonth(1, 31);
    EXPECT_EQ(sum.GetDay(1), 1);
    EXPECT_EQ(avg.GetDay(1), 31);
    EXPECT_EQ(static_cast<TYearData&>(sum).GetMonth(1), 31);
    EXPECT_EQ(static_cast<TYearData&>(avg).GetMonth(1), 31);
}
