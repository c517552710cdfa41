#include "calc/uScheduleProject.h"

#include "calc/uCropET.h"
#include "calc/uEffectiveRainfall.h"
#include "calc/uReferenceET.h"
#include "calc/uStrategyTracks.h"
#include "core/cCalendar.h"
#include "core/cError.h"
#include "core/cFileIO.h"
#include "data/cAllData.h"
#include "data/cSchedule.h"

#include <algorithm>
#include <cctype>
#include <cmath>

namespace {

// Deeper than any crop's roots; a deeper root zone would only be a damaged crop file.
constexpr double kDeepestRoots = 10;

std::string Lower(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return std::tolower(c); });
    return text;
}

int StageOfSeasonDay(const std::array<int, 4>& stageLength, int offset) {
    int end = 0;
    for (int stage = 1; stage <= 4; ++stage) {
        end += stageLength[stage - 1];
        if (offset < end)
            return stage;
    }
    return 4;
}

} // namespace

std::vector<TRainfallMethod> ScheduleRainfallMethods(const TGeneral& general) {
    std::vector<TRainfallMethod> methods = {TRainfallMethod::Usda};
    if (general.UseCurveNumber)
        methods.push_back(TRainfallMethod::CurveNumber);
    if (general.UseFixedPercent)
        methods.push_back(TRainfallMethod::Fixed);
    return methods;
}

TRainfallMethod ProjectRainfallMethod(const TGeneral& general) {
    if (general.UseCurveNumber)
        return TRainfallMethod::CurveNumber;
    if (general.UseFixedPercent)
        return TRainfallMethod::Fixed;
    return TRainfallMethod::Usda;
}

int FindScheduleLine(const TCropPattern& pattern, const TSchedule& schedule) {
    const std::string name = Lower(FileNamePart(schedule.CropFileName));
    for (int i = 1; i <= pattern.Count(); ++i) {
        const TCropPatternLine& line = pattern.GetCropLine(i);
        if (line.PlantingDay == schedule.PlantingDay &&
            Lower(FileNamePart(line.CropFileName)) == name)
            return i;
    }
    return 0;
}

std::string ScheduleLineName(const std::string& cropFileName, int plantingDay) {
    std::string name = FileNamePart(cropFileName);
    if (const auto dot = name.rfind('.'); dot != std::string::npos)
        name.erase(dot);
    return name + " (day " + std::to_string(plantingDay) + ")";
}

void SelectScheduleLine(TSchedule& schedule, const TCropPatternLine& line) {
    schedule.CropFileName = line.CropFileName;
    schedule.PlantingDay = line.PlantingDay;
}

std::string ScheduleError(const TAllData& data, const TSchedule& schedule) {
    if (std::string values = ScheduleValueError(schedule); !values.empty())
        return values;
    if (schedule.CropFileName.empty())
        return "Choose the crop of the cropping pattern that the schedule is for.";
    const int index = FindScheduleLine(data.CropPattern, schedule);
    if (index == 0)
        return "The cropping pattern no longer holds the crop " +
               ScheduleLineName(schedule.CropFileName, schedule.PlantingDay) +
               " of this schedule. Choose one of its crops.";
    const TCropPatternLine& line = data.CropPattern.GetCropLine(index);
    if (!(line.RootingDepth >= kRootsAtPlanting && line.RootingDepth <= kDeepestRoots))
        return "The rooting depth of " + line.CropName() +
               " must lie between 0.05 m, the depth of the roots at planting, and 10 m.";
    return {};
}

void PrepareScheduleProject(TAllData& data, TEt0Method method) {
    CalcET0(data);
    CalcAllCropsETc(data, Et0Series(data, method), EtcTotalSeries(data, method));
}

std::vector<TSeasonDay> SeasonOfLine(const TAllData& data, int index, TRainfallMethod rain) {
    const TCropPatternLine& line = data.CropPattern.GetCropLine(index);
    CheckCropSeason(line);
    const TYearData& precipitation = data.Meteo.Precipitation;
    const auto roots = RootingDepthOfDays(line.PlantingDay, line.StageLength, line.RootingDepth);
    std::vector<TSeasonDay> season(line.GrowingPeriod());
    for (int offset = 0; offset < line.GrowingPeriod(); ++offset) {
        TSeasonDay& day = season[offset];
        const int d = line.PlantingDay + offset;
        day.Day = d > kDaysInYear ? d - kDaysInYear : d;
        day.Stage = StageOfSeasonDay(line.StageLength, offset);
        day.RootDepth = roots[day.Day - 1];
        day.ETc = line.ETcSeries.GetDay(day.Day);
        day.Rain = precipitation.GetDay(day.Day);
        if (!(std::isfinite(day.ETc) && day.ETc >= 0 && std::isfinite(day.Rain) && day.Rain >= 0))
            throw TCalcError("The crop evapotranspiration or the rain of " + DayLabel(day.Day) +
                             " is no usable number; check the meteo data.");
        switch (rain) {
        case TRainfallMethod::CurveNumber:
            day.RainEntering = RainAfterRunoff(precipitation, data.General.CurveNumber, day.Day);
            break;
        case TRainfallMethod::Fixed:
            day.RainEntering = day.Rain * data.General.FixedPercent / 100;
            break;
        case TRainfallMethod::Usda:
            day.RainEntering = day.Rain;
            break;
        }
    }
    return season;
}

TScheduleResult CalcSchedule(TAllData& data, const TSchedule& schedule, TEt0Method method,
                             TRainfallMethod rain) {
    if (std::string error = ScheduleError(data, schedule); !error.empty())
        throw TCalcError(error);
    PrepareScheduleProject(data, method);
    const int index = FindScheduleLine(data.CropPattern, schedule);
    return CalcScheduleBalance(schedule, SeasonOfLine(data, index, rain));
}
