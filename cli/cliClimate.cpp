#include "cli/cliClimate.h"

#include "calc/uClimateNormals.h"
#include "calc/uMeteoGrid.h"
#include "cli/cliCommands.h"
#include "cli/cliProject.h"
#include "core/cError.h"
#include "core/cGuiSettings.h"
#include "core/cNumberFormat.h"
#include "data/cGeneral.h"

#include <CLI/CLI.hpp>
#include <nlohmann/json.hpp>

#include <ostream>

namespace {

using TJson = nlohmann::json;

const char* const kProcedure = "Error in procedure ImportClimateRecord: ";

// The series of the meteo record by their JSON names, in file order.
const std::array<const char*, TMeteo::kSeriesCount> kSeriesNames{
    "Tmin", "Tmax", "Precipitation", "Sunshine", "RHmean", "RHmax", "WindSpeed", "WindRatio"};

// A column of text padded to a width in characters (UTF-8 "°" and "²" take one).
std::string Pad(const std::string& text, std::size_t width, bool left) {
    std::size_t characters = 0;
    for (unsigned char c : text)
        characters += (c & 0xC0) != 0x80;
    const std::string fill(characters < width ? width - characters : 0, ' ');
    return left ? text + fill : fill + text;
}

TCsvUnit RadiationUnitOf(const std::string& text) {
    if (text == "mj")
        return TCsvUnit::MegajoulesPerDay;
    if (text == "w")
        return TCsvUnit::WattsPerSquareMetre;
    if (text == "kwh")
        return TCsvUnit::KilowattHoursPerDay;
    return TCsvUnit::None;
}

std::string RainText(const TClimateResult& result) {
    if (result.RainP == 0)
        return "mean monthly total";
    return "dependable, exceeded in " + std::to_string(result.RainP) + " % of the years";
}

void WriteText(const TClimateCliOptions& options, const TClimateRead& read,
               const TClimateResult& result, const TGuiSettings& units, std::ostream& out) {
    const std::string& record = options.Record;
    const TClimateRecordInfo& info = read.Info;
    out << "Record: " << record << " (" << ClimateLayoutText(info) << ")\n";
    out << "Date: " << info.DateColumns << '\n';
    for (const TClimateColumn& c : info.Columns) {
        const std::string unit = UnitLabel(c.Unit);
        out << "Column " << c.Position + 1 << " \"" << c.Header
            << "\": " << MeteoQuantityName(c.Quantity) << (unit.empty() ? "" : " (" + unit + ")")
            << (c.UnitStated || unit.empty() ? "" : ", unit assumed") << '\n';
    }
    if (!info.Ignored.empty()) {
        out << "Not used:";
        for (const std::string& name : info.Ignored)
            out << ' ' << name;
        out << '\n';
    }
    out << "Latitude: " << FormatFixed(read.Latitude.first, 2) << " (" << read.Latitude.second
        << ")\n";
    out << "Period: " << ClimateDateText(info.First) << " to " << ClimateDateText(info.Last) << ", "
        << info.DayCount << " days\n";
    out << "Years: " << result.FromYear << " to " << result.ToYear << '\n';
    out << "Normals: " << (result.DailyNormals ? "daily" : "monthly")
        << "; rainfall: " << RainText(result) << '\n';
    out << "Wind height: " << FormatGeneral(result.Meteo.WindHeight) << " m ("
        << result.WindHeightSource << ")\n\n";

    constexpr std::size_t kName = 15, kSource = 52, kNumber = 13;
    out << Pad("Variable", kName, true) << Pad("Taken from", kSource, true)
        << Pad("Years used", kNumber, false) << Pad("Days used", kNumber, false)
        << Pad("Days missing", kNumber, false) << '\n';
    for (const auto& row : ClimateSummaryRows(result))
        out << Pad(row[0], kName, true) << Pad(row[1], kSource, true) << Pad(row[2], kNumber, false)
            << Pad(row[3], kNumber, false) << Pad(row[4], kNumber, false) << '\n';
    for (const std::string& note : result.Notes)
        out << "Note: " << note << '\n';
    out << '\n';

    // The months as the meteo editor shows them.
    TGuiSettings monthly = units;
    monthly.SetPeriodKind(3);
    const TMeteoRowTexts captions = MeteoColumnCaptions(monthly);
    constexpr std::size_t kLabel = 10, kCell = 12;
    auto writeRow = [&](const TMeteoRowTexts& row) {
        out << Pad(row[0], kLabel, true);
        for (std::size_t c = 1; c < row.size(); ++c)
            out << Pad(row[c], kCell, false);
        out << '\n';
    };
    writeRow(captions);
    for (const TMeteoRowTexts& row : MeteoGridTexts(result.Meteo, monthly))
        writeRow(row);
    out << "\nWritten: " << options.Out << '\n';
}

void WriteJson(const std::string& record, const TClimateRead& read, const TClimateResult& result,
               std::ostream& out) {
    const TClimateRecordInfo& info = read.Info;
    TJson json = TJson::object();
    json["record"] = record;
    json["layout"] = info.Layout == TClimateLayout::NasaPower ? "nasa-power" : "csv";
    TJson columns = TJson::array();
    for (const TClimateColumn& c : info.Columns)
        columns.push_back({{"column", c.Position + 1},
                           {"header", c.Header},
                           {"quantity", MeteoQuantityName(c.Quantity)},
                           {"unit", UnitLabel(c.Unit)},
                           {"unit_stated", c.UnitStated}});
    json["columns"] = std::move(columns);
    json["date_columns"] = info.DateColumns;
    json["ignored"] = info.Ignored;
    TJson site = {{"latitude", read.Latitude.first}, {"latitude_source", read.Latitude.second}};
    if (info.Longitude)
        site["longitude"] = *info.Longitude;
    if (info.Elevation)
        site["elevation"] = *info.Elevation;
    json["site"] = std::move(site);
    json["period"] = {{"first", ClimateDateText(info.First)},
                      {"last", ClimateDateText(info.Last)},
                      {"days", info.DayCount}};
    json["years"] = {{"from", result.FromYear}, {"to", result.ToYear}};
    json["normals"] = result.DailyNormals ? "day" : "month";
    json["rain"] = result.RainP == 0 ? TJson("mean") : TJson(result.RainP);
    json["wind_height"] = result.Meteo.WindHeight;
    json["wind_height_source"] = result.WindHeightSource;
    TJson variables = TJson::object();
    for (int var = 0; var < kClimateVariableCount; ++var) {
        const TClimateVariableSummary& v = result.Variables[var];
        TJson item = {{"source", v.Source}, {"in_record", v.InRecord}};
        if (v.InRecord) {
            item["days_used"] = v.DaysUsed;
            item["days_missing"] = v.DaysMissing;
            item["years_used"] = v.YearsUsed;
        }
        variables[ClimateVariableName(var)] = std::move(item);
    }
    json["variables"] = std::move(variables);
    json["notes"] = result.Notes;
    TJson months = TJson::array();
    const auto series = result.Meteo.Series();
    for (int m = 1; m <= 12; ++m) {
        TJson month = {{"month", m}};
        for (int s = 0; s < TMeteo::kSeriesCount; ++s)
            month[kSeriesNames[s]] = series[s]->GetMonth(m);
        months.push_back(std::move(month));
    }
    json["months"] = std::move(months);
    out << json.dump(2) << '\n';
}

} // namespace

CLI::App* AddClimateCommand(CLI::App& app, TClimateCliOptions& options) {
    auto* climate = app.add_subcommand(
        "climate", "Meteo data (.mtf) from a daily climate record: normals and rainfall");
    climate->add_option("RECORD", options.Record, "daily record (CSV, or NASA POWER daily CSV)")
        ->required();
    climate->add_option("OUT", options.Out, "meteo file to write (.mtf)")->required();
    climate->add_option("--normals", options.Normals, "month (default) or day")
        ->check(CLI::IsMember({"month", "day"}));
    climate->add_option("--from", options.From, "first year to use (default: the record's)");
    climate->add_option("--to", options.To, "last year to use (default: the record's)");
    climate
        ->add_option("--rain", options.Rain,
                     "mean (default), or the dependable rainfall exceeded in P % of the years: "
                     "50, 75, 80 or 90")
        ->check(CLI::IsMember({"mean", "50", "75", "80", "90"}));
    auto* latitude =
        climate
            ->add_option(
                "--latitude", options.Latitude,
                "site latitude in decimal degrees, negative in the south (default: the record's)")
            ->check(CLI::Range(-90.0, 90.0));
    auto* general = climate->add_option(
        "--general", options.General,
        "general data (.gen): its latitude and period, as the meteo editor checks them");
    latitude->excludes(general);
    climate->add_option("--wind-height", options.WindHeight,
                        "height of the wind measurement in m (default: the column's, else 2)");
    climate
        ->add_option("--radiation", options.Radiation,
                     "unit of the radiation where the file does not say it: mj (MJ/m²/day), "
                     "w (W/m²) or kwh (kWh/m²/day)")
        ->check(CLI::IsMember({"mj", "w", "kwh"}));
    climate->add_option("--format", options.Format, "text (default) or json")
        ->check(CLI::IsMember({"text", "json"}));
    return climate;
}

int RunClimate(const TClimateCliOptions& options, std::ostream& out, std::ostream& err) {
    if (options.Normals == "day" && options.Rain != "mean") {
        err << "--rain " << options.Rain
            << ": dependable rainfall is worked out from monthly totals; use --normals month\n";
        return kExitUsage;
    }
    if (!FileExists(options.Record)) {
        err << NoSuchFileMessage(options.Record) << '\n';
        return kExitBadData;
    }
    TGeneral general;
    TGuiSettings units;
    if (!options.General.empty()) {
        if (!LoadDataFile(general, options.General, err))
            return kExitBadData;
        units.ApplyPeriodText(general.CalcPeriod, {"Day", "Week", "Month"});
    }
    TClimateImportOptions import;
    import.RadiationUnit = RadiationUnitOf(options.Radiation);
    import.Latitude = options.Latitude;
    import.Choices.FromYear = options.From;
    import.Choices.ToYear = options.To;
    import.Choices.DailyNormals = options.Normals == "day";
    import.Choices.RainP = options.Rain == "mean" ? 0 : std::stoi(options.Rain);
    import.Choices.WindHeight = options.WindHeight;
    try {
        if (options.General.empty()) {
            // Without general data the record's latitude (or the option's) gives the limits.
            const TClimateRecordInfo header = ReadClimateHeaderFile(options.Record);
            const std::optional<double> latitude =
                options.Latitude ? options.Latitude : header.Latitude;
            if (!latitude) {
                err << kProcedure
                    << "the record does not give the site's latitude, which the sunshine needs: "
                       "give --latitude DEG or --general GEN\n";
                return kExitBadData;
            }
            general = SiteAtLatitude(*latitude);
        }
        const TClimateRead read = ReadClimateForImport(options.Record, import, general);
        const TClimateResult result =
            MakeClimateNormals(*read.Days, read.Info, import.Choices, general, units);
        result.Meteo.Save(options.Out);
        if (options.Format == "json")
            WriteJson(options.Record, read, result, out);
        else
            WriteText(options, read, result, units, out);
    } catch (const TQueltaError& e) {
        err << kProcedure << e.what() << '\n';
        return kExitBadData;
    }
    return kExitOk;
}
