#include "calc/uScheduleModel.h"

#include "core/cError.h"
#include "data/cAllData.h"

TScheduleModel::TScheduleModel(TAllData& d) : data(d) {
    schedule.Clear();
}

void TScheduleModel::Open() {
    rainfallMethods = ScheduleRainfallMethods(data.General);
    rainfall = ProjectRainfallMethod(data.General);
    Run();
}

void TScheduleModel::SetMethod(TEt0Method value) {
    method = value;
    Run();
}

void TScheduleModel::SetRainfall(TRainfallMethod value) {
    rainfall = value;
    Run();
}

std::vector<std::string> TScheduleModel::CropLines() const {
    std::vector<std::string> lines;
    for (int i = 1; i <= data.CropPattern.Count(); ++i) {
        const TCropPatternLine& line = data.CropPattern.GetCropLine(i);
        lines.push_back(ScheduleLineName(line.CropFileName, line.PlantingDay));
    }
    return lines;
}

int TScheduleModel::CropLinePosition() const {
    return FindScheduleLine(data.CropPattern, schedule) - 1;
}

std::string TScheduleModel::Change(const std::function<void(TSchedule&)>& change) {
    TSchedule changed = schedule;
    change(changed);
    if (std::string refused = ScheduleValueError(changed); !refused.empty())
        return refused;
    schedule = std::move(changed);
    Run();
    return {};
}

void TScheduleModel::Run() {
    result.reset();
    error.clear();
    try {
        result = CalcSchedule(data, schedule, method, rainfall);
    } catch (const TQueltaError& e) {
        error = e.what();
    }
}

TScheduleTable TScheduleModel::Table() const {
    return result ? BuildScheduleTable(*result, data.GuiSettings) : TScheduleTable{};
}

std::vector<TInfoLine> TScheduleModel::Summary() const {
    return result ? ScheduleSummary(*result, data.GuiSettings) : std::vector<TInfoLine>{};
}

TReportText TScheduleModel::TextReport() const {
    if (!result)
        return {};
    return ScheduleTextReport(ScheduleReportHeader(data, schedule.FileName, Et0MethodName(method),
                                                   RainfallMethodName(rainfall)),
                              schedule, *result, data.GuiSettings);
}

std::string TScheduleModel::StatusLine() const {
    return result ? ScheduleStatusLine(result->Season, data.GuiSettings) : error;
}
