#include "calc/uCalculate.h"
#include "data/cAllData.h"

#include <benchmark/benchmark.h>

namespace {

// A site with monthly meteo data as the editor enters it.
void FillMonthly(TAllData& data) {
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
}

void Run(benchmark::State& state, TAllData& data) {
    for (auto _ : state) {
        CalcET0(data);
        benchmark::DoNotOptimize(data.ET0ModPenman.GetDay(200));
    }
}

} // namespace

// A whole year of reference evapotranspiration by all three methods.
static void BM_CalcET0(benchmark::State& state) {
    TAllData data;
    FillMonthly(data);
    Run(state, data);
}
BENCHMARK(BM_CalcET0);

// The same with weather that changes every day (daily records rather than monthly means).
static void BM_CalcET0_DailyWeather(benchmark::State& state) {
    TAllData data;
    FillMonthly(data);
    for (int day = 1; day <= 365; ++day) {
        const double wobble = 0.01 * (day % 7);
        data.Meteo.Tmax.SetDay(day, data.Meteo.Tmax.GetDay(day) + wobble);
        data.Meteo.WindSpeed.SetDay(day, data.Meteo.WindSpeed.GetDay(day) + wobble);
    }
    Run(state, data);
}
BENCHMARK(BM_CalcET0_DailyWeather);
