#include "calc/uWaterRequirements.h"

#include "core/cCalendar.h"
#include "core/cYearData.h"
#include "data/cAllData.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace {

// First and last day of a period; months when length is 0.
std::pair<int, int> PeriodDays(int period, int length) {
    if (length == 0)
        return {FirstDayOfMonth(period), FirstDayOfMonth(period) + DaysInMonth(period) - 1};
    const int first = (period - 1) * length + 1;
    return {first, first + TYearData::DaysInPeriod(period, length) - 1};
}

// mm over ha as 10^3 m3.
double Volume(double depth, double area) {
    return depth * area * 10 / 1000;
}

} // namespace

std::string Et0MethodName(TEt0Method method) {
    switch (method) {
    case TEt0Method::PenmanMonteith:
        return "Penman - Monteith";
    case TEt0Method::ModPenman:
        return "FAO Modified Penman";
    case TEt0Method::Hargreaves:
        return "Modified Hargreaves";
    }
    return "";
}

std::string RainfallMethodName(TRainfallMethod method) {
    switch (method) {
    case TRainfallMethod::Usda:
        return "USDA Method";
    case TRainfallMethod::CurveNumber:
        return "Curve Number Method";
    case TRainfallMethod::Fixed:
        return "Fixed % of precipitation";
    }
    return "";
}

const TYearData& Et0Series(const TAllData& data, TEt0Method method) {
    switch (method) {
    case TEt0Method::ModPenman:
        return data.ET0ModPenman;
    case TEt0Method::Hargreaves:
        return data.ET0Hargreaves;
    default:
        return data.ET0PenmanMonteith;
    }
}

const TYearSum& EtcTotalSeries(const TAllData& data, TEt0Method method) {
    switch (method) {
    case TEt0Method::ModPenman:
        return data.ETcTotalModPenman;
    case TEt0Method::Hargreaves:
        return data.ETcTotalHargreaves;
    default:
        return data.ETcTotalPenmanMonteith;
    }
}

TYearSum& EtcTotalSeries(TAllData& data, TEt0Method method) {
    return const_cast<TYearSum&>(EtcTotalSeries(std::as_const(data), method));
}

double MaxCroppedArea(const TCropPattern& pattern, int period, int length) {
    const auto [first, last] = PeriodDays(period, length);
    double largest = 0;
    for (int d = first; d <= last; ++d) {
        double area = 0;
        for (int c = 1; c <= pattern.Count(); ++c)
            if (pattern.GetCropLine(c).KcSeries.GetDay(d) > 0)
                area += pattern.GetCropLine(c).Area;
        if (area > largest)
            largest = area;
    }
    return largest;
}

TWaterRequirement WaterRequirementOfPeriod(const TAllData& data, TEt0Method method, int cropIndex,
                                           int period, int length) {
    const TCropPattern& pattern = data.CropPattern;
    TWaterRequirement w;
    w.CroppedArea = cropIndex == 0 ? pattern.CroppedAreaInPeriod(period, length)
                                   : pattern.CroppedAreaOfLine(cropIndex, period, length);
    w.CropVolume = EtcTotalSeries(data, method).PeriodSum(period, length) * 10 / 1000;
    w.RainVolume = data.EffectiveRainfall.PeriodSum(period, length);
    double need = w.CropVolume - w.RainVolume;
    // Where the crops take all their water from the rain the two sums differ only by rounding;
    // that is no shortage and no surplus.
    if (std::fabs(need) <= 1e-9 * std::max(w.CropVolume, 1.0))
        need = 0;
    if (need >= 0) {
        w.Volume = need;
        if (w.CroppedArea != 0)
            w.Depth = need * 100 / w.CroppedArea;
    }
    return w;
}

TNonIrrigated NonIrrigatedOfPeriod(const TAllData& data, int period, int length) {
    const TCropPattern& pattern = data.CropPattern;
    const double irrigable = data.General.IrrigableArea;
    const double permanent = data.General.GrossArea - irrigable;
    TNonIrrigated n;
    n.FallowArea = irrigable - pattern.CroppedAreaInPeriod(period, length);
    const double fallow = pattern.ETFallow.PeriodSum(period, length);
    n.FallowDepth = n.FallowArea == 0 ? 0 : fallow;
    n.FallowVolume = Volume(fallow, n.FallowArea);
    const double permanentDepth = pattern.ETPermanent.PeriodSum(period, length);
    n.PermanentDepth = permanent == 0 ? 0 : permanentDepth;
    n.PermanentVolume = Volume(permanentDepth, permanent);
    return n;
}
