#include "bench/BenchProjects.h"
#include "calc/uScheduleProject.h"
#include "calc/uScheduleReport.h"
#include "data/cAllData.h"
#include "data/cSchedule.h"

#include <benchmark/benchmark.h>

namespace {

// The 40-crop project with roots, and a schedule at 100 % of RAW on a loam for one of its crops.
TSchedule ScheduleOfProject(TAllData& data, int crop) {
    FortyCropProject(data);
    for (int c = 1; c <= data.CropPattern.Count(); ++c)
        data.CropPattern.GetCropLine(c).RootingDepth = 0.8 + 0.02 * c;
    TSchedule schedule;
    schedule.Clear();
    SelectScheduleLine(schedule, data.CropPattern.GetCropLine(crop));
    return schedule;
}

} // namespace

// What the window does when a value changes: ET0, the crops' ETc, the season of the crop and its
// balance (the crop of 5 stages, 115 days).
static void BM_ScheduleOneCrop(benchmark::State& state) {
    TAllData data;
    const TSchedule schedule = ScheduleOfProject(data, 1);
    for (auto _ : state) {
        auto result =
            CalcSchedule(data, schedule, TEt0Method::PenmanMonteith, TRainfallMethod::Fixed);
        benchmark::DoNotOptimize(result);
    }
}
BENCHMARK(BM_ScheduleOneCrop);

// The balance of one season alone, from the season's days.
static void BM_ScheduleBalanceOnly(benchmark::State& state) {
    TAllData data;
    const TSchedule schedule = ScheduleOfProject(data, 1);
    PrepareScheduleProject(data, TEt0Method::PenmanMonteith);
    const auto season = SeasonOfLine(data, 1, TRainfallMethod::CurveNumber);
    for (auto _ : state) {
        auto result = CalcScheduleBalance(schedule, season);
        benchmark::DoNotOptimize(result);
    }
}
BENCHMARK(BM_ScheduleBalanceOnly);

// Every crop of the 40-crop pattern scheduled, from one ET0 and crop ETc run.
static void BM_ScheduleFortyCrops(benchmark::State& state) {
    TAllData data;
    TSchedule schedule = ScheduleOfProject(data, 1);
    for (auto _ : state) {
        PrepareScheduleProject(data, TEt0Method::PenmanMonteith);
        double net = 0;
        for (int c = 1; c <= data.CropPattern.Count(); ++c) {
            SelectScheduleLine(schedule, data.CropPattern.GetCropLine(c));
            net += CalcScheduleBalance(schedule, SeasonOfLine(data, c, TRainfallMethod::Fixed))
                       .Season.Net;
        }
        benchmark::DoNotOptimize(net);
    }
}
BENCHMARK(BM_ScheduleFortyCrops);

// The daily table and season summary as the window shows them.
static void BM_ScheduleTable(benchmark::State& state) {
    TAllData data;
    const TSchedule schedule = ScheduleOfProject(data, 1);
    const TScheduleResult result =
        CalcSchedule(data, schedule, TEt0Method::PenmanMonteith, TRainfallMethod::Fixed);
    for (auto _ : state) {
        auto table = BuildScheduleTable(result, data.GuiSettings);
        auto summary = ScheduleSummary(result, data.GuiSettings);
        benchmark::DoNotOptimize(table);
        benchmark::DoNotOptimize(summary);
    }
}
BENCHMARK(BM_ScheduleTable);
