#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

class TSchedule;

// Irrigation scheduling of one crop: a daily water balance of the root zone, kept as the
// depletion Dr below field capacity (mm):
//
//   Dr,i = Dr,i-1 - Pe,i - I,i + ETa,i + DP,i
//
// - The root zone holds TAW = (TAW per metre of soil) x Zr; the crop draws on it without
//   stress while Dr <= RAW = p TAW, with p = p(table) + 0.04 (5 - ETc) kept within 0.1..0.8.
// - Beyond RAW the stress coefficient Ks = (TAW - Dr) / ((1 - p) TAW) reduces ETa = Ks ETc,
//   from the depletion the day starts with; ETa never takes more than the root zone holds
//   (TAW - Dr,i-1 + Pe,i + I,i), so Dr never passes TAW.
// - Pe is the rain that enters the root zone, at most the soil's infiltration rate per day;
//   water beyond field capacity percolates (DP) and Dr never falls below 0.
// - Irrigation is given at the end of a day the timing option picks, in the amount of the
//   application option; it enters that day's balance. Roots grow into soil at field capacity.
// - Yield: 1 - Ya/Ym = Ky (1 - ETa/ETc), over the season and per growth stage (the stage
//   reductions combined as 1 - product of (1 - reduction)); each reduction lies within 0..1.

// A day of the crop's season as the balance needs it.
struct TSeasonDay {
    int Day = 1;          // day of the year
    int Stage = 1;        // growth stage 1..4
    double RootDepth = 0; // Zr, m
    double ETc = 0;       // mm
    double Rain = 0;      // P, mm
    double RainEntering =
        0; // rain after runoff (or the fixed share), before the infiltration limit
};

struct TScheduleDay {
    int Day = 1;
    int Stage = 1;
    double RootDepth = 0; // m
    double ETc = 0;       // mm
    double Rain = 0;      // mm
    double Pe = 0;        // rain entering the root zone, mm
    double P = 0;         // depletion fraction of the day
    double TAW = 0;       // mm
    double RAW = 0;       // mm
    double Ks = 1;
    double ETa = 0;   // mm
    double Net = 0;   // net irrigation, mm
    double Gross = 0; // gross irrigation, mm
    double DP = 0;    // deep percolation, mm
    double Dr = 0;    // depletion at the end of the day, mm
    bool Irrigated = false;
};

struct TStageYield {
    double Ky = 0; // 0: no value for the stage
    double ETc = 0;
    double ETa = 0;
    std::optional<double> Reduction; // 1 - Ya/Ym of the stage; none without Ky
};

struct TScheduleSeason {
    int Days = 0;
    double Rain = 0;
    double Pe = 0;
    double ETc = 0;
    double ETa = 0;
    double Net = 0;
    double Gross = 0;
    double DP = 0;
    int Irrigations = 0;
    double RelativeET = 1;                     // ETa / ETc (1 without any ETc)
    double YieldReduction = 0;                 // 1 - Ya/Ym by the seasonal Ky
    std::optional<double> StageYieldReduction; // by the stage values, none when no stage has Ky
    std::array<TStageYield, 4> Stages;
    // Rain that did not enter the root zone, plus deep percolation not caused by irrigation.
    double RainLosses = 0;
    // Gross less net irrigation, plus deep percolation on irrigation days up to their net depth.
    double IrrigationLosses = 0;
    double InitialDepletion = 0; // mm
    double FinalDepletion = 0;   // mm
    // Dr at the start less Dr at the end less (Pe + I - ETa - DP): 0 up to rounding.
    double BalanceError = 0;
};

struct TScheduleResult {
    std::vector<TScheduleDay> Days;
    TScheduleSeason Season;
};

// The first rule the schedule's own values break, as the user reads it; empty when none.
std::string ScheduleValueError(const TSchedule& schedule);

// The depletion fraction of a day: p(table) + 0.04 (5 - ETc) within 0.1..0.8.
double AdjustedDepletionFraction(double pTable, double etc);
// The reduction of the yield: Ky (1 - ETa/ETc) within 0..1 (none lost without ETc).
double YieldReduction(double ky, double eta, double etc);

// Runs the balance over the season's days; the schedule's values must be valid.
TScheduleResult CalcScheduleBalance(const TSchedule& schedule,
                                    const std::vector<TSeasonDay>& season);
