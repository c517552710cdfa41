#include "cli/cliSchedule.h"

#include "calc/uCurveNumber.h"
#include "calc/uScheduleProject.h"
#include "calc/uScheduleReport.h"
#include "cli/cliCommands.h"
#include "cli/cliJsonRecords.h"
#include "cli/cliProject.h"
#include "data/cAllData.h"
#include "data/cSchedule.h"

#include <CLI/CLI.hpp>

#include <algorithm>
#include <ostream>

namespace {

TJson DayJson(const TScheduleDay& d) {
    return {{"day", d.Day}, {"etc", d.ETc},     {"eta", d.ETa}, {"pe", d.Pe},
            {"dr", d.Dr},   {"taw", d.TAW},     {"raw", d.RAW}, {"ks", d.Ks},
            {"net", d.Net}, {"gross", d.Gross}, {"dp", d.DP}};
}

TJson OptionalJson(const std::optional<double>& value) {
    return value ? TJson(*value) : TJson(nullptr);
}

TJson SeasonJson(const TScheduleSeason& s) {
    TJson stages = TJson::array();
    for (const TStageYield& stage : s.Stages)
        stages.push_back({{"ky", stage.Ky},
                          {"etc", stage.ETc},
                          {"eta", stage.ETa},
                          {"yield_reduction", OptionalJson(stage.Reduction)}});
    return {{"days", s.Days},
            {"rain", s.Rain},
            {"pe", s.Pe},
            {"etc", s.ETc},
            {"eta", s.ETa},
            {"eta_etc", s.RelativeET},
            {"irrigations", s.Irrigations},
            {"net", s.Net},
            {"gross", s.Gross},
            {"dp", s.DP},
            {"rain_losses", s.RainLosses},
            {"irrigation_losses", s.IrrigationLosses},
            {"initial_dr", s.InitialDepletion},
            {"final_dr", s.FinalDepletion},
            {"balance_error", s.BalanceError},
            {"yield_reduction", s.YieldReduction},
            {"yield_reduction_stages", OptionalJson(s.StageYieldReduction)},
            {"stages", stages}};
}

TEt0Method MethodOf(const std::string& name) {
    return name == "modpenman"    ? TEt0Method::ModPenman
           : name == "hargreaves" ? TEt0Method::Hargreaves
                                  : TEt0Method::PenmanMonteith;
}

TRainfallMethod RainOf(const std::string& name, const TGeneral& general) {
    if (name.empty())
        return ProjectRainfallMethod(general);
    return name == "cn"      ? TRainfallMethod::CurveNumber
           : name == "fixed" ? TRainfallMethod::Fixed
                             : TRainfallMethod::Usda;
}

} // namespace

CLI::App* AddScheduleCommand(CLI::App& app, TScheduleOptions& options) {
    auto* schedule = app.add_subcommand(
        "schedule", "Run an irrigation schedule: the daily water balance of the crop's root zone");
    schedule->add_option("GEN", options.General, "general data file (.gen)")->required();
    schedule->add_option("MTF", options.Meteo, "meteo data file (.mtf)")->required();
    schedule->add_option("PAT", options.Pattern, "cropping pattern file (.pat)")->required();
    schedule->add_option("SCHEDULE", options.Schedule, "irrigation schedule file (.sch)")
        ->required();
    schedule->add_option("--method", options.Method, "ET0 method")
        ->check(CLI::IsMember({"pm", "modpenman", "hargreaves"}));
    schedule
        ->add_option("--rain", options.Rain,
                     "effective-rainfall method (default: the one the general data chose)")
        ->check(CLI::IsMember({"usda", "cn", "fixed"}));
    schedule->add_option("--format", options.Format, "output format")
        ->check(CLI::IsMember({"json", "csv", "text"}));
    return schedule;
}

int RunSchedule(const TScheduleOptions& options, std::ostream& out, std::ostream& err) {
    TAllData data;
    TSchedule schedule;
    schedule.Clear();
    if (!LoadDataFile(data.General, options.General, err) ||
        !LoadDataFile(data.Meteo, options.Meteo, err) ||
        !LoadDataFile(data.CropPattern, options.Pattern, err) ||
        !LoadDataFile(schedule, options.Schedule, err))
        return kExitBadData;
    SetDerivedGeneralValues(data.General);

    const TEt0Method method = MethodOf(options.Method);
    const TRainfallMethod rain = RainOf(options.Rain, data.General);
    const auto offered = ScheduleRainfallMethods(data.General);
    if (std::find(offered.begin(), offered.end(), rain) == offered.end()) {
        err << "The general data do not offer the \"" << RainfallMethodName(rain)
            << "\" (the Curve Number and the fixed % must be chosen there)\n";
        return kExitUsage;
    }
    try {
        const TScheduleResult result = CalcSchedule(data, schedule, method, rain);
        if (options.Format == "json") {
            TJson days = TJson::array();
            for (const TScheduleDay& day : result.Days)
                days.push_back(DayJson(day));
            out << TJson{{"days", days}, {"season", SeasonJson(result.Season)}}.dump(2) << '\n';
        } else if (options.Format == "csv") {
            out << ScheduleCsv(BuildScheduleTable(result, data.GuiSettings));
        } else {
            const auto header = ScheduleReportHeader(data, schedule.FileName, Et0MethodName(method),
                                                     RainfallMethodName(rain));
            out << ReportToPlainText(
                ScheduleTextReport(header, schedule, result, data.GuiSettings));
        }
    } catch (const std::exception& e) {
        err << e.what() << '\n';
        return kExitBadData;
    }
    return kExitOk;
}
