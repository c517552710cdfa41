#include "calc/uCropPatternRules.h"

#include "calc/uCropET.h"
#include "calc/uReferenceET.h"
#include "core/cCalendar.h"
#include "core/cFileIO.h"
#include "core/cGuiSettings.h"
#include "core/cNumberFormat.h"
#include "core/cUserMessages.h"
#include "data/cAllData.h"

#include <algorithm>

const std::string kTooManyCrops = "You can't load more than 40 crops into a pattern";

std::vector<std::string> PatternGridCaptions(const TGuiSettings& settings) {
    return {"Crop", "area (" + settings.CurrentUnitLabel(QuantityKind::Area) + ")", "period (days)",
            "month/day", "Description of the crop"};
}

std::vector<std::string> PatternGridRow(const TCropPatternLine& line,
                                        const TGuiSettings& settings) {
    // A line read with a day outside the year has no date to show.
    const std::string date =
        MonthOfDay(line.PlantingDay) == 0
            ? std::string()
            : MonthName(line.PlantingDay) + " / " + std::to_string(DayOfMonth(line.PlantingDay));
    return {FileNamePart(line.CropFileName), settings.FormatValue(QuantityKind::Area, line.Area),
            std::to_string(line.GrowingPeriod()), date, line.Description};
}

std::vector<std::string> PatternHeaderSections() {
    return {"", "Cropped", "Growing", "Planting", ""};
}

std::vector<std::string> PatternFooterSections(const TCropPattern& pattern,
                                               const TGuiSettings& settings) {
    return {"Total", settings.FormatValue(QuantityKind::Area, pattern.TotalArea())};
}

std::vector<std::string> PatternClipboardBody(const TCropPattern& pattern,
                                              const TGuiSettings& settings) {
    auto line = [](const std::vector<std::string>& cells) {
        std::string text;
        for (const std::string& cell : cells)
            text += cell + "\t";
        return text;
    };
    std::vector<std::string> body{line(PatternHeaderSections()),
                                  line(PatternGridCaptions(settings))};
    for (int i = 1; i <= pattern.Count(); ++i)
        body.push_back(line(PatternGridRow(pattern.GetCropLine(i), settings)));
    body.push_back(line(PatternFooterSections(pattern, settings)));
    return body;
}

std::string FormatPatternKc(double kc) {
    return FormatFixed(kc, 2);
}

TDailyArea DailyCroppedArea(const TCropPattern& pattern) {
    TDailyArea area{};
    for (int day = 1; day <= kDaysInYear; ++day)
        area[day - 1] = pattern.CroppedAreaInPeriod(day, 1);
    return area;
}

TDailyArea CalcPatternDailyArea(TAllData& data) {
    CalcET0(data);
    CalcAllCropsETc(data, data.ET0PenmanMonteith, data.ETcTotalPenmanMonteith);
    return DailyCroppedArea(data.CropPattern);
}

int LastDayOfPlantingMonth(int month) {
    return DaysInMonth(month < 1 ? 1 : month);
}

int DayInPlantingMonth(int month, int day) {
    return std::clamp(day, 1, LastDayOfPlantingMonth(month));
}

int PlantingDayOf(int month, int day) {
    return DayOfYear(month < 1 ? 1 : month, DayInPlantingMonth(month, day));
}

TDailyArea DailyAreaWithoutLine(const TDailyArea& patternArea, const TCropPattern& pattern,
                                int line) {
    TDailyArea others = patternArea;
    for (int day = 1; day <= kDaysInYear; ++day)
        others[day - 1] -= pattern.CroppedAreaOfLine(line, day, 1);
    return others;
}

void AddGrowingDays(TDailyArea& dailyArea, double area, int plantingDay, int growingPeriod) {
    // A planting day from a damaged file may lie anywhere; the index must not.
    const int first = ((plantingDay - 1) % kDaysInYear + kDaysInYear) % kDaysInYear;
    for (int k = 0; k < std::min(growingPeriod, kDaysInYear); ++k)
        dailyArea[(first + k) % kDaysInYear] += area;
}

TAreaCheck CropDialogAreaCheck(const TDailyArea& otherCrops, double newArea, int plantingDay,
                               int growingPeriod, double irrigableArea,
                               const TGuiSettings& settings) {
    TDailyArea area = otherCrops;
    AddGrowingDays(area, newArea, plantingDay, growingPeriod);
    return AreaCheckOfDailyArea(area, irrigableArea, settings);
}

TCropRefusal SaveCropToPattern(TCropPatternLine& line, bool adding, double area, int plantingDay,
                               const TDailyArea& otherCrops, double irrigableArea,
                               const TGuiSettings& settings) {
    const double oldArea = adding ? 0 : line.Area;
    const int oldDay = line.PlantingDay;
    line.Area = area;
    line.PlantingDay = plantingDay;
    const TAreaCheck check = CropDialogAreaCheck(otherCrops, line.Area, line.PlantingDay,
                                                 line.GrowingPeriod(), irrigableArea, settings);
    if (check.Exceeded) {
        line.PlantingDay = oldDay;
        if (oldArea > 0)
            line.Area = oldArea;
    }
    line.CropFileName = line.FileName;
    if (line.Area == 0) {
        ShowWarning("Area must be > 0");
        return TCropRefusal::NoArea;
    }
    if (line.CropFileName.empty()) {
        ShowWarning("Load a Crop Factor file first");
        return TCropRefusal::NoCropFile;
    }
    if (check.Exceeded) {
        ShowError(AreaCheckMessage(check, TAreaCheckCaller::CropDialog));
        return TCropRefusal::AreaExceeded;
    }
    return TCropRefusal::None;
}
