#pragma once

#include "calc/uScheduleProject.h"
#include "calc/uScheduleReport.h"
#include "data/cSchedule.h"

#include <functional>
#include <optional>
#include <string>
#include <vector>

class TAllData;

// The irrigation schedule window without its window: the schedule being edited, the ET0 and
// effective-rainfall methods chosen, and the outcome of the last run (the result, or why there
// is none). Every edit goes through Change, so a value the rules refuse never reaches the
// schedule.
class TScheduleModel {
public:
    explicit TScheduleModel(TAllData& data);
    TScheduleModel(const TScheduleModel&) = delete;
    TScheduleModel& operator=(const TScheduleModel&) = delete;

    TSchedule& Schedule() { return schedule; }
    const TSchedule& Schedule() const { return schedule; }

    // The methods the project offers, the general data's own rainfall method chosen.
    void Open();
    TEt0Method Method() const { return method; }
    void SetMethod(TEt0Method value);
    const std::vector<TRainfallMethod>& RainfallMethods() const { return rainfallMethods; }
    TRainfallMethod Rainfall() const { return rainfall; }
    void SetRainfall(TRainfallMethod value);

    // The crops of the pattern as the choice list names them; the position of the schedule's
    // line in it, -1 when the pattern has no such line.
    std::vector<std::string> CropLines() const;
    int CropLinePosition() const;

    // Applies change to a copy of the schedule. When the copy breaks a rule of the values, the
    // rule's text comes back and the schedule stays as it was; otherwise the schedule takes the
    // copy, runs again and "" comes back.
    std::string Change(const std::function<void(TSchedule&)>& change);
    // Runs the balance on the project; keeps the result or the reason there is none.
    void Run();

    const std::optional<TScheduleResult>& Result() const { return result; }
    const std::string& Error() const { return error; }
    TScheduleTable Table() const;
    std::vector<TInfoLine> Summary() const;
    TReportText TextReport() const;
    // The season in one line, or why there is no result.
    std::string StatusLine() const;

private:
    TAllData& data;
    TSchedule schedule;
    TEt0Method method = TEt0Method::PenmanMonteith;
    std::vector<TRainfallMethod> rainfallMethods;
    TRainfallMethod rainfall = TRainfallMethod::Usda;
    std::optional<TScheduleResult> result;
    std::string error;
};
