#pragma once

#include "calc/uReportTables.h"
#include "calc/uSchedule.h"
#include "core/cReportText.h"

#include <string>
#include <vector>

class TAllData;
class TGuiSettings;
class TSchedule;

// What a schedule's window, clipboard, CSV export, text report and the CLI show: the daily
// table as text cells (each with its metric number), the season summary, and the option texts.
// All of them are built here, so a cell reads the same everywhere.

// The texts of the choice lists, in the order of the options.
const std::vector<std::string>& TimingChoices();
const std::vector<std::string>& ApplicationChoices();
// "initial", "development", "mid-season" or "late season" for stage 1..4.
const std::string& ScheduleStageName(int stage);
// The chosen option with its value: "When the depletion reaches 100 % of RAW".
std::string TimingText(const TSchedule& schedule, const TGuiSettings& settings);
std::string ApplicationText(const TSchedule& schedule, const TGuiSettings& settings);

// The columns of the daily table.
namespace ScheduleColumn {
enum : int { Date, Day, Stage, Zr, Rain, Pe, ETc, Ks, ETa, Net, Gross, DP, Dr, RAW, TAW };
}

struct TScheduleTable {
    std::vector<std::string> Header;
    std::vector<std::string> Units;
    std::vector<std::vector<TReportCell>> Rows;
    std::vector<bool> Irrigated; // per row
};

// One row per day of the season: date, day of the season, stage, Zr, rain, Pe, ETc, Ks, ETa,
// net and gross irrigation, deep percolation, Dr, RAW and TAW, in the units of settings.
TScheduleTable BuildScheduleTable(const TScheduleResult& result, const TGuiSettings& settings);

// The season summary: caption, value as shown, unit, and the metric number.
std::vector<TInfoLine> ScheduleSummary(const TScheduleResult& result, const TGuiSettings& settings);

// The window's status line: "12 irrigations, 310.0 mm net, 477.0 mm gross; ETa / ETc 0.98,
// yield reduction 2.5 %".
std::string ScheduleStatusLine(const TScheduleSeason& season, const TGuiSettings& settings);

// RFC 4180: a heading line ("ETc (mm)"), then one line per day; numbers as shown, with a point
// whatever the locale; lines end in CR LF.
std::string ScheduleCsv(const TScheduleTable& table);
// The table as the clipboard gets it: header and units lines, then the rows, cells separated by
// TAB, lines ending in CR LF.
std::string ScheduleClipboardText(const TScheduleTable& table);

// What the report names besides the results.
struct TScheduleReportHeader {
    std::string GeneralFile, MeteoFile, PatternFile, ScheduleFile;
    std::string Method;   // ET0 method
    std::string Rainfall; // effective-rainfall method
};
TScheduleReportHeader ScheduleReportHeader(const TAllData& data, const std::string& scheduleFile,
                                           const std::string& method, const std::string& rainfall);

// The text report "Irrigation schedule": the schedule's data, the season summary, the
// irrigations and the daily table.
TReportText ScheduleTextReport(const TScheduleReportHeader& header, const TSchedule& schedule,
                               const TScheduleResult& result, const TGuiSettings& settings);
