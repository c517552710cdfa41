#include "calc/uCropET.h"

#include "calc/uReferenceET.h"
#include "core/cCalendar.h"
#include "core/cYearData.h"
#include "data/cAllData.h"

#include "core/cError.h"

#include <algorithm>
#include <array>
#include <cstdlib>

namespace {

// A day of the season, wrapped once into the year.
int WrapDay(int day) {
    return day > kDaysInYear ? day - kDaysInYear : day;
}

struct TIntervalCoefficients {
    int days;
    TKcIniCoefficients k;
};

constexpr std::array<TIntervalCoefficients, 5> kKcIniTable{{
    {2, {1.13817, 0.0719, 0.003826}},
    {4, {1.07133, 0.10882, 0.005303}},
    {7, {0.845, 0.10077, 0.005227}},
    {10, {0.679, 0.09623, 0.005227}},
    {20, {0.511, 0.07359, 0.003864}},
}};

// The crop's Kc on every day of the year: 0 outside its growing period.
void BuildKcCurve(TCropPatternLine& line, double kc1, const TStageCoefficients& k) {
    const int p = line.PlantingDay;
    const int l1 = line.StageLength[0], l2 = line.StageLength[1];
    const int l3 = line.StageLength[2], l4 = line.StageLength[3];
    TYearData& kc = line.KcSeries;
    for (int d = p; d <= p + l1 - 1; ++d)
        kc.SetDay(WrapDay(d), kc1);
    for (int j = 1; j <= l2; ++j)
        kc.SetDay(WrapDay(p + l1 - 1 + j), kc1 + (double(j) / l2) * (k.K3 - kc1));
    for (int d = p + l1 + l2; d <= p + l1 + l2 + l3 - 1; ++d)
        kc.SetDay(WrapDay(d), k.K3);
    for (int j = 1; j <= l4; ++j)
        kc.SetDay(WrapDay(p + l1 + l2 + l3 - 1 + j), k.K3 + (double(j) / l4) * (k.K4 - k.K3));
}

void CalcLine(TAllData& allData, TCropPatternLine& line, const TYearData& et0, TYearSum& total) {
    CheckCropSeason(line);
    const int p = line.PlantingDay;
    const int season = line.GrowingPeriod();
    const TMeteo& meteo = allData.Meteo;
    double rhMax = meteo.RHmean.GetDay(WrapDay(p)) / 100;
    double windSum = 0;
    for (int d = p; d <= p + season - 1; ++d) {
        const int day = WrapDay(d);
        rhMax = std::max(rhMax, meteo.RHmean.GetDay(day) / 100);
        windSum += meteo.WindSpeed.GetDay(day);
    }
    // A crop without stages has no curve; its wind mean is left at 0 rather than 0 / 0.
    const double meanWind = season > 0 ? windSum / season : 0;

    double kc1 = line.Kc1[0];
    if (line.StandardKc) {
        SetKcIni(allData, &et0, line, p);
        kc1 = line.Kc1[1];
    }
    BuildKcCurve(line, kc1, AdjustedMidAndEndKc(line.Kc3[0], line.Kc4[0], rhMax, meanWind));

    for (int d = 1; d <= kDaysInYear; ++d) {
        const double etc = line.KcSeries.GetDay(d) * et0.GetDay(d);
        line.ETcSeries.SetDay(d, etc);
        total.SetDay(d, total.GetDay(d) + etc * line.Area);
    }
}

void ClearCurves(TCropPattern& pattern, TYearSum& total) {
    total.Fill(0);
    for (int i = 1; i <= pattern.Count(); ++i)
        pattern.GetCropLine(i).KcSeries.Fill(0);
}

void FillNonIrrigated(TCropPattern& pattern, const TYearData& et0) {
    for (int d = 1; d <= kDaysInYear; ++d) {
        pattern.ETFallow.SetDay(d, et0.GetDay(d) * pattern.KcFallow);
        pattern.ETPermanent.SetDay(d, et0.GetDay(d) * pattern.KcPermanent);
    }
}

} // namespace

void CheckCropSeason(const TCropPatternLine& line) {
    const auto& stages = line.StageLength;
    const bool stagesFit = std::all_of(stages.begin(), stages.end(),
                                       [](int days) { return days >= 0 && days <= kDaysInYear; }) &&
                           line.GrowingPeriod() <= kDaysInYear;
    if (!stagesFit || line.PlantingDay < 1 || line.PlantingDay > kDaysInYear)
        throw TCalcError("The crop " + line.CropName() +
                         " needs a planting day from 1 to 365 and a growing period of at most "
                         "365 days");
}

TKcIniCoefficients KcIniCoefficients(int applInterval) {
    // The table is in increasing order, so on a tie the first (shorter) interval stays.
    const TIntervalCoefficients* nearest = &kKcIniTable[0];
    for (const auto& row : kKcIniTable)
        if (std::abs(row.days - applInterval) < std::abs(nearest->days - applInterval))
            nearest = &row;
    return nearest->k;
}

double CalcKcIni(TAllData& allData, const TYearData* et0, const TCropFactor& crop, int startDay) {
    if (!et0) {
        CalcET0(allData);
        et0 = &allData.ET0PenmanMonteith;
    }
    // A file may hold any stage length or start; the mean never reaches past a year.
    const int l1 = std::min(crop.StageLength[0], kDaysInYear);
    startDay = std::clamp(startDay, 1, kDaysInYear);
    double et = et0->GetDay(1);
    if (l1 > 0) {
        double sum = 0;
        for (int d = startDay; d <= startDay + l1 - 1; ++d)
            sum += et0->GetDay(WrapDay(d));
        et = sum / l1;
    }
    const TKcIniCoefficients k = KcIniCoefficients(allData.General.ApplInterval);
    return k.a - k.b * et + k.c * et * et;
}

void SetKcIni(TAllData& allData, const TYearData* et0, TCropFactor& crop, int startDay) {
    crop.Kc1[1] = CalcKcIni(allData, et0, crop, startDay);
}

TStageCoefficients AdjustedMidAndEndKc(double kc3, double kc4, double rhMaxFraction,
                                       double meanWind) {
    double change = 0;
    if (meanWind < 5) {
        if (rhMaxFraction < 0.2)
            change = 0.05;
        else if (rhMaxFraction > 0.7)
            change = -0.05;
    } else {
        // Strong wind: dry air raises both by 0.1; the middle humidity by half that.
        if (rhMaxFraction < 0.2)
            change = 0.1;
        else if (rhMaxFraction <= 0.7)
            change = 0.05;
    }
    return {kc3 + change, kc4 + change};
}

void CalcCropETc(TAllData& allData, int index, const TYearData& et0, TYearSum& total) {
    TCropPattern& pattern = allData.CropPattern;
    ClearCurves(pattern, total);
    CalcLine(allData, pattern.GetCropLine(index), et0, total);
    FillNonIrrigated(pattern, et0);
}

void CalcAllCropsETc(TAllData& allData, const TYearData& et0, TYearSum& total) {
    TCropPattern& pattern = allData.CropPattern;
    ClearCurves(pattern, total);
    for (int i = 1; i <= pattern.Count(); ++i)
        CalcLine(allData, pattern.GetCropLine(i), et0, total);
    FillNonIrrigated(pattern, et0);
}
