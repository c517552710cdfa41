#include "calc/uEffectiveRainfall.h"

#include "calc/uCropET.h"
#include "calc/uCurveNumber.h"
#include "core/cCalendar.h"
#include "core/cYearData.h"
#include "data/cAllData.h"

#include <array>
#include <cmath>

namespace {

int WrapDay(int day) {
    return day > kDaysInYear ? day - kDaysInYear : day;
}

int LastDayOfMonth(int month) {
    return FirstDayOfMonth(month) + DaysInMonth(month) - 1;
}

// Rain and crop water use over the crop's own part of each month: from planting in the
// planting month, up to harvest in the harvest month, the whole month otherwise.
struct TCropMonths {
    std::array<double, 13> Rain{};
    std::array<double, 13> Use{};
};

TCropMonths CropMonths(const TCropPatternLine& crop, const TYearData& rain) {
    CheckCropSeason(crop);
    const int planting = crop.PlantingDay;
    const int harvest = WrapDay(planting + crop.GrowingPeriod() - 1);
    const int plantingMonth = MonthOfDay(planting);
    const int harvestMonth = MonthOfDay(harvest);
    TCropMonths months;
    for (int m = 1; m <= 12; ++m) {
        int first = FirstDayOfMonth(m);
        int last = LastDayOfMonth(m);
        if (m == plantingMonth)
            first = planting;
        else if (m == harvestMonth)
            last = harvest;
        months.Rain[m] = rain.SumRange(first, last);
        months.Use[m] = crop.ETcSeries.SumRange(first, last);
    }
    return months;
}

// What the USDA method needs of the rain alone, once per run.
struct TUsdaRain {
    const TYearData& Daily;
    double MeanDepth = 0;
    std::array<double, 13> MonthTotal{};
};

TUsdaRain UsdaRain(const TAllData& data) {
    TUsdaRain rain{data.Meteo.Precipitation, data.General.MeanDepth};
    for (int m = 1; m <= 12; ++m)
        rain.MonthTotal[m] = rain.Daily.MonthSum(m);
    return rain;
}

void AddUsdaCrop(const TCropPatternLine& crop, const TUsdaRain& usda, TYearData& result) {
    const TYearData& rain = usda.Daily;
    const TCropMonths part = CropMonths(crop, rain);
    std::array<double, 13> monthUse{}, monthPe{};
    for (int m = 1; m <= 12; ++m) {
        monthUse[m] = crop.ETcSeries.MonthSum(m);
        monthPe[m] = UsdaEffectiveRain(usda.MonthTotal[m], monthUse[m], usda.MeanDepth);
    }
    for (int d = 1; d <= kDaysInYear; ++d) {
        if (crop.KcSeries.GetDay(d) <= 0)
            continue;
        const int m = MonthOfDay(d);
        const double ps = part.Rain[m];
        const double es = part.Use[m];
        double pe;
        if (ps < 12.5) {
            pe = ps < es ? rain.GetDay(d) : crop.ETcSeries.GetDay(d);
        } else if (monthPe[m] <= monthUse[m] && monthPe[m] <= ps) {
            pe = monthPe[m] / DaysInMonth(m);
        } else if (monthUse[m] < ps) {
            pe = crop.ETcSeries.GetDay(d);
        } else if (monthUse[m] > ps) {
            pe = rain.GetDay(d);
        } else {
            pe = 0;
        }
        result.SetDay(d, result.GetDay(d) + pe * crop.Area / 100);
    }
}

// The crops a day-by-day run computes: every crop for index 0, else that one.
std::pair<int, int> CropRange(const TCropPattern& pattern, int index) {
    if (index <= 0)
        return {1, pattern.Count()};
    return {index, std::min(index, pattern.Count())};
}

// What the crop will use in the 31 days from d on, on its growing days (from running sums over
// the year and the month after it).
TYearData NextMonthUse(const TCropPatternLine& crop) {
    std::array<double, kDaysInYear + 31> running{};
    for (int i = 1; i < static_cast<int>(running.size()); ++i)
        running[i] = running[i - 1] + crop.ETcSeries.GetDay(WrapDay(i));
    TYearData use;
    for (int d = 1; d <= kDaysInYear; ++d)
        if (crop.KcSeries.GetDay(d) > 0)
            use.SetDay(d, running[d + 30] - running[d - 1]);
    return use;
}

// The day-by-day store of every computed crop; entering(d) is the rain that reaches the store
// on day d.
template <class TEntering>
void RunDailyStore(TAllData& data, int index, TYearData& result, TEntering entering) {
    result.Fill(0);
    const TCropPattern& pattern = data.CropPattern;
    const auto [first, last] = CropRange(pattern, index);
    if (first > last)
        return;
    std::array<TYearData, TCropPattern::kMaxCrops> limit;
    std::array<double, TCropPattern::kMaxCrops> store{};
    for (int c = first; c <= last; ++c)
        limit[c - 1] = NextMonthUse(pattern.GetCropLine(c));
    for (int d = 1; d <= kDaysInYear; ++d) {
        const double in = entering(d);
        double total = result.GetDay(d);
        for (int c = first; c <= last; ++c) {
            const TCropPatternLine& crop = pattern.GetCropLine(c);
            if (crop.KcSeries.GetDay(d) <= 0)
                continue;
            double& held = store[c - 1];
            const double available = std::min(held + in, limit[c - 1].GetDay(d));
            held = std::max(available - crop.ETcSeries.GetDay(d), 0.0);
            total += (available - held) * crop.Area / 100;
        }
        result.SetDay(d, total);
    }
}

} // namespace

double UsdaDepthFactor(double meanDepth) {
    if (meanDepth < 75)
        return 0.201 * std::log(meanDepth) + 0.133;
    return 0.00073 * meanDepth + 0.946;
}

double UsdaEffectiveRain(double monthRain, double monthUse, double meanDepth) {
    return UsdaDepthFactor(meanDepth) * (1.253 * std::pow(monthRain, 0.824) - 2.935) *
           std::pow(10.0, 0.001 * monthUse);
}

double CurveNumberRunoff(double rain, int curveNumber) {
    const double s = 25400.0 / curveNumber - 254;
    return 0.2 * s < rain ? (rain - 0.2 * s) * (rain - 0.2 * s) / (rain + 0.8 * s) : 0;
}

void CalcPeUSDA(TAllData& data, int index, TYearData& result) {
    result.Fill(0);
    if (index < 1 || index > data.CropPattern.Count())
        return;
    AddUsdaCrop(data.CropPattern.GetCropLine(index), UsdaRain(data), result);
}

void CalcPeUSDAAll(TAllData& data, TYearData& result) {
    result.Fill(0);
    const TUsdaRain rain = UsdaRain(data);
    for (int c = 1; c <= data.CropPattern.Count(); ++c)
        AddUsdaCrop(data.CropPattern.GetCropLine(c), rain, result);
}

double RainAfterRunoff(const TYearData& rain, int curveNumber, int day) {
    double fiveDayRain = 0;
    for (int back = 1; back <= 5; ++back)
        fiveDayRain += rain.GetDay(day - back < 1 ? day - back + kDaysInYear : day - back);
    const double p = rain.GetDay(day);
    return p - CurveNumberRunoff(p, CurveNumberOfDay(curveNumber, fiveDayRain));
}

void CalcPeCurveNumber(TAllData& data, int index, TYearData& result) {
    const TYearData& rain = data.Meteo.Precipitation;
    const int curveNumber = data.General.CurveNumber;
    RunDailyStore(data, index, result,
                  [&](int d) { return RainAfterRunoff(rain, curveNumber, d); });
}

void CalcPeFixed(TAllData& data, int index, TYearData& result) {
    const TYearData& rain = data.Meteo.Precipitation;
    const double percent = data.General.FixedPercent;
    RunDailyStore(data, index, result, [&](int d) { return rain.GetDay(d) * percent / 100; });
}
