#include "core/cGuiSettings.h"
#include "core/cValueStream.h"
#include "core/cYearData.h"
#include "data/cGeneral.h"

#include <benchmark/benchmark.h>

// Writing and reading a year series through the value stream: the inner loop of every data file.
static void BM_SeriesRoundTrip(benchmark::State& state) {
    TYearAverage series;
    for (int d = 1; d <= 365; ++d)
        series.SetDay(d, d * 0.1);
    for (auto _ : state) {
        TValueWriter writer;
        for (double v : series.Days())
            writer.WriteFloat(v);
        TValueReader reader(writer.Bytes());
        double sum = 0;
        for (int d = 1; d <= 365; ++d)
            sum += reader.ReadFloat();
        benchmark::DoNotOptimize(sum);
    }
}
BENCHMARK(BM_SeriesRoundTrip);

// Period aggregation as the report tables use it: every period of a weekly year.
static void BM_WeeklyPeriodSums(benchmark::State& state) {
    TYearSum series;
    for (int d = 1; d <= 365; ++d)
        series.SetDay(d, d % 7);
    for (auto _ : state) {
        double sum = 0;
        for (int p = 1; p <= 52; ++p)
            sum += series.GetPeriod(p, 7);
        benchmark::DoNotOptimize(sum);
    }
}
BENCHMARK(BM_WeeklyPeriodSums);

static void BM_FormatValue(benchmark::State& state) {
    TGuiSettings settings;
    double v = 0.125;
    for (auto _ : state) {
        benchmark::DoNotOptimize(settings.FormatValue(QuantityKind::Volume, v));
        v += 0.001;
    }
}
BENCHMARK(BM_FormatValue);
