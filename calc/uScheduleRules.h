#pragma once

#include <string>
#include <vector>

class TSchedule;
class TSoil;

// The rules of a schedule's own values and of a soil, each broken rule tied to the field it is
// about, so that the schedule window can refuse the first and `quelta-cli check` can name them
// all. A schedule's timing and application values are checked only for the options chosen.

enum class TScheduleField {
    FieldCapacity,
    WiltingPoint,
    AvailableWater,
    InfiltrationRate,
    InitialDepletion,
    DepletionFraction,
    KySeason,
    KyStage,
    TimingPercentOfRAW,
    TimingInterval,
    TimingDepletion,
    ApplicationDepth,
    RoomForRain,
    Efficiency,
};

struct TScheduleFault {
    TScheduleField Field;
    int Stage = 0;       // 1..4 for a stage's Ky
    double Value = 0;    // as stored, metric
    std::string Message; // the rule as the window says it
};

// In the order of the schedule window's fields; a schedule's list starts with its soil's.
std::vector<TScheduleFault> SoilFaults(const TSoil& soil);
std::vector<TScheduleFault> ScheduleFaults(const TSchedule& schedule);
