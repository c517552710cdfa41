#pragma once

#include "data/cAllData.h"

#include <array>
#include <string>

// The report tests' projects, for the report model and its window.

inline TCropPatternLine& AddCrop(TAllData& data, const std::string& file, double area, int planting,
                                 std::array<int, 4> stages, double kc1, double kc3, double kc4) {
    TCropPatternLine& crop = data.CropPattern.AddCropLine();
    crop.CropFileName = "/crops/" + file;
    crop.Area = area;
    crop.PlantingDay = planting;
    crop.StageLength = stages;
    crop.StandardKc = false;
    crop.Kc1[0] = kc1;
    crop.Kc3[0] = kc3;
    crop.Kc4[0] = kc4;
    return crop;
}

// A site whose weather leaves the crop coefficients unadjusted (RH 50 %, wind 2 m/s).
inline void Site(TAllData& data, const std::string& period) {
    TGeneral& g = data.General;
    g.Clear();
    g.FileName = "/data/Site.gen";
    g.Country = "Spain";
    g.Region = "Vega";
    g.Hemisphere = "North";
    g.Latitude = 37.25;
    g.Altitude = 30;
    g.IrrigableArea = 150;
    g.GrossArea = 200;
    g.CalcPeriod = period;
    g.MeanDepth = 75;
    g.ApplInterval = 7;
    g.UseFixedPercent = true;
    g.FixedPercent = 40;
    TMeteo& m = data.Meteo;
    m.FileName = "/data/Site.mtf";
    m.WindHeight = 2;
    for (int month = 1; month <= 12; ++month) {
        m.Tmin.SetMonth(month, 10);
        m.Tmax.SetMonth(month, 25);
        m.Sunshine.SetMonth(month, 8);
        m.RHmean.SetMonth(month, 50);
        m.WindSpeed.SetMonth(month, 2);
    }
    data.CropPattern.FileName = "/data/Site.pat";
}

// Maize planted 1 June on 100 ha, stages of 10 days, Kc 0.5 / 1.0 / 0.5; 30 mm of rain in June.
inline void JuneMaize(TAllData& data, const std::string& period) {
    Site(data, period);
    data.Meteo.Precipitation.SetMonth(6, 30);
    AddCrop(data, "Maize.crp", 100, 152, {10, 10, 10, 10}, 0.5, 1.0, 0.5);
}
