#include "calc/uStrategyProject.h"

#include "calc/uCalculate.h"
#include "calc/uEffectiveRainfall.h"
#include "core/cCalendar.h"
#include "data/cAllData.h"

TStrategyProject StrategyProjectOf(TAllData& data, int method) {
    CalcET0(data);
    const TYearData& et0 = method == 1   ? data.ET0ModPenman
                           : method == 2 ? data.ET0Hargreaves
                                         : data.ET0PenmanMonteith;
    TYearSum& total = method == 1   ? data.ETcTotalModPenman
                      : method == 2 ? data.ETcTotalHargreaves
                                    : data.ETcTotalPenmanMonteith;
    CalcAllCropsETc(data, et0, total);

    TStrategyProject p;
    p.IrrigableArea = data.General.IrrigableArea;
    p.GrossArea = data.General.GrossArea;
    for (int m = 1; m <= 12; ++m) {
        p.Precipitation[m - 1] = data.Meteo.Precipitation.GetMonth(m);
        p.CroppedAreaOfMonth[m - 1] = data.CropPattern.CroppedAreaInPeriod(m, 0);
    }
    p.AnnualPrecipitation = data.Meteo.AnnualPrecipitation();
    for (int d = 1; d <= kDaysInYear; ++d)
        p.CroppedAreaOfDay[d - 1] = data.CropPattern.CroppedAreaInPeriod(d, 1);
    for (int i = 1; i <= data.CropPattern.Count(); ++i) {
        const TCropPatternLine& line = data.CropPattern.GetCropLine(i);
        TStrategyCrop crop;
        crop.Area = line.Area;
        crop.PlantingDay = line.PlantingDay;
        crop.StageLength = line.StageLength;
        crop.RootingDepth = line.RootingDepth;
        crop.KcSeries = line.KcSeries;
        p.Crops.push_back(crop);
    }
    p.SelectedETcTotal = total;
    p.ETFallow = data.CropPattern.ETFallow;
    p.ETPermanent = data.CropPattern.ETPermanent;
    p.FillEffRainCropped = [&data](TYearSum& peff) { CalcPeUSDAAll(data, peff); };
    return p;
}
