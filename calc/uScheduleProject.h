#pragma once

#include "calc/uSchedule.h"
#include "calc/uWaterRequirements.h"

#include <string>
#include <vector>

class TAllData;
class TCropPattern;
class TCropPatternLine;
class TGeneral;
class TSchedule;

// A schedule in the open project: its crop line, the season the balance runs over (the crop's
// ETc of the chosen ET0 method, its roots, the rain and what of it enters the soil), and the
// checks that keep a schedule from running on data it cannot use.

// The effective-rainfall methods a schedule may use: USDA (all the rain enters), and the Curve
// Number and fixed percentage when the general data chose them. The project's own method first
// in the sense of ProjectRainfallMethod.
std::vector<TRainfallMethod> ScheduleRainfallMethods(const TGeneral& general);
// The method the general data chose: Curve Number, else fixed percentage, else USDA.
TRainfallMethod ProjectRainfallMethod(const TGeneral& general);

// The 1-based position of the schedule's crop line (crop file name ignoring folder and case,
// and planting day); 0 when the pattern no longer has it.
int FindScheduleLine(const TCropPattern& pattern, const TSchedule& schedule);
// "Maize (day 105)": a crop line as the schedule names it.
std::string ScheduleLineName(const std::string& cropFileName, int plantingDay);
// Points the schedule at a crop line of the pattern.
void SelectScheduleLine(TSchedule& schedule, const TCropPatternLine& line);

// The first reason the schedule cannot run in this project (its values, a crop line that is
// gone, a root depth below the roots at planting); empty when it can.
std::string ScheduleError(const TAllData& data, const TSchedule& schedule);

// Reference and crop evapotranspiration of every crop by the method, as the report computes them.
void PrepareScheduleProject(TAllData& data, TEt0Method method);
// The season of crop line `index` from the series PrepareScheduleProject left.
std::vector<TSeasonDay> SeasonOfLine(const TAllData& data, int index, TRainfallMethod rain);

// Prepare, find the line, run the balance. Raises TCalcError with ScheduleError's text when the
// schedule cannot run.
TScheduleResult CalcSchedule(TAllData& data, const TSchedule& schedule, TEt0Method method,
                             TRainfallMethod rain);
