#include "calc/uScheduleRules.h"

#include "data/cSchedule.h"

namespace {

bool Within(double value, double low, double high) {
    return value >= low && value <= high; // false for NaN
}

// Above 0 and at most high; false for NaN.
bool Positive(double value, double high) {
    return value > 0 && value <= high;
}

using TFaults = std::vector<TScheduleFault>;

void TimingFaults(const TSchedule& s, TFaults& faults) {
    switch (s.Timing) {
    case TScheduleTiming::PercentOfRAW:
        if (!Within(s.TimingPercentOfRAW, 1, 1000))
            faults.push_back({TScheduleField::TimingPercentOfRAW, 0, s.TimingPercentOfRAW,
                              "Irrigation must start at a depletion between 1 and 1000 % of the "
                              "readily available water."});
        break;
    case TScheduleTiming::FixedInterval:
        if (!Within(s.TimingInterval, 1, 365))
            faults.push_back({TScheduleField::TimingInterval, 0,
                              static_cast<double>(s.TimingInterval),
                              "The interval between irrigations must lie between 1 and 365 days."});
        break;
    case TScheduleTiming::DepletionDepth:
        if (!Positive(s.TimingDepletion, 10000))
            faults.push_back({TScheduleField::TimingDepletion, 0, s.TimingDepletion,
                              "The depletion that starts an irrigation must lie above 0 and at "
                              "most 10000 mm."});
        break;
    case TScheduleTiming::Never:
        break;
    }
    if (s.Application == TScheduleApplication::FixedDepth && !Positive(s.ApplicationDepth, 1000))
        faults.push_back({TScheduleField::ApplicationDepth, 0, s.ApplicationDepth,
                          "The net depth of an irrigation must lie above 0 and at most 1000 mm."});
    if (s.Application == TScheduleApplication::RefillLessRoom && !Within(s.RoomForRain, 0, 1000))
        faults.push_back({TScheduleField::RoomForRain, 0, s.RoomForRain,
                          "The room left for rain must lie between 0 and 1000 mm."});
}

} // namespace

std::vector<TScheduleFault> SoilFaults(const TSoil& soil) {
    TFaults faults;
    if (soil.AvailableWaterGiven) {
        if (!Positive(soil.AvailableWater, 1000))
            faults.push_back({TScheduleField::AvailableWater, 0, soil.AvailableWater,
                              "The total available water must lie above 0 and at most 1000 mm "
                              "per metre of soil."});
    } else {
        const char* shares = "Field capacity and wilting point are shares of the soil volume "
                             "(m3/m3) between 0 and 1.";
        const bool fc = Within(soil.FieldCapacity, 0, 1), wp = Within(soil.WiltingPoint, 0, 1);
        if (!fc)
            faults.push_back({TScheduleField::FieldCapacity, 0, soil.FieldCapacity, shares});
        if (!wp)
            faults.push_back({TScheduleField::WiltingPoint, 0, soil.WiltingPoint, shares});
        if (fc && wp && !(soil.FieldCapacity > soil.WiltingPoint))
            faults.push_back({TScheduleField::WiltingPoint, 0, soil.WiltingPoint,
                              "The field capacity must be larger than the wilting point."});
    }
    if (!Positive(soil.InfiltrationRate, 10000))
        faults.push_back({TScheduleField::InfiltrationRate, 0, soil.InfiltrationRate,
                          "The infiltration rate of the soil must lie above 0 and at most 10000 "
                          "mm/day."});
    if (!Within(soil.InitialDepletion, 0, 100))
        faults.push_back({TScheduleField::InitialDepletion, 0, soil.InitialDepletion,
                          "The initial depletion must lie between 0 and 100 % of the total "
                          "available water."});
    return faults;
}

std::vector<TScheduleFault> ScheduleFaults(const TSchedule& s) {
    TFaults faults = SoilFaults(s.Soil);
    if (!Within(s.DepletionFraction, 0.1, 0.8))
        faults.push_back({TScheduleField::DepletionFraction, 0, s.DepletionFraction,
                          "The depletion fraction p must lie between 0.1 and 0.8."});
    const char* ky = "The yield response factors Ky must lie between 0 and 2.";
    if (!Within(s.KySeason, 0, 2))
        faults.push_back({TScheduleField::KySeason, 0, s.KySeason, ky});
    for (int stage = 1; stage <= 4; ++stage)
        if (!Within(s.KyStage[stage - 1], 0, 2))
            faults.push_back({TScheduleField::KyStage, stage, s.KyStage[stage - 1], ky});
    TimingFaults(s, faults);
    if (!Within(s.Efficiency, 1, 100))
        faults.push_back({TScheduleField::Efficiency, 0, s.Efficiency,
                          "The field application efficiency must lie between 1 and 100 %."});
    return faults;
}
