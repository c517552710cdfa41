#pragma once

// Crop coefficients and crop evapotranspiration of the cropping pattern. Each crop's Kc curve runs
// over its four stages from its planting day (wrapping once past day 365), with the mid-season
// and harvest coefficients adjusted to the humidity and wind of its growing period; ETc is Kc
// times the chosen ET0 series. The initial-stage Kc,1 may be computed from the mean ET0 of the
// initial stage and the interval between water applications.

class TAllData;
class TCropFactor;
class TCropPatternLine;
class TYearData;
class TYearSum;

// Raises TCalcError unless the crop's planting day lies in 1..365 and its stages, none negative,
// add up to at most 365 days: a crop curve outside that would leave the year's series.
void CheckCropSeason(const TCropPatternLine& line);

// Coefficients of Kc,1 = a - b ET + c ET^2 for an interval between applications. Only 2, 4, 7,
// 10 and 20 days are defined; another interval takes the nearest of these, a tie the shorter.
struct TKcIniCoefficients {
    double a, b, c;
};
TKcIniCoefficients KcIniCoefficients(int applInterval);

// Kc,1 of the crop for an initial stage starting on startDay, from the mean of et0 over the
// stage (the value of day 1 when the stage has no days). Without a series, the project's ET0 is
// computed first and its Penman-Monteith series used.
double CalcKcIni(TAllData& allData, const TYearData* et0, const TCropFactor& crop, int startDay);
// The same, stored as the crop's computed Kc,1 (Kc1[2]).
void SetKcIni(TAllData& allData, const TYearData* et0, TCropFactor& crop, int startDay);

// K3 and K4 adjusted to the climate of a growing period: its largest RHmean as a fraction and its
// mean wind speed (m/s as measured).
struct TStageCoefficients {
    double K3, K4;
};
TStageCoefficients AdjustedMidAndEndKc(double kc3, double kc4, double rhMaxFraction,
                                       double meanWind);

// Both clear total and the KcSeries of every crop, compute crop `index` (1-based) or every crop,
// adding Kc x ET0 x area (mm ha per day) into total, and fill the pattern's ETFallow and
// ETPermanent from et0. CalcCropETc leaves the other crops' ETcSeries as they were.
void CalcCropETc(TAllData& allData, int index, const TYearData& et0, TYearSum& total);
void CalcAllCropsETc(TAllData& allData, const TYearData& et0, TYearSum& total);
