#pragma once

// Reference evapotranspiration (mm/day) by three methods from the site's general data and the
// daily meteo series: Penman-Monteith, FAO Modified Penman and Modified Hargreaves. All three are
// computed together for days 1..365; the maximum possible sunshine hours come from the same
// astronomy.

class TAllData;
class TGeneral;

// Overwrites ET0PenmanMonteith, ET0ModPenman and ET0Hargreaves day by day. Days without RHmax
// or wind ratio get their defaults written back into the meteo series. A value the formulas
// cannot take (wind height giving a logarithm of a non-positive number, N = 0 on a day) raises a
// TCalcError; the days computed before it stay in the series.
void CalcET0(TAllData& allData);

// Maximum possible sunshine hours N of a day 1..365 at the site's latitude and hemisphere. A day
// past the year's end is wrapped once into the next year (the middle of week 53 is day 367).
double CalcMaxSunshine(const TGeneral& general, int day);

// The pieces above, for the meteo editor and for checking them one by one.

// Latitude in radians from degrees.minutes; negative in the south, 0 taken as 0.0001.
double LatitudeRadians(const TGeneral& general);
// The sun of a day 1..365 at a latitude in radians, as the methods see it: the maximum possible
// sunshine hours N and the extraterrestrial radiation Ra in W/m² (a 24-hour mean).
struct TDaySun {
    double MaxSunshine;
    double Radiation;
};
TDaySun DaySun(double latitudeRadians, int day);
// Saturation vapour pressure e°(T), kPa, of a temperature in °C.
double SaturationVapourPressure(double t);
// The actual vapour pressure ea (kPa) that Penman-Monteith takes from the mean relative humidity
// (%) and the day's Tmin and Tmax; RHmeanOfVapourPressure is its exact inverse.
double ActualVapourPressure(double rhMean, double tmin, double tmax);
double RHmeanOfVapourPressure(double ea, double tmin, double tmax);
// Wind speed at 2 m from a speed measured at the given height.
double WindAt2m(double windSpeed, double height);
// Adjustment factor c of the modified Penman method, interpolated (and extrapolated below the
// first grid points) in its table by day/night wind ratio, RHmax (%), day-time wind (m/s) and
// solar radiation Rs' (mm/day).
double ModPenmanAdjustment(double windRatio, double rhMax, double uDay, double rsPrime);
