#pragma once

#include <iosfwd>
#include <string>

namespace CLI {
class App;
}

// quelta-cli schedule: the daily root-zone water balance of a schedule's crop in a project, as
// JSON (raw metric values), as the CSV the window exports, or as the text report.
struct TScheduleOptions {
    std::string General, Meteo, Pattern, Schedule;
    std::string Method = "pm";   // pm, modpenman or hargreaves
    std::string Rain;            // usda, cn or fixed; empty: the method the general data chose
    std::string Format = "json"; // json, csv or text
};

CLI::App* AddScheduleCommand(CLI::App& app, TScheduleOptions& options);
int RunSchedule(const TScheduleOptions& options, std::ostream& out, std::ostream& err);
