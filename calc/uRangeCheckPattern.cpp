// The range check of cropping patterns and strategies; the general and meteo data and single
// crops are in uRangeCheck.cpp.

#include "calc/uRangeCheck.h"

#include "calc/uCropPatternRules.h"
#include "calc/uStrategyTracks.h"
#include "core/cCalendar.h"
#include "core/cGuiSettings.h"
#include "core/cNumberFormat.h"
#include "data/cAreaCheck.h"
#include "data/cCropPattern.h"
#include "data/cGeneral.h"
#include "data/cStrategy.h"

namespace {

std::string MonthLabel(int month) {
    return ShortMonthNameOfMonth(month) + " (" + std::to_string(month) + ")";
}

std::string CropLabel(const TCropPattern& pattern, int i) {
    const std::string name = pattern.GetCropLine(i).CropName();
    return "Crop " + std::to_string(i) + (name.empty() ? "" : " (" + name + ")") + ": ";
}

} // namespace

std::vector<TOutOfRange> OutOfRangePattern(const TCropPattern& pattern, const TGuiSettings& units,
                                           const TGeneral* general) {
    std::vector<TOutOfRange> faults;
    const std::string areaUnit = units.CurrentUnitLabel(QuantityKind::Area);
    TDailyArea cropped{};
    for (int i = 1; i <= pattern.Count(); ++i) {
        const TCropPatternLine& line = pattern.GetCropLine(i);
        const std::string crop = CropLabel(pattern, i);
        if (!(line.Area > 0)) // the crop dialog refuses "Area must be > 0"
            faults.push_back({crop + "Cropped area", "",
                              units.FormatValue(QuantityKind::Area, line.Area),
                              "Range: Cropped area > 0 " + areaUnit});
        if (line.PlantingDay < 1 || line.PlantingDay > kDaysInYear)
            faults.push_back({crop + "Planting day", "", std::to_string(line.PlantingDay),
                              "Range: 1 <= Planting day <= 365"});
        for (TOutOfRange fault : OutOfRangeCropFactor(line, units)) {
            fault.Field = crop + fault.Field;
            faults.push_back(fault);
        }
        AddGrowingDays(cropped, line.Area, line.PlantingDay, line.GrowingPeriod());
    }
    if (!general)
        return faults;
    const TAreaCheck check = AreaCheckOfDailyArea(cropped, general->IrrigableArea, units);
    const std::string irrigable = units.FormatValue(QuantityKind::Area, general->IrrigableArea);
    for (const TAreaExcess& excess : check.Months)
        faults.push_back(
            {"Cropped area", MonthLabel(excess.Month),
             units.FormatValue(QuantityKind::Area, cropped[excess.FirstDay - 1]),
             "Range: Cropped area <= Irrigable area (" + irrigable + " " + areaUnit + ")"});
    return faults;
}

std::vector<TOutOfRange> OutOfRangeStrategy(const TStrategy& strategy, const TGuiSettings& units) {
    std::vector<TOutOfRange> faults;
    struct TColumn {
        const char* Name;
        const TYearAverage* Series;
        int Kind;
        double Max; // inclusive
    };
    const double none = 1e300;
    const TColumn columns[] = {
        {"Diverted irrigation water (Dv)", &strategy.DivertedWater, QuantityKind::Volume, none},
        {"ETa, gross", &strategy.ETaGross, QuantityKind::Depth, none},
        {"Depleted fraction", &strategy.DFUser, QuantityKind::Ratio, 1},
        {"ETa", &strategy.ETaIrrigated, QuantityKind::Depth, none},
    };
    for (int month = 1; month <= 12; ++month)
        for (const TColumn& c : columns) {
            const double value = MonthValue(*c.Series, month);
            if (value >= 0 && value <= c.Max)
                continue;
            const std::string range =
                std::string("Range: 0 <= ") + c.Name + (c.Max == none ? std::string() : " <= 1");
            faults.push_back({c.Name, MonthLabel(month), units.FormatValue(c.Kind, value), range});
        }
    return faults;
}
