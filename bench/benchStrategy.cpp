#include "calc/uStrategyModel.h"
#include "calc/uStrategyTracks.h"
#include "core/cGuiSettings.h"
#include "data/cStrategy.h"

#include <benchmark/benchmark.h>

namespace {

// A full pattern: 40 crops over 1000 ha with their seasons spread over the year.
TStrategyProject FullPattern(int) {
    TStrategyProject p;
    p.IrrigableArea = 1000;
    p.GrossArea = 1200;
    p.Precipitation.fill(30);
    p.AnnualPrecipitation = 360;
    for (int i = 0; i < 40; ++i) {
        TStrategyCrop crop;
        crop.Area = 25;
        crop.PlantingDay = 1 + i * 9;
        crop.StageLength = {30, 40, 50, 30};
        crop.RootingDepth = 1.0;
        for (int d = 0; d < 150; ++d)
            crop.KcSeries.SetDay((crop.PlantingDay + d - 1) % 365 + 1, 0.9);
        p.Crops.push_back(crop);
    }
    p.CroppedAreaOfDay.fill(500);
    p.CroppedAreaOfMonth.fill(500);
    p.SelectedETcTotal.Fill(2500);
    p.ETFallow.Fill(1.5);
    p.ETPermanent.Fill(2);
    return p;
}

TStrategy Strategy() {
    TStrategy s;
    s.Clear();
    s.FieldDataAvailable = false;
    s.DFUserInitialised = 1;
    s.CapRise05 = 1.8;
    s.CapRise10 = 1.15;
    s.CapRise20 = 0.75;
    s.DepthGW1Jan = 1.5;
    s.RaRatio = 0.75;
    s.DeliveryRatio = 0.79;
    s.ConveyRatio = 0.94;
    for (int m = 1; m <= 12; ++m) {
        s.DFUser.SetMonth(m, 0.6);
        s.ETaIrrigated.SetMonth(m, 100);
    }
    return s;
}

} // namespace

// The daily groundwater contribution of 40 crops: run by the ET page and the comparison page.
static void BM_GWContribution40Crops(benchmark::State& state) {
    const TStrategyProject project = FullPattern(0);
    const TStrategy strategy = Strategy();
    TYearAverage daily;
    for (auto _ : state) {
        CalcGWContribution(strategy, project, daily);
        benchmark::DoNotOptimize(daily);
    }
}
BENCHMARK(BM_GWContribution40Crops);

// Showing a strategy record: every page of the strategy window refreshed once in order.
static void BM_StrategyShowRecord(benchmark::State& state) {
    TGuiSettings settings;
    TStrategy strategy = Strategy();
    TStrategyModel model(strategy, settings, FullPattern, "SITE.GEN");
    for (auto _ : state) {
        model.ShowRecord();
        benchmark::DoNotOptimize(model.Comparison());
    }
}
BENCHMARK(BM_StrategyShowRecord);
