#include "calc/uReferenceETTable.h"

#include "core/cCalendar.h"
#include "data/cAllData.h"

const std::array<const char*, kET0MethodCount> kET0MethodNames = {
    "Penman - Monteith", "FAO Modified Penman", "Modified Hargreaves"};

std::array<const TYearData*, kET0MethodCount> ET0Series(const TAllData& data) {
    return {&data.ET0PenmanMonteith, &data.ET0ModPenman, &data.ET0Hargreaves};
}

TET0PeriodTable BuildET0PeriodTable(const TAllData& data) {
    const TGuiSettings& settings = data.GuiSettings;
    const bool months = settings.PeriodKind == 3;
    const int length = months ? 0 : settings.PeriodLength;
    const std::vector<std::string> labels = settings.FillPeriodColumn();
    const auto series = ET0Series(data);

    TET0PeriodTable table;
    table.PeriodName = settings.PeriodName();
    for (int p = 1; p <= settings.NumberOfPeriods(); ++p) {
        TET0PeriodRow row;
        row.Label = labels[p];
        row.FirstDay = months ? FirstDayOfMonth(p) : length * (p - 1) + 1;
        row.Days = months ? DaysInMonth(p) : TYearData::DaysInPeriod(p, length);
        for (int m = 0; m < kET0MethodCount; ++m) {
            row.Mean[m] = series[m]->PeriodAverage(p, length);
            row.Sum[m] = series[m]->PeriodSum(p, length);
        }
        table.Rows.push_back(std::move(row));
    }
    for (int m = 0; m < kET0MethodCount; ++m)
        table.YearTotal[m] = series[m]->SumRange(1, kDaysInYear);
    return table;
}
