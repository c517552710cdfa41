#pragma once

#include "calc/uStrategyTracks.h"

// The strategy tests' project, for the model and its window.
// 100 ha irrigable (120 gross), one 50 ha crop all year using 5 mm a day, 40 mm of rain a month.
inline TStrategyProject SmallProject(int method) {
    TStrategyProject p;
    p.IrrigableArea = 100;
    p.GrossArea = 120;
    p.Precipitation.fill(40);
    p.AnnualPrecipitation = 480;
    TStrategyCrop crop;
    crop.Area = 50;
    crop.PlantingDay = 1;
    crop.StageLength = {100, 100, 100, 65};
    crop.RootingDepth = 1.2;
    crop.KcSeries.Fill(1);
    p.Crops.push_back(crop);
    p.CroppedAreaOfDay.fill(50);
    p.CroppedAreaOfMonth.fill(50);
    p.SelectedETcTotal.Fill(method == 2 ? 300 : 250); // mm.ha per day
    p.ETFallow.Fill(1);
    p.ETPermanent.Fill(0.5);
    p.FillEffRainCropped = [](TYearSum& peff) { peff.Fill(0.5); }; // 50 m3 a day
    return p;
}
