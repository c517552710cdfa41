#include "calc/uCalculate.h"
#include "core/cGuiSettings.h"
#include "data/cAllData.h"
#include "data/cAreaCheck.h"

#include <benchmark/benchmark.h>

namespace {

// A full pattern: 40 crops of 150 days spread over the year, half with the computed Kc,1.
void FillPattern(TAllData& data) {
    data.General.ApplInterval = 7;
    data.Meteo.RHmean.Fill(55);
    data.Meteo.WindSpeed.Fill(2.5);
    for (int d = 1; d <= 365; ++d)
        data.ET0PenmanMonteith.SetDay(d, 2 + 4 * d / 365.0);
    data.CropPattern.KcFallow = 0.3;
    data.CropPattern.KcPermanent = 0.5;
    for (int i = 0; i < 40; ++i) {
        TCropPatternLine& line = data.CropPattern.AddCropLine();
        line.Area = 10;
        line.PlantingDay = 1 + 9 * i;
        line.StandardKc = i % 2 == 0;
        line.Kc1 = {0.4, 0};
        line.Kc3 = {1.15, 1.15};
        line.Kc4 = {0.6, 0.6};
        line.StageLength = {25, 35, 55, 35};
    }
}

} // namespace

// Kc curves and ETc of every crop, the project total and the fallow and permanent series.
static void BM_CalcAllCropsETc40(benchmark::State& state) {
    TAllData data;
    FillPattern(data);
    for (auto _ : state) {
        CalcAllCropsETc(data, data.ET0PenmanMonteith, data.ETcTotalPenmanMonteith);
        benchmark::DoNotOptimize(data.ETcTotalPenmanMonteith.GetDay(200));
    }
}
BENCHMARK(BM_CalcAllCropsETc40);

// The cropped-area check of the same pattern, as the report runs it when it opens.
static void BM_AreaCheck40(benchmark::State& state) {
    TAllData data;
    FillPattern(data);
    CalcAllCropsETc(data, data.ET0PenmanMonteith, data.ETcTotalPenmanMonteith);
    TGuiSettings settings;
    for (auto _ : state)
        benchmark::DoNotOptimize(AreaCheck(data.CropPattern, 100, settings).Exceeded);
}
BENCHMARK(BM_AreaCheck40);
