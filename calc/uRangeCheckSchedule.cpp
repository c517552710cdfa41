// The range check of irrigation schedules and soils: the schedule rules' faults named as the
// schedule window shows the fields.

#include "calc/uRangeCheck.h"

#include "calc/uScheduleReport.h"
#include "calc/uScheduleRules.h"
#include "core/cGuiSettings.h"
#include "core/cNumberFormat.h"
#include "data/cSchedule.h"

namespace {

struct TFieldText {
    const char* Name;
    bool Depth; // shown in the depth unit; otherwise as stored
};

TFieldText FieldText(TScheduleField field) {
    switch (field) {
    case TScheduleField::FieldCapacity:
        return {"Field capacity", false};
    case TScheduleField::WiltingPoint:
        return {"Wilting point", false};
    case TScheduleField::AvailableWater:
        return {"Total available water", true};
    case TScheduleField::InfiltrationRate:
        return {"Rain infiltration", true};
    case TScheduleField::InitialDepletion:
        return {"Initial depletion", false};
    case TScheduleField::DepletionFraction:
        return {"Depletion fraction p", false};
    case TScheduleField::KySeason:
        return {"Ky of the season", false};
    case TScheduleField::KyStage:
        return {"Ky of the stages", false};
    case TScheduleField::TimingPercentOfRAW:
        return {"Depletion that starts an irrigation, % of RAW", false};
    case TScheduleField::TimingInterval:
        return {"Interval between irrigations", false};
    case TScheduleField::TimingDepletion:
        return {"Depletion that starts an irrigation", true};
    case TScheduleField::ApplicationDepth:
        return {"Net depth of an irrigation", true};
    case TScheduleField::RoomForRain:
        return {"Room for rain", true};
    case TScheduleField::Efficiency:
        return {"Application efficiency", false};
    }
    return {"", false};
}

std::string RangeHint(TScheduleField field, const TGuiSettings& units) {
    const std::string depth = units.CurrentUnitLabel(QuantityKind::Depth);
    auto bound = [&](double mm) {
        return units.FormatValue(QuantityKind::Depth, mm) + " " + depth;
    };
    switch (field) {
    case TScheduleField::FieldCapacity:
        return "Range: 0 <= Field capacity <= 1 m3/m3 and Field capacity > Wilting point";
    case TScheduleField::WiltingPoint:
        return "Range: 0 <= Wilting point <= 1 m3/m3 and Wilting point < Field capacity";
    case TScheduleField::AvailableWater:
        return "Range: 0 < Total available water <= " + bound(1000) + " per m of soil";
    case TScheduleField::InfiltrationRate:
        return "Range: 0 < Rain infiltration <= " + bound(10000) + " per day";
    case TScheduleField::InitialDepletion:
        return "Range: 0 <= Initial depletion <= 100 % of TAW";
    case TScheduleField::DepletionFraction:
        return "Range: 0.1 <= p <= 0.8";
    case TScheduleField::KySeason:
    case TScheduleField::KyStage:
        return "Range: 0 <= Ky <= 2";
    case TScheduleField::TimingPercentOfRAW:
        return "Range: 1 <= Depletion <= 1000 % of RAW";
    case TScheduleField::TimingInterval:
        return "Range: 1 <= Interval <= 365 days";
    case TScheduleField::TimingDepletion:
        return "Range: 0 < Depletion <= " + bound(10000);
    case TScheduleField::ApplicationDepth:
        return "Range: 0 < Net depth <= " + bound(1000);
    case TScheduleField::RoomForRain:
        return "Range: 0 <= Room for rain <= " + bound(1000);
    case TScheduleField::Efficiency:
        return "Range: 1 <= Efficiency <= 100 %";
    }
    return "";
}

std::vector<TOutOfRange> Named(const std::vector<TScheduleFault>& faults,
                               const TGuiSettings& units) {
    std::vector<TOutOfRange> named;
    for (const TScheduleFault& f : faults) {
        const TFieldText text = FieldText(f.Field);
        named.push_back(
            {text.Name, f.Stage > 0 ? ScheduleStageName(f.Stage) : "",
             text.Depth ? units.FormatValue(QuantityKind::Depth, f.Value) : FormatGeneral(f.Value),
             RangeHint(f.Field, units)});
    }
    return named;
}

} // namespace

std::vector<TOutOfRange> OutOfRangeSoil(const TSoil& soil, const TGuiSettings& units) {
    return Named(SoilFaults(soil), units);
}

std::vector<TOutOfRange> OutOfRangeSchedule(const TSchedule& schedule, const TGuiSettings& units) {
    return Named(ScheduleFaults(schedule), units);
}
