#include "calc/uCalculate.h"
#include "data/cAllData.h"

#include <benchmark/benchmark.h>

// A whole year of reference evapotranspiration by all three methods, with monthly meteo data
// as the editor enters it.
static void BM_CalcET0(benchmark::State& state) {
    TAllData data;
    data.General.Hemisphere = "North";
    data.General.Latitude = 37.25;
    data.General.Altitude = 340;
    TMeteo& m = data.Meteo;
    m.WindHeight = 10;
    for (int month = 1; month <= 12; ++month) {
        m.Tmin.SetMonth(month, 4 + month);
        m.Tmax.SetMonth(month, 16 + 1.5 * month);
        m.Precipitation.SetMonth(month, 80 - 5 * month);
        m.Sunshine.SetMonth(month, 5 + 0.5 * month);
        m.RHmean.SetMonth(month, 75 - 2 * month);
        m.RHmax.SetMonth(month, 95 - 2 * month);
        m.WindSpeed.SetMonth(month, 2 + 0.1 * month);
        m.WindRatio.SetMonth(month, 1 + 0.25 * month);
    }
    for (auto _ : state) {
        CalcET0(data);
        benchmark::DoNotOptimize(data.ET0ModPenman.GetDay(200));
    }
}
BENCHMARK(BM_CalcET0);
