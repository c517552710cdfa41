#include "cli/cliCommands.h"

#include "cli/cliCheck.h"
#include "cli/cliClimate.h"
#include "cli/cliEt0.h"
#include "cli/cliReport.h"
#include "cli/cliSchedule.h"
#include "cli/cliShowMake.h"
#include "cli/cliStrategy.h"
#include "core/cUserMessages.h"

#include <CLI/CLI.hpp>

#include <ostream>

namespace {

// Messages from the engine go to stderr as the plain text a message box would hold.
class TCliMessages : public TUserMessages {
public:
    explicit TCliMessages(std::ostream& err) : err(err) {}
    TMessageAnswer Show(TMessageKind, const std::string& text, TMessageButtons buttons) override {
        err << text << '\n';
        return DefaultAnswer(buttons);
    }

private:
    std::ostream& err;
};

} // namespace

int RunCli(int argc, const char* const* argv, std::ostream& out, std::ostream& err) {
    TCliMessages messages(err);
    TUserMessages* previous = &UserMessages();
    SetUserMessages(&messages);
    struct TRestore {
        TUserMessages* previous;
        ~TRestore() { SetUserMessages(previous); }
    } restore{previous};

    CLI::App app{"Quelta irrigation planning, headless front end", "quelta-cli"};
    app.require_subcommand(1);
    app.set_version_flag("--version", std::string("quelta-cli ") + QUELTA_VERSION);

    std::string showPath;
    auto* show = app.add_subcommand(
        "show", "Print a data file (.gen .mtf .udc .crp .pat .str .sch .soi .INI) as JSON");
    show->add_option("FILE", showPath, "data file")->required();

    std::string makeJson, makeOut;
    auto* make =
        app.add_subcommand("make", "Write the data file named by OUT's extension from JSON");
    make->add_option("JSON", makeJson, "JSON file of the record's fields, or - for stdin")
        ->required();
    make->add_option("OUT", makeOut, "data file to write")->required();

    TEt0Options et0Options;
    auto* et0 = AddEt0Command(app, et0Options);
    TReportOptions reportOptions;
    auto* report = AddReportCommand(app, reportOptions);
    TStrategyOptions strategyOptions;
    auto* strategy = AddStrategyCommand(app, strategyOptions);
    TCheckOptions checkOptions;
    auto* check = AddCheckCommand(app, checkOptions);
    TClimateCliOptions climateOptions;
    auto* climate = AddClimateCommand(app, climateOptions);
    TScheduleOptions scheduleOptions;
    auto* schedule = AddScheduleCommand(app, scheduleOptions);

    try {
        app.parse(argc, argv);
    } catch (const CLI::ParseError& e) {
        const int code = app.exit(e, out, err);
        return code == 0 ? kExitOk : kExitUsage;
    }

    if (*show)
        return ShowFile(showPath, out, err);
    if (*make)
        return MakeFile(makeJson, makeOut, err);
    if (*et0)
        return RunEt0(et0Options, out, err);
    if (*report)
        return RunReport(reportOptions, out, err);
    if (*strategy)
        return RunStrategy(strategyOptions, out, err);
    if (*check)
        return RunCheck(checkOptions, out, err);
    if (*climate)
        return RunClimate(climateOptions, out, err);
    if (*schedule)
        return RunSchedule(scheduleOptions, out, err);
    return kExitUsage;
}
