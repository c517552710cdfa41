#pragma once

#include "core/cYearData.h"

#include <array>
#include <functional>
#include <string>
#include <vector>

class TGuiSettings;
class TStrategy;

// The two tracks of a water-management strategy, month by month (months 1..12):
// - the water balance track: the depleted fraction DF = ETa,gross / (P + Vc) of the gross area,
//   the change of the groundwater table it causes and the requirement Vc,DF that follows from
//   the DF the user chooses;
// - the ET track: ETa of the cropped area less effective rainfall and capillary rise from the
//   groundwater, divided by the three efficiency ratios (Vc,ET).
// The project is seen through TStrategyProject, a snapshot of what the tracks read from the
// general data, meteo data, cropping pattern and crop evapotranspiration of one ET0 method.

struct TStrategyCrop {
    double Area = 0; // ha
    int PlantingDay = 1;
    std::array<int, 4> StageLength{}; // days
    double RootingDepth = 0;          // m
    TYearAverage KcSeries;
};

struct TStrategyProject {
    double IrrigableArea = 0;                    // ha
    double GrossArea = 0;                        // ha
    std::array<double, 12> Precipitation{};      // mm per month
    double AnnualPrecipitation = 0;              // mm
    std::array<double, 365> CroppedAreaOfDay{};  // ha with a crop in the field
    std::array<double, 12> CroppedAreaOfMonth{}; // ha, by the crops' monthly mean Kc
    std::vector<TStrategyCrop> Crops;
    TYearSum SelectedETcTotal; // mm.ha per day, of the chosen ET0 method
    TYearSum ETFallow;         // mm per day
    TYearSum ETPermanent;      // mm per day
    // Fills the daily effective rainfall of the crops (mm.ha/100 per day); none leaves zeros.
    std::function<void(TYearSum&)> FillEffRainCropped;
};

// The value of a month of a series written month by month: the value every day of the month
// holds, or their mean when the days differ. A mean over equal days could miss the value by a
// rounding step, and DFs are compared with DFsustainable.
double MonthValue(const TYearAverage& series, int month);

// Capillary rise heights (m) by dominant soil type, for 0.5, 1.0 and 2.0 mm/day.
const std::vector<std::string>& SoilTypes();
// Height for soil 0..7 at flow rate 0.5, 1.0 or 2.0; 0 for any other argument.
double CapillaryRiseOf(int soilIndex, double flowRate);

// Three points of a line over DF 0..1: (X0, Y0), (XDF, YDF), (X1, Y1).
struct TStrategyLine {
    double X0 = 0, Y0 = 0, XDF = 0, YDF = 0, X1 = 1, Y1 = 0;
};
// The regression of the measured change of the groundwater table on the calculated DF.
struct TGWTRegression {
    double A = 0; // m per month at DF 0
    double B = 0; // m per month per unit of DF
    TStrategyLine Line;
};

double DFCalcOfMonth(const TStrategy& strategy, const TStrategyProject& project, int month);
// Least squares on the twelve months as shown: DFCalc with two decimals, the measured change
// with two decimals in the length unit. XDF of the line is DFsustainable (0 when b is 0).
TGWTRegression CalcGWTGraphWithData(const TStrategy& strategy, const TGuiSettings& settings);
TStrategyLine CalcGWTGraphNoData(const TStrategy& strategy);
TStrategyLine CalcETGraphNoData(const TStrategy& strategy);
double GWChangeWithData(const TStrategy& strategy, const TGuiSettings& settings, int month);
double GWChangeNoData(const TStrategy& strategy, int month);
double VcDFOfMonth(const TStrategy& strategy, const TStrategyProject& project, int month);
double VcDFNoData(const TStrategy& strategy, const TStrategyProject& project,
                  const TYearData& etpIrrigated, int month);

// Potential ET of the cropped area per day (mm): SelectedETcTotal / Ac, 0 without crops.
void CalcETpIrrigated(const TStrategyProject& project, TYearData& etpIrrigated);
// Depth of the roots at planting, m.
constexpr double kRootsAtPlanting = 0.05;
// Daily rooting depth (m) of a crop over the year; 0 on days it has no roots. The roots reach
// 0.05 m at planting, keep that over the initial stage, grow linearly to the crop's depth over
// the development stage and keep it to harvest.
std::array<double, 365> RootingDepthOfDays(const TStrategyCrop& crop);
std::array<double, 365> RootingDepthOfDays(int plantingDay, const std::array<int, 4>& stageLength,
                                           double rootingDepth);
// Depth to the groundwater table at the end of each day (m).
std::array<double, 365> GroundwaterDepthOfDays(const TStrategy& strategy);
// Daily capillary rise to the cropped area (mm) into target.
void CalcGWContribution(const TStrategy& strategy, const TStrategyProject& project,
                        TYearData& target);
// Vc,ET of a month from the daily contribution of CalcGWContribution and the strategy's
// EffRainCropped as filled by the project.
double VcETOfMonth(const TStrategy& strategy, const TStrategyProject& project,
                   const TYearData& dailyContribution, int month);

std::string WarningOfMonth(double dfSustainable, double dfUser, double vcET, double vcDF);

// The outcome of a month: the larger requirement and the track it comes from.
struct TStrategyOutcome {
    double Selected = 0;
    bool ETTrack = false;
    std::string Track() const { return ETTrack ? "ET track" : "Water balance track"; }
};
TStrategyOutcome OutcomeOfMonth(double vcDF, double vcET);
