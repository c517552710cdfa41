#include "bench/BenchProjects.h"
#include "calc/uCalculate.h"
#include "calc/uEffectiveRainfall.h"
#include "calc/uReportModel.h"
#include "data/cAllData.h"

#include <benchmark/benchmark.h>

// The whole water requirements report: reference and crop evapotranspiration, every table for
// day, week, month and 10-day periods, and the water requirements under all three
// effective-rainfall methods.
static void BM_FullReport(benchmark::State& state) {
    TAllData data;
    FortyCropProject(data);
    using K = TReportTableKind;
    std::size_t cells = 0;
    for (auto _ : state) {
        TReportModel model(data);
        model.OpenReport();
        for (int period = 0; period < 4; ++period) {
            model.SelectPeriod(period);
            for (K kind : {K::ReferenceET, K::KcValues, K::CroppedArea, K::PotentialET,
                           K::NonIrrigated, K::WaterRequirements}) {
                model.ShowTable(kind);
                cells += model.Table().Rows() * model.Table().Columns();
            }
            for (int rain = 1; rain < static_cast<int>(model.RainfallList().size()); ++rain) {
                model.SelectRainfallMethod(rain);
                cells += model.Table().Rows() * model.Table().Columns();
            }
            model.SelectRainfallMethod(0);
        }
        model.CloseReport();
    }
    state.counters["cells"] =
        benchmark::Counter(static_cast<double>(cells), benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_FullReport)->Unit(benchmark::kMillisecond);

// The engine part alone: ET0, 40 crops, and each effective-rainfall method once.
static void BM_ReportSeries(benchmark::State& state) {
    TAllData data;
    FortyCropProject(data);
    for (auto _ : state) {
        CalcET0(data);
        CalcAllCropsETc(data, data.ET0PenmanMonteith, data.ETcTotalPenmanMonteith);
        CalcPeUSDAAll(data, data.EffectiveRainfall);
        CalcPeCurveNumber(data, 0, data.EffectiveRainfall);
        CalcPeFixed(data, 0, data.EffectiveRainfall);
        benchmark::DoNotOptimize(data.EffectiveRainfall.GetDay(100));
    }
}
BENCHMARK(BM_ReportSeries)->Unit(benchmark::kMicrosecond);

// One monthly table set, as a user mostly reads the report.
static void BM_MonthlyTables(benchmark::State& state) {
    TAllData data;
    FortyCropProject(data);
    data.General.CalcPeriod = "Month";
    TReportModel model(data);
    model.OpenReport();
    using K = TReportTableKind;
    for (auto _ : state) {
        for (K kind : {K::ReferenceET, K::KcValues, K::CroppedArea, K::PotentialET, K::NonIrrigated,
                       K::WaterRequirements})
            model.ShowTable(kind);
        benchmark::DoNotOptimize(model.Table().Rows());
    }
}
BENCHMARK(BM_MonthlyTables)->Unit(benchmark::kMicrosecond);
