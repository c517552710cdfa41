// A daily climate record made into meteo data, as `quelta-cli climate` and the meteo editor's
// preview do it: the record streamed from a file, its days gathered, the normals worked out and
// fitted to the editor's rules. Time, and the heap it needs against the record's length:
//   build/bench/quelta_bench_climate
// Every allocation of this program goes through the counting operator new below, so the heap
// figures are exact; they are reported as counters (peak live bytes, number of allocations).

#include "calc/uClimateNormals.h"
#include "calc/uReferenceET.h"
#include "core/cGuiSettings.h"
#include "data/cGeneral.h"
#include "support/ClimateGenerator.h"

#include <benchmark/benchmark.h>

#include <malloc.h>

#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <new>
#include <string>

namespace {

std::atomic<bool> counting{false};
std::atomic<long long> liveBytes{0}, peakBytes{0}, allocations{0};

void Counted(void* p, bool allocated) {
    if (!p || !counting.load(std::memory_order_relaxed))
        return;
    const long long size = static_cast<long long>(malloc_usable_size(p));
    if (!allocated) {
        liveBytes -= size;
        return;
    }
    ++allocations;
    const long long now = liveBytes += size;
    long long peak = peakBytes.load();
    while (now > peak && !peakBytes.compare_exchange_weak(peak, now)) {
    }
}

} // namespace

void* operator new(std::size_t size) {
    void* p = std::malloc(size == 0 ? 1 : size);
    if (!p)
        throw std::bad_alloc();
    Counted(p, true);
    return p;
}

void operator delete(void* p) noexcept {
    Counted(p, false);
    std::free(p);
}

void operator delete(void* p, std::size_t) noexcept {
    operator delete(p);
}

namespace {

enum TLayoutArg { kPower = 0, kCsv = 1 };

// The record of a layout and length, written once into the temporary folder.
const std::string& RecordFile(int layout, int years) {
    static std::map<std::pair<int, int>, std::string> files;
    std::string& name = files[{layout, years}];
    if (!name.empty())
        return name;
    TSyntheticClimateSpec spec;
    spec.Years = years;
    spec.FirstYear = 2021 - years;
    spec.GapShare = 0.01;
    if (layout == kPower) {
        spec.Layout = TGenLayout::NasaPower;
    } else {
        spec.Humidity = TGenHumidity::DewPoint;
        spec.Radiation = TGenRadiation::Watts;
    }
    name =
        (std::filesystem::temp_directory_path() /
         ("quelta-bench-climate-" + std::to_string(layout) + "-" + std::to_string(years) + ".csv"))
            .string();
    const std::string text = MakeSyntheticClimate(spec).Text;
    if (FILE* file = std::fopen(name.c_str(), "wb")) {
        std::fwrite(text.data(), 1, text.size(), file);
        std::fclose(file);
    }
    return name;
}

void Import(benchmark::State& state, bool daily) {
    const int layout = static_cast<int>(state.range(0));
    const int years = static_cast<int>(state.range(1));
    const std::string& file = RecordFile(layout, years);
    const TGeneral site = SiteAtLatitude(37.4);
    TGuiSettings units;
    if (daily)
        units.SetPeriodKind(1);
    TClimateImportOptions options;
    options.Latitude = 37.4;
    options.Choices.DailyNormals = daily;
    options.Choices.RainP = daily ? 0 : 80;
    for (auto _ : state) {
        const TClimateRead read = ReadClimateForImport(file, options, site);
        const TClimateResult result =
            MakeClimateNormals(*read.Days, read.Info, options.Choices, site, units);
        benchmark::DoNotOptimize(result.Meteo.Precipitation.GetDay(200));
    }
    // The heap of one more import, counted.
    liveBytes = 0;
    peakBytes = 0;
    allocations = 0;
    counting = true;
    {
        const TClimateRead read = ReadClimateForImport(file, options, site);
        const TClimateResult result =
            MakeClimateNormals(*read.Days, read.Info, options.Choices, site, units);
        benchmark::DoNotOptimize(result.Meteo.Tmin.GetDay(1));
    }
    counting = false;
    state.counters["peak_kB"] = static_cast<double>(peakBytes.load()) / 1024;
    state.counters["allocs"] = static_cast<double>(allocations.load());
    state.counters["file_kB"] = static_cast<double>(std::filesystem::file_size(file)) / 1024;
}

} // namespace

// Monthly normals with the dependable rainfall at 80 %.
static void BM_ClimateImport(benchmark::State& state) {
    Import(state, false);
}
BENCHMARK(BM_ClimateImport)
    ->ArgNames({"csv", "years"})
    ->Args({kPower, 10})
    ->Args({kPower, 30})
    ->Args({kPower, 100})
    ->Args({kCsv, 30})
    ->Args({kCsv, 100})
    ->Unit(benchmark::kMillisecond);

// Daily normals: the days of the year gathered as well.
static void BM_ClimateImportDaily(benchmark::State& state) {
    Import(state, true);
}
BENCHMARK(BM_ClimateImportDaily)
    ->ArgNames({"csv", "years"})
    ->Args({kPower, 30})
    ->Args({kPower, 100})
    ->Unit(benchmark::kMillisecond);
