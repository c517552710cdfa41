#include "core/cCalendar.h"
#include "core/cGuiSettings.h"

#include <gtest/gtest.h>

TEST(Calendar, MonthsAndDays) {
    EXPECT_EQ(DayOfYear(3, 1), 60);
    EXPECT_EQ(DayOfMonth(60), 1);
    EXPECT_EQ(MonthOfDay(59), 2);
    EXPECT_EQ(MonthOfDay(1), 1);
    EXPECT_EQ(MonthOfDay(365), 12);
    EXPECT_EQ(MonthOfDay(366), 0);
    EXPECT_EQ(MonthOfDay(0), 0);
    EXPECT_EQ(DayOfMonth(0), 1);
    EXPECT_EQ(DayOfMonth(400), 400);
    EXPECT_EQ(DaysInMonth(2), 28);
    EXPECT_EQ(DaysInMonth(13), 30);
    EXPECT_EQ(WeekMidDay(1), 3);
    EXPECT_EQ(MonthName(365), "December");
    EXPECT_EQ(DayLabel(74), "Mar / 15");
    int day = 1;
    for (int m = 1; m <= 12; ++m) {
        EXPECT_EQ(DayOfYear(m, 1), day);
        day += DaysInMonth(m);
    }
    EXPECT_EQ(day, 366);
}

TEST(Calendar, PeriodSettings) {
    TGuiSettings s;
    s.SetPeriodKind(2);
    EXPECT_EQ(s.GetPeriodLength(), 7);
    EXPECT_EQ(s.NumberOfPeriods(), 52);
    EXPECT_EQ(s.PeriodName(), "Week");
    s.SetPeriodKind(0);
    EXPECT_EQ(s.GetPeriodLength(), 10);
    EXPECT_EQ(s.NumberOfPeriods(), 36);
    s.SetOtherPeriod(14);
    EXPECT_EQ(s.PeriodName(), "14 days");
    s.SetOtherPeriod(200);
    EXPECT_EQ(s.NumberOfPeriods(), 1);
    s.SetPeriodKind(3);
    EXPECT_EQ(s.NumberOfPeriods(), 12);
    EXPECT_EQ(s.PeriodName(), "Month");
    s.SetPeriodKind(1);
    EXPECT_EQ(s.NumberOfPeriods(), 365);
}

TEST(Calendar, PeriodLabelsAndColumn) {
    TGuiSettings s;
    s.SetOtherPeriod(10);
    EXPECT_EQ(s.PeriodLabel(1), "01/01 (1)");
    EXPECT_EQ(s.PeriodLabel(2), "11/01 (2)");
    EXPECT_EQ(s.PeriodLabel(36), "17/12 (36)");
    auto column = s.FillPeriodColumn();
    ASSERT_EQ(column.size(), 37u);
    EXPECT_EQ(column[0], "(10 days)");
    s.SetPeriodKind(3);
    column = s.FillPeriodColumn();
    ASSERT_EQ(column.size(), 13u);
    EXPECT_EQ(column[0], "(Month)");
    EXPECT_EQ(column[1], "Jan (1)");
    EXPECT_EQ(column[12], "Dec (12)");
    s.SetPeriodKind(2);
    EXPECT_EQ(s.FillPeriodColumn()[52], "24/12 (52)");
}

TEST(Calendar, PeriodTextLookup) {
    TGuiSettings s;
    const std::vector<std::string> choices = {"Day", "Week", "Month"};
    EXPECT_EQ(TGuiSettings::IndexOfItem(choices, "Week"), 1);
    EXPECT_EQ(TGuiSettings::IndexOfItem(choices, "week"), -1);
    s.ApplyPeriodText("Day", choices);
    EXPECT_EQ(s.PeriodKind, 1);
    s.ApplyPeriodText("Fortnight", choices);
    EXPECT_EQ(s.PeriodKind, 0);
    EXPECT_EQ(s.PeriodLength, 10);
}
