#include "cli/cliEt0.h"

#include "calc/uCalculate.h"
#include "cli/cliCommands.h"
#include "cli/cliProject.h"
#include "core/cCalendar.h"
#include "core/cError.h"
#include "core/cNumberFormat.h"
#include "data/cAllData.h"

#include <CLI/CLI.hpp>
#include <nlohmann/json.hpp>

#include <iomanip>
#include <memory>
#include <ostream>

namespace {

using TJson = nlohmann::json;

// Keys of the three methods in JSON and CSV, in method order.
const std::array<const char*, kET0MethodCount> kMethodKeys = {"pm", "modpenman", "hargreaves"};

// "day", "week", "month" or a number of days 1..365 into the container's period; an empty text
// takes the general data's period as the windows apply it. False for any other text.
bool ApplyPeriod(const std::string& text, TAllData& data) {
    TGuiSettings& settings = data.GuiSettings;
    if (text.empty())
        settings.ApplyPeriodText(data.General.CalcPeriod, {"Day", "Week", "Month"});
    else if (text == "day")
        settings.SetPeriodKind(1);
    else if (text == "week")
        settings.SetPeriodKind(2);
    else if (text == "month")
        settings.SetPeriodKind(3);
    else {
        if (text.find_first_not_of("0123456789") != std::string::npos || text.size() > 3)
            return false;
        const int days = std::stoi(text);
        if (days < 1 || days > kDaysInYear)
            return false;
        settings.SetOtherPeriod(days);
    }
    return true;
}

TJson DaysJson(const TAllData& data) {
    TJson days = TJson::object();
    const auto series = ET0Series(data);
    for (int m = 0; m < kET0MethodCount; ++m) {
        TJson values = TJson::array();
        for (double v : series[m]->Days())
            values.push_back(v);
        days[kMethodKeys[m]] = std::move(values);
    }
    TJson sunshine = TJson::array();
    for (int d = 1; d <= kDaysInYear; ++d)
        sunshine.push_back(CalcMaxSunshine(data.General, d));
    days["max_sunshine"] = std::move(sunshine);
    return days;
}

void WriteJson(const TAllData& data, const TET0PeriodTable& table, std::ostream& out) {
    TJson json = TJson::object();
    json["days"] = DaysJson(data);
    TJson periods = TJson::array();
    for (const TET0PeriodRow& row : table.Rows) {
        TJson period = {{"label", row.Label}, {"first_day", row.FirstDay}, {"days", row.Days}};
        for (int m = 0; m < kET0MethodCount; ++m) {
            period[std::string(kMethodKeys[m]) + "_mean"] = row.Mean[m];
            period[std::string(kMethodKeys[m]) + "_sum"] = row.Sum[m];
        }
        periods.push_back(std::move(period));
    }
    json["periods"] = std::move(periods);
    TJson year = TJson::object();
    for (int m = 0; m < kET0MethodCount; ++m)
        year[kMethodKeys[m]] = table.YearTotal[m];
    json["year"] = std::move(year);
    out << json.dump(2) << '\n';
}

// The period rows and a closing year row, the year's mean being its total over 365 days.
template <class TWriteRow>
void ForEachRow(const TET0PeriodTable& table, TWriteRow writeRow) {
    for (const TET0PeriodRow& row : table.Rows)
        writeRow(row);
    TET0PeriodRow year;
    year.Label = "Year";
    year.FirstDay = 1;
    year.Days = kDaysInYear;
    year.Sum = table.YearTotal;
    for (int m = 0; m < kET0MethodCount; ++m)
        year.Mean[m] = table.YearTotal[m] / kDaysInYear;
    writeRow(year);
}

void WriteCsv(const TET0PeriodTable& table, std::ostream& out) {
    out << "period,first_day,days";
    for (const char* key : kMethodKeys)
        out << ',' << key << "_mean," << key << "_sum";
    out << '\n';
    ForEachRow(table, [&out](const TET0PeriodRow& row) {
        out << row.Label << ',' << row.FirstDay << ',' << row.Days;
        for (int m = 0; m < kET0MethodCount; ++m)
            out << ',' << FormatGeneral(row.Mean[m]) << ',' << FormatGeneral(row.Sum[m]);
        out << '\n';
    });
}

void WriteText(const TET0PeriodTable& table, std::ostream& out) {
    constexpr int kLabel = 12, kNumber = 6, kValue = 10;
    out << "Reference evapotranspiration ET0, mean in mm/day and sum in mm per " << table.PeriodName
        << '\n';
    out << std::setw(kLabel + 2 * kNumber) << "";
    for (const char* name : kET0MethodNames)
        out << std::setw(2 * kValue) << name;
    out << '\n';
    out << std::left << std::setw(kLabel) << "Period" << std::right << std::setw(kNumber) << "First"
        << std::setw(kNumber) << "Days";
    for (int m = 0; m < kET0MethodCount; ++m)
        out << std::setw(kValue) << "mean" << std::setw(kValue) << "sum";
    out << '\n';
    ForEachRow(table, [&out](const TET0PeriodRow& row) {
        out << std::left << std::setw(kLabel) << row.Label << std::right << std::setw(kNumber)
            << row.FirstDay << std::setw(kNumber) << row.Days;
        for (int m = 0; m < kET0MethodCount; ++m)
            out << std::setw(kValue) << FormatFixed(row.Mean[m], 2) << std::setw(kValue)
                << FormatFixed(row.Sum[m], 2);
        out << '\n';
    });
}

} // namespace

CLI::App* AddEt0Command(CLI::App& app, TEt0Options& options) {
    auto* et0 = app.add_subcommand(
        "et0", "Reference evapotranspiration of the three methods, per day and per period");
    et0->add_option("GEN", options.GeneralFile, "general data file (.gen)")->required();
    et0->add_option("MTF", options.MeteoFile, "meteo data file (.mtf)")->required();
    et0->add_option("--period", options.Period,
                    "day, week, month or a number of days (default: the general data's)");
    et0->add_option("--format", options.Format, "json, csv or text")
        ->check(CLI::IsMember({"json", "csv", "text"}));
    return et0;
}

int RunEt0(const TEt0Options& options, std::ostream& out, std::ostream& err) {
    // The container holds eight records and their series: too large for the stack.
    auto data = std::make_unique<TAllData>();
    if (!LoadDataFile(data->General, options.GeneralFile, err) ||
        !LoadDataFile(data->Meteo, options.MeteoFile, err))
        return kExitBadData;
    if (!ApplyPeriod(options.Period, *data)) {
        err << "--period must be day, week, month or a number of days from 1 to 365\n";
        return kExitUsage;
    }
    try {
        CalcET0(*data);
    } catch (const TQueltaError& e) {
        err << "Error in procedure CalcET0: " << e.what() << '\n';
        return kExitBadData;
    }
    const TET0PeriodTable table = BuildET0PeriodTable(*data);
    if (options.Format == "csv")
        WriteCsv(table, out);
    else if (options.Format == "text")
        WriteText(table, out);
    else
        WriteJson(*data, table, out);
    return kExitOk;
}
