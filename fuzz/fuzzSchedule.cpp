#include "FuzzSupport.h"
#include "calc/uSchedule.h"
#include "core/cValueStream.h"
#include "data/cSchedule.h"

#include <cmath>
#include <cstdlib>
#include <vector>

namespace {

// Two months of a crop whose roots grow from 0.05 to 1.2 m, with a heavy rain every week.
const std::vector<TSeasonDay>& Season() {
    static const std::vector<TSeasonDay> season = [] {
        std::vector<TSeasonDay> days(60);
        for (int i = 0; i < 60; ++i) {
            const double rain = i % 7 == 3 ? 45 : 0;
            days[i] = {100 + i, 1 + i / 15, 0.05 + 1.15 * i / 59, 2 + 0.1 * i, rain, rain * 0.8};
        }
        return days;
    }();
    return season;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static TSilentMessages silent;
    TSchedule schedule;
    schedule.Clear();
    const TSchedule cleared = schedule;
    TValueReader reader(AsBytes(data, size));
    auto bytesOf = [](const TSchedule& s) {
        TValueWriter writer;
        s.WriteData(writer);
        return writer.Bytes();
    };
    if (!schedule.ReadData(reader)) {
        // A refused file leaves the record exactly as it was.
        if (bytesOf(schedule) != bytesOf(cleared))
            std::abort();
        return 0;
    }
    const std::string written = bytesOf(schedule);
    TSchedule again;
    TValueReader back(written);
    if (!again.ReadData(back) || bytesOf(again) != written)
        std::abort();
    // Whatever the rules let through keeps the balance's promises.
    if (!ScheduleValueError(schedule).empty())
        return 0;
    const TScheduleResult result = CalcScheduleBalance(schedule, Season());
    double dr = result.Season.InitialDepletion;
    for (const TScheduleDay& day : result.Days) {
        const double slack = 1e-9 * (1 + day.TAW + day.Net + day.Pe);
        if (!std::isfinite(day.Dr) || day.Dr < 0 || day.Dr > day.TAW + slack || day.Ks < 0 ||
            day.Ks > 1 || day.ETa > day.ETc + slack ||
            std::abs(dr - day.Pe - day.Net + day.ETa + day.DP - day.Dr) > slack)
            std::abort();
        dr = day.Dr;
    }
    return 0;
}
