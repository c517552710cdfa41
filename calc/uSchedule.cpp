#include "calc/uSchedule.h"

#include "calc/uScheduleRules.h"
#include "data/cSchedule.h"

#include <algorithm>

namespace {

// The day as it ends with a given net irrigation.
struct TDayBalance {
    double ETa = 0, DP = 0, Dr = 0;
};

TDayBalance Balance(double drBefore, double pe, double net, double etaWanted, double taw) {
    TDayBalance day;
    day.ETa = std::max(0.0, std::min(etaWanted, taw - drBefore + pe + net));
    day.DP = std::max(0.0, pe + net - day.ETa - drBefore);
    day.Dr = std::max(0.0, drBefore - pe - net + day.ETa + day.DP);
    return day;
}

bool IrrigationDay(const TSchedule& s, int seasonDay, double drWithout, double raw) {
    switch (s.Timing) {
    case TScheduleTiming::PercentOfRAW:
        return drWithout >= s.TimingPercentOfRAW / 100 * raw;
    case TScheduleTiming::FixedInterval:
        return seasonDay % s.TimingInterval == 0;
    case TScheduleTiming::DepletionDepth:
        return drWithout >= s.TimingDepletion;
    case TScheduleTiming::Never:
        break;
    }
    return false;
}

// The net depth of an irrigation; refill brings the day's end back to field capacity.
double NetDepth(const TSchedule& s, double drBefore, double pe, double etaWanted) {
    const double refill = std::max(0.0, drBefore - pe + etaWanted);
    switch (s.Application) {
    case TScheduleApplication::RefillToFieldCapacity:
        return refill;
    case TScheduleApplication::FixedDepth:
        return s.ApplicationDepth;
    case TScheduleApplication::RefillLessRoom:
        return std::max(0.0, refill - s.RoomForRain);
    }
    return 0;
}

void Summarise(const TSchedule& s, TScheduleResult& result) {
    TScheduleSeason& season = result.Season;
    season.Days = static_cast<int>(result.Days.size());
    for (int stage = 0; stage < 4; ++stage)
        season.Stages[stage].Ky = s.KyStage[stage];
    double percolatedIrrigation = 0;
    for (const TScheduleDay& day : result.Days) {
        season.Rain += day.Rain;
        season.Pe += day.Pe;
        season.ETc += day.ETc;
        season.ETa += day.ETa;
        season.Net += day.Net;
        season.Gross += day.Gross;
        season.DP += day.DP;
        season.Irrigations += day.Irrigated ? 1 : 0;
        percolatedIrrigation += std::min(day.DP, day.Net);
        TStageYield& stage = season.Stages[std::clamp(day.Stage, 1, 4) - 1];
        stage.ETc += day.ETc;
        stage.ETa += day.ETa;
    }
    season.RelativeET = season.ETc > 0 ? season.ETa / season.ETc : 1;
    season.YieldReduction = YieldReduction(s.KySeason, season.ETa, season.ETc);
    double stageYield = 1;
    for (TStageYield& stage : season.Stages) {
        if (stage.Ky <= 0)
            continue;
        stage.Reduction = YieldReduction(stage.Ky, stage.ETa, stage.ETc);
        stageYield *= 1 - *stage.Reduction;
        season.StageYieldReduction = 1 - stageYield;
    }
    season.RainLosses = season.Rain - season.Pe + season.DP - percolatedIrrigation;
    season.IrrigationLosses = season.Gross - season.Net + percolatedIrrigation;
    season.FinalDepletion = result.Days.empty() ? season.InitialDepletion : result.Days.back().Dr;
    season.BalanceError = season.InitialDepletion - season.FinalDepletion -
                          (season.Pe + season.Net - season.ETa - season.DP);
}

} // namespace

std::string ScheduleValueError(const TSchedule& s) {
    const std::vector<TScheduleFault> faults = ScheduleFaults(s);
    return faults.empty() ? std::string() : faults.front().Message;
}

double AdjustedDepletionFraction(double pTable, double etc) {
    return std::clamp(pTable + 0.04 * (5 - etc), 0.1, 0.8);
}

double YieldReduction(double ky, double eta, double etc) {
    if (etc <= 0)
        return 0;
    return std::clamp(ky * (1 - eta / etc), 0.0, 1.0);
}

TScheduleResult CalcScheduleBalance(const TSchedule& s, const std::vector<TSeasonDay>& season) {
    TScheduleResult result;
    result.Days.reserve(season.size());
    const double perMetre = s.Soil.AvailableWaterPerMetre();
    const double efficiency = s.Efficiency / 100;
    double dr = season.empty() ? 0 : s.Soil.InitialDepletion / 100 * perMetre * season[0].RootDepth;
    result.Season.InitialDepletion = dr;
    int seasonDay = 0;
    for (const TSeasonDay& in : season) {
        ++seasonDay;
        TScheduleDay day;
        day.Day = in.Day;
        day.Stage = in.Stage;
        day.RootDepth = in.RootDepth;
        day.ETc = in.ETc;
        day.Rain = in.Rain;
        day.Pe = std::clamp(in.RainEntering, 0.0, s.Soil.InfiltrationRate);
        day.P = AdjustedDepletionFraction(s.DepletionFraction, in.ETc);
        day.TAW = perMetre * in.RootDepth;
        day.RAW = day.P * day.TAW;
        if (dr <= day.RAW)
            day.Ks = 1;
        else
            day.Ks = std::clamp((day.TAW - dr) / ((1 - day.P) * day.TAW), 0.0, 1.0);
        const double etaWanted = day.Ks * in.ETc;

        TDayBalance end = Balance(dr, day.Pe, 0, etaWanted, day.TAW);
        if (IrrigationDay(s, seasonDay, end.Dr, day.RAW)) {
            const double net = NetDepth(s, dr, day.Pe, etaWanted);
            if (net > 0) {
                day.Irrigated = true;
                day.Net = net;
                day.Gross = net / efficiency;
                end = Balance(dr, day.Pe, net, etaWanted, day.TAW);
            }
        }
        day.ETa = end.ETa;
        day.DP = end.DP;
        day.Dr = end.Dr;
        dr = end.Dr;
        result.Days.push_back(day);
    }
    Summarise(s, result);
    return result;
}
