#pragma once

#include <array>

// A quantity over the 365-day year, one value per day (days 1..365). TYearAverage is for rates
// and states, whose period value is the mean of its days; TYearSum is for amounts, whose period
// value is their total. Writing a month or period value spreads it over its days: the same value
// on each day (average) or an equal share of the total (sum). A period length n of 0 means
// calendar months; with n days the last period that starts in the year takes the days left.
class TYearData {
public:
    TYearData() { values.fill(0.0); }
    virtual ~TYearData() = default;
    TYearData(const TYearData&) = default;
    TYearData& operator=(const TYearData&) = default;

    virtual double GetMonth(int month) const;
    virtual double GetPeriod(int period, int length) const;
    virtual void SetMonth(int month, double value);
    virtual void SetPeriod(int period, int length, double value);

    double GetDay(int day) const { return values[day - 1]; }
    void SetDay(int day, double value) { values[day - 1] = value; }
    void Fill(double value) { values.fill(value); }

    // Sum over days first..last; a day above 365 stands for day - 365 (one wrap).
    double SumRange(int first, int last) const;
    static int DaysInMonth(int month);
    static int MonthOfDay(int day);
    double MonthSum(int month) const;
    double MonthAverage(int month) const;
    double MonthSumOfDay(int day) const;
    void SetMonthValue(int month, double value);
    void SetMonthSum(int month, double value);
    static int DaysInPeriod(int period, int length);
    double PeriodSum(int period, int length) const;
    double PeriodAverage(int period, int length) const;
    void SetPeriodValue(int period, int length, double value);
    void SetPeriodSum(int period, int length, double value);

    const std::array<double, 365>& Days() const { return values; }
    bool operator==(const TYearData& other) const { return values == other.values; }

private:
    std::array<double, 365> values;
};

class TYearAverage : public TYearData {
public:
    double GetMonth(int month) const override { return MonthAverage(month); }
    double GetPeriod(int period, int length) const override {
        return PeriodAverage(period, length);
    }
    void SetMonth(int month, double value) override { SetMonthValue(month, value); }
    void SetPeriod(int period, int length, double value) override {
        SetPeriodValue(period, length, value);
    }
};

class TYearSum : public TYearData {
public:
    double GetMonth(int month) const override { return MonthSum(month); }
    double GetPeriod(int period, int length) const override { return PeriodSum(period, length); }
    void SetMonth(int month, double value) override { SetMonthSum(month, value); }
    void SetPeriod(int period, int length, double value) override {
        SetPeriodSum(period, length, value);
    }
};
