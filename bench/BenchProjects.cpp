#include "bench/BenchProjects.h"

#include "data/cAllData.h"

#include <string>

void FortyCropProject(TAllData& data) {
    TGeneral& g = data.General;
    g.Clear();
    g.Hemisphere = "North";
    g.Latitude = 37.25;
    g.Altitude = 34;
    g.IrrigableArea = 4000;
    g.GrossArea = 5000;
    g.CalcPeriod = "Day";
    g.MeanDepth = 60;
    g.ApplInterval = 7;
    g.UseCurveNumber = true;
    g.CurveNumber = 81;
    g.CurveNumberOffered = true;
    g.UseFixedPercent = true;
    g.FixedPercent = 70;
    const double tmin[] = {5.2, 6.7, 8.2, 10.1, 13.1, 16.7, 19.4, 19.5, 17.5, 13.5, 9.3, 6.9};
    const double tmax[] = {15.9, 17.9, 21.2, 22.7, 26.4, 31.0, 35.3, 35.0, 31.6, 25.6, 20.1, 16.6};
    const double rain[] = {65, 54, 38, 57, 34, 13, 2, 6, 23, 62, 84, 95};
    const double sun[] = {6, 7, 7, 9, 10, 12, 12, 11, 9, 7, 7, 6};
    const double rh[] = {78, 73, 68, 63, 57, 46, 45, 46, 55, 65, 71, 76};
    TMeteo& m = data.Meteo;
    m.Clear();
    m.WindHeight = 10;
    for (int month = 1; month <= 12; ++month) {
        m.Tmin.SetMonth(month, tmin[month - 1]);
        m.Tmax.SetMonth(month, tmax[month - 1]);
        m.Precipitation.SetMonth(month, rain[month - 1]);
        m.Sunshine.SetMonth(month, sun[month - 1]);
        m.RHmean.SetMonth(month, rh[month - 1]);
        m.WindSpeed.SetMonth(month, 2.7);
    }
    for (int c = 0; c < 40; ++c) {
        TCropPatternLine& crop = data.CropPattern.AddCropLine();
        crop.CropFileName = "/crops/Crop" + std::to_string(c + 1) + ".crp";
        crop.Area = 50;
        crop.PlantingDay = 1 + c * 9;
        crop.StageLength = {20 + c % 10, 30, 40 + c % 20, 25};
        crop.StandardKc = c % 2 == 0;
        crop.Kc1[0] = 0.4;
        crop.Kc3[0] = 1.1 + 0.01 * (c % 5);
        crop.Kc4[0] = 0.5;
    }
}
