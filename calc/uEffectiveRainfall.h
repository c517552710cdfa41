#pragma once

// Effective rainfall: the part of the precipitation the crops use, per crop and day, summed into
// one daily series of volumes (10^3 m3 per day: Pe in mm times the crop's area in ha / 100).
// Each routine sets its result to 0 first and needs the crops' Kc and ETc series computed.
// A crop index counts from 1; for the day-by-day methods 0 stands for every crop.

class TAllData;
class TYearData;

// Monthly rain and the crop's water use give the effective part (USDA Soil Conservation
// Service), spread evenly over the days of the month.
void CalcPeUSDA(TAllData& data, int index, TYearData& result);
void CalcPeUSDAAll(TAllData& data, TYearData& result);
// Day by day, the rain left after runoff by the Curve Number fills a store per crop that the
// crop draws from; the store never holds more than the crop uses in the next 31 days.
void CalcPeCurveNumber(TAllData& data, int index, TYearData& result);
// The rain of a day (mm) less its runoff by the Curve Number of the day, which follows from the
// rain of the five days before it.
double RainAfterRunoff(const TYearData& rain, int curveNumber, int day);
// As the Curve Number method, with a fixed percentage of the rain instead of the runoff rule.
void CalcPeFixed(TAllData& data, int index, TYearData& result);

// The USDA factor for the mean depth of water application D (mm).
double UsdaDepthFactor(double meanDepth);
// The USDA effective rain of a month (mm) from its rain and the crop's use in it (mm), before the
// limits by rain and use: f(D) (1.253 P^0.824 - 2.935) 10^(0.001 ETc).
double UsdaEffectiveRain(double monthRain, double monthUse, double meanDepth);
// Runoff (mm) of a day's rain (mm) under a Curve Number: S = 25400 / CN - 254, nothing until the
// rain passes 0.2 S, then (P - 0.2 S)^2 / (P + 0.8 S).
double CurveNumberRunoff(double rain, int curveNumber);
