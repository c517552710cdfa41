#include "calc/uStrategyTracks.h"

#include "core/cCalendar.h"
#include "core/cGuiSettings.h"
#include "core/cNumberFormat.h"
#include "core/cUserMessages.h"
#include "data/cStrategy.h"

#include <cmath>

namespace {

constexpr double kM3PerMmHa = 10;
constexpr double kPeffToM3 = 1000;
constexpr double kEtDecline = 0.625; // ETa/ETp lost per unit of DF above DFsustainable

struct TCapillaryRise {
    const char* Soil;
    double H05, H10, H20;
};

constexpr TCapillaryRise kCapillaryRise[] = {
    {"Sand", 1.25, 1.05, 0.90},       {"Loamy sand", 1.35, 1.10, 0.90},
    {"Sandy loam", 2.35, 1.60, 1.05}, {"Loam", 1.80, 1.15, 0.75},
    {"Clay loam", 1.50, 1.00, 0.65},  {"Silty clay loam", 0.95, 0.55, 0.30},
    {"Silty clay", 0.60, 0.35, 0.22}, {"Silt loam", 2.20, 1.60, 1.10},
};

// Errors of the graph routines are shown, as the window would, and leave an empty result.
template <class TResult, class TCompute>
TResult Guarded(const char* procedure, TCompute compute) {
    try {
        return compute();
    } catch (const std::exception& e) {
        ShowError(std::string("Error in procedure ") + procedure + ": " + e.what());
        return TResult{};
    }
}

// A value in hundredths as it shows with two decimals.
long long Hundredths(const std::string& shown) {
    return std::llround(TextToNumber(shown) * 100);
}

int WrapDay(int day) {
    return day > kDaysInYear ? day - kDaysInYear : day;
}

} // namespace

double MonthValue(const TYearAverage& series, int month) {
    const int first = FirstDayOfMonth(month);
    const double value = series.GetDay(first);
    for (int d = first + 1; d < first + DaysInMonth(month); ++d)
        if (series.GetDay(d) != value)
            return series.GetMonth(month);
    return value;
}

const std::vector<std::string>& SoilTypes() {
    static const std::vector<std::string> names = [] {
        std::vector<std::string> result;
        for (const auto& row : kCapillaryRise)
            result.push_back(row.Soil);
        return result;
    }();
    return names;
}

double CapillaryRiseOf(int soilIndex, double flowRate) {
    if (soilIndex < 0 || soilIndex >= static_cast<int>(std::size(kCapillaryRise)))
        return 0;
    const TCapillaryRise& row = kCapillaryRise[soilIndex];
    if (flowRate == 0.5)
        return row.H05;
    if (flowRate == 1.0)
        return row.H10;
    if (flowRate == 2.0)
        return row.H20;
    return 0;
}

double DFCalcOfMonth(const TStrategy& strategy, const TStrategyProject& project, int month) {
    const double eta = MonthValue(strategy.ETaGross, month);
    const double vc = MonthValue(strategy.DivertedWater, month);
    const double x = project.GrossArea != 0 ? vc / (project.GrossArea * kM3PerMmHa) : 0;
    const double water = project.Precipitation[month - 1] + x;
    return water != 0 ? eta / water : 0;
}

TGWTRegression CalcGWTGraphWithData(const TStrategy& strategy, const TGuiSettings& settings) {
    return Guarded<TGWTRegression>("CalcGWTGraphWithData", [&] {
        // The points as shown, in hundredths: whole numbers, so equal DFs give a slope of
        // exactly 0 and not a rounding remainder.
        constexpr long long n = 12;
        long long sx = 0, sy = 0, sxx = 0, sxy = 0;
        for (int m = 1; m <= 12; ++m) {
            const long long x = Hundredths(FormatFixed(MonthValue(strategy.DFCalc, m), 2));
            const long long y = Hundredths(
                settings.FormatValue(QuantityKind::Length, strategy.ChangeGWTableData.GetMonth(m)));
            sx += x;
            sy += y;
            sxx += x * x;
            sxy += x * y;
        }
        const long long nSxx = n * sxx - sx * sx;
        const long long nSxy = n * sxy - sx * sy;
        const double bShown = nSxx != 0 ? static_cast<double>(nSxy) / static_cast<double>(nSxx) : 0;
        const double aShown = (static_cast<double>(sy) - bShown * static_cast<double>(sx)) /
                              static_cast<double>(n * 100);
        TGWTRegression r;
        r.A = settings.ParseValue(QuantityKind::Length, aShown);
        r.B = settings.ParseValue(QuantityKind::Length, bShown);
        r.Line = {0, r.A, r.B != 0 ? -r.A / r.B : 0, 0, 1, r.A + r.B};
        return r;
    });
}

TStrategyLine CalcGWTGraphNoData(const TStrategy& strategy) {
    return Guarded<TStrategyLine>("CalcGWTGraphNoData", [&] {
        const double df = strategy.DFcrit;
        return TStrategyLine{0, df / 3, df, 0, 1, (df - 1) / 3};
    });
}

TStrategyLine CalcETGraphNoData(const TStrategy& strategy) {
    return Guarded<TStrategyLine>("CalcETGraphNoData", [&] {
        const double df = strategy.DFcrit;
        return TStrategyLine{0, 1, df, 1, 1, 1 + kEtDecline * (df - 1)};
    });
}

double GWChangeWithData(const TStrategy& strategy, const TGuiSettings& settings, int month) {
    const TGWTRegression r = CalcGWTGraphWithData(strategy, settings);
    return r.B * MonthValue(strategy.DFUser, month) + r.A;
}

double GWChangeNoData(const TStrategy& strategy, int month) {
    return strategy.DFcrit / 3 - MonthValue(strategy.DFUser, month) / 3;
}

double VcDFOfMonth(const TStrategy& strategy, const TStrategyProject& project, int month) {
    const double df = MonthValue(strategy.DFUser, month);
    if (df == 0)
        return 0;
    const double vc =
        (MonthValue(strategy.ETaGross, month) / df - project.Precipitation[month - 1]) *
        project.GrossArea * kM3PerMmHa;
    return vc < 0 ? 0 : vc;
}

double VcDFNoData(const TStrategy& strategy, const TStrategyProject& project,
                  const TYearData& etpIrrigated, int month) {
    const double df = MonthValue(strategy.DFUser, month);
    const double etp = etpIrrigated.MonthSum(month);
    const double ac = project.CroppedAreaOfMonth[month - 1];
    const double fallow = project.ETFallow.MonthSum(month);
    const double permanent = project.ETPermanent.MonthSum(month);
    const double airr = project.IrrigableArea;
    // The uncropped part of the irrigable area counts as fallow land.
    const double etpIrr = airr != 0 ? (etp * ac + fallow * (airr - ac)) / airr : 0;
    const double eta =
        df > strategy.DFcrit ? etpIrr * (1 + kEtDecline * (strategy.DFcrit - df)) : etpIrr;
    const double x =
        df != 0 ? (eta / df - project.Precipitation[month - 1]) * airr * kM3PerMmHa : 0;
    const double vc = x + permanent * (project.GrossArea - airr) * kM3PerMmHa;
    return vc < 0 ? 0 : vc;
}

void CalcETpIrrigated(const TStrategyProject& project, TYearData& etpIrrigated) {
    for (int d = 1; d <= kDaysInYear; ++d) {
        const double ac = project.CroppedAreaOfDay[d - 1];
        etpIrrigated.SetDay(d, ac != 0 ? project.SelectedETcTotal.GetDay(d) / ac : 0);
    }
}

std::array<double, 365> RootingDepthOfDays(const TStrategyCrop& crop) {
    return RootingDepthOfDays(crop.PlantingDay, crop.StageLength, crop.RootingDepth);
}

std::array<double, 365> RootingDepthOfDays(int plantingDay, const std::array<int, 4>& stageLength,
                                           double rootingDepth) {
    std::array<double, 365> roots{};
    auto set = [&roots](int day, double depth) {
        day = WrapDay(day);
        if (day >= 1 && day <= kDaysInYear)
            roots[day - 1] = depth;
    };
    const int p = plantingDay;
    const auto [l1, l2, l3, l4] = stageLength;
    const double rmax = rootingDepth;
    for (int d = p; d <= p + l1 - 1; ++d)
        set(d, kRootsAtPlanting);
    for (int k = 1; k <= l2; ++k)
        set(p + l1 - 1 + k,
            kRootsAtPlanting + (static_cast<double>(k) / l2) * (rmax - kRootsAtPlanting));
    for (int d = p + l1 + l2; d <= p + l1 + l2 + l3 - 1; ++d)
        set(d, rmax);
    for (int k = 1; k <= l4; ++k)
        set(p + l1 + l2 + l3 - 1 + k, rmax);
    return roots;
}

std::array<double, 365> GroundwaterDepthOfDays(const TStrategy& strategy) {
    std::array<double, 365> depth{};
    double d = strategy.DepthGW1Jan;
    for (int day = 1; day <= kDaysInYear; ++day) {
        d -= strategy.ChangeGWTableStrategy.GetDay(day); // a rising table comes closer
        depth[day - 1] = d;
    }
    return depth;
}

void CalcGWContribution(const TStrategy& strategy, const TStrategyProject& project,
                        TYearData& target) {
    target.Fill(0);
    const std::array<double, 365> depth = GroundwaterDepthOfDays(strategy);
    std::vector<std::array<double, 365>> roots;
    roots.reserve(project.Crops.size());
    for (const auto& crop : project.Crops)
        roots.push_back(RootingDepthOfDays(crop));
    for (int d = 1; d <= kDaysInYear; ++d) {
        double volume = 0; // m3 of the day
        for (std::size_t i = 0; i < project.Crops.size(); ++i) {
            const TStrategyCrop& crop = project.Crops[i];
            if (crop.KcSeries.GetDay(d) <= 0)
                continue;
            const double distance = depth[d - 1] - roots[i][d - 1];
            double q = 0; // mm/day
            if (distance <= strategy.CapRise20)
                q = 2.0;
            else if (distance <= strategy.CapRise10)
                q = 1.0;
            else if (distance <= strategy.CapRise05)
                q = 0.5;
            volume += q * kM3PerMmHa * crop.Area;
        }
        const double ac = project.CroppedAreaOfDay[d - 1];
        target.SetDay(d, ac != 0 ? volume / (ac * kM3PerMmHa) : 0);
    }
}

double VcETOfMonth(const TStrategy& strategy, const TStrategyProject& project,
                   const TYearData& dailyContribution, int month) {
    const double g = dailyContribution.MonthSum(month); // mm
    const double ac = project.CroppedAreaOfMonth[month - 1];
    const double etaVolume = MonthValue(strategy.ETaIrrigated, month) * ac * kM3PerMmHa;
    const double pe = strategy.EffRainCropped.MonthSum(month) * kPeffToM3;
    const double net = etaVolume - pe - g * ac * kM3PerMmHa;
    if (net < 0 || strategy.RaRatio == 0 || strategy.DeliveryRatio == 0 ||
        strategy.ConveyRatio == 0)
        return 0;
    return net / strategy.RaRatio / strategy.DeliveryRatio / strategy.ConveyRatio;
}

std::string WarningOfMonth(double dfSustainable, double dfUser, double vcET, double vcDF) {
    const std::string none = "No warning";
    if ((vcDF == 0 && vcET == 0) || vcDF == vcET)
        return none;
    const bool within = vcDF > 0.95 * vcET && vcDF <= 1.05 * vcET;
    if (within)
        return none;
    const bool lower = vcDF <= 0.95 * vcET;
    if (dfUser <= dfSustainable)
        return lower ? "Reduce VcEt by improving water delivery and/or field water application"
                     : "Apply water more uniformly";
    return lower ? "Allow lower ETa from irr.area / decrease DF"
                 : "Increase DF-value for this month to decrease VcDf";
}

TStrategyOutcome OutcomeOfMonth(double vcDF, double vcET) {
    if (vcDF < vcET)
        return {vcET, true};
    return {vcDF, false};
}
