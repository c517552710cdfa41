#include "cli/cliCheck.h"

#include "calc/uRangeCheck.h"
#include "cli/cliCommands.h"
#include "cli/cliProject.h"
#include "core/cGuiSettings.h"
#include "core/cUserMessages.h"
#include "data/cCropFactor.h"
#include "data/cCropPattern.h"
#include "data/cGeneral.h"
#include "data/cMeteo.h"
#include "data/cSchedule.h"
#include "data/cSoil.h"
#include "data/cStrategy.h"

#include <CLI/CLI.hpp>
#include <nlohmann/json.hpp>

#include <algorithm>
#include <functional>
#include <optional>
#include <ostream>

namespace {

using TJson = nlohmann::json;

const char* const kNoGeneralSunshine =
    "sunshine not checked: no general data file (.gen) among the files gives the latitude";
const char* const kNoGeneralArea = "cropped area not checked against the irrigable area: no "
                                   "general data file (.gen) among the files";

// What was found in one file.
struct TFileResult {
    std::string File;
    std::optional<std::string> Error; // the file could not be read
    std::vector<TOutOfRange> Faults;
    std::vector<std::string> Notes;
};

// What the checks of one file need besides the file: the units and the first .gen's data.
struct TCheckContext {
    TGuiSettings Units;
    const TGeneral* General = nullptr;
};

using TCheckFile = std::function<void(const std::string& path, const TCheckContext&, TFileResult&)>;

std::string Lower(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

// Messages of a failed load are the error of the file, on one line.
std::string OneLine(const std::vector<std::string>& texts) {
    std::string line;
    for (const std::string& text : texts) {
        if (!line.empty())
            line += " ";
        for (char c : text)
            line += c == '\r' || c == '\n' ? ' ' : c;
    }
    return line;
}

// Loads a record, catching the messages its Load would show; false (with Error set) when the
// file could not be read.
template <class TRecord>
bool Load(TRecord& record, const std::string& path, TFileResult& result) {
    TMessageRecorder recorder;
    record.Clear();
    const bool exists = FileExists(path);
    if (exists && record.Load(path) && recorder.Messages().empty())
        return true;
    result.Error = exists ? OneLine(recorder.Texts()) : NoSuchFileMessage(path);
    if (result.Error->empty())
        result.Error = "Cannot read file \"" + path + "\"";
    return false;
}

template <class TRecord, class TCheck>
TCheckFile Checker(TCheck check) {
    return [check](const std::string& path, const TCheckContext& context, TFileResult& result) {
        TRecord record;
        if (Load(record, path, result))
            check(record, context, result);
    };
}

std::optional<TCheckFile> CheckerOf(const std::string& path) {
    const std::string ext = Lower(FileExtension(path));
    if (ext == ".gen")
        return Checker<TGeneral>([](const TGeneral& g, const TCheckContext& c, TFileResult& r) {
            r.Faults = OutOfRangeGeneral(g, c.Units);
        });
    if (ext == ".mtf")
        return Checker<TMeteo>([](const TMeteo& m, const TCheckContext& c, TFileResult& r) {
            r.Faults = OutOfRangeMeteo(m, c.Units, c.General);
            if (!c.General)
                r.Notes.push_back(kNoGeneralSunshine);
        });
    if (ext == ".udc" || ext == ".crp")
        return Checker<TCropFactor>(
            [](const TCropFactor& crop, const TCheckContext& c, TFileResult& r) {
                r.Faults = OutOfRangeCropFactor(crop, c.Units);
            });
    if (ext == ".pat")
        return Checker<TCropPattern>(
            [](const TCropPattern& p, const TCheckContext& c, TFileResult& r) {
                r.Faults = OutOfRangePattern(p, c.Units, c.General);
                if (!c.General)
                    r.Notes.push_back(kNoGeneralArea);
            });
    if (ext == ".str")
        return Checker<TStrategy>([](const TStrategy& s, const TCheckContext& c, TFileResult& r) {
            r.Faults = OutOfRangeStrategy(s, c.Units);
        });
    if (ext == ".sch")
        return Checker<TSchedule>([](const TSchedule& s, const TCheckContext& c, TFileResult& r) {
            r.Faults = OutOfRangeSchedule(s, c.Units);
        });
    if (ext == ".soi")
        return Checker<TSoil>([](const TSoil& soil, const TCheckContext& c, TFileResult& r) {
            r.Faults = OutOfRangeSoil(soil, c.Units);
        });
    return std::nullopt;
}

void WriteText(const std::vector<TFileResult>& results, std::ostream& out) {
    for (const TFileResult& r : results) {
        if (r.Error)
            out << r.File << ": cannot be read: " << *r.Error << '\n';
        for (const TOutOfRange& fault : r.Faults)
            out << r.File << ": " << OutOfRangeText(fault) << '\n';
        for (const std::string& note : r.Notes)
            out << r.File << ": note: " << note << '\n';
        if (!r.Error && r.Faults.empty())
            out << r.File << ": all values in range\n";
    }
}

void WriteJson(const std::vector<TFileResult>& results, std::ostream& out) {
    TJson faults = TJson::array(), unreadable = TJson::array(), notes = TJson::array();
    for (const TFileResult& r : results) {
        if (r.Error)
            unreadable.push_back({{"file", r.File}, {"error", *r.Error}});
        for (const TOutOfRange& f : r.Faults)
            faults.push_back({{"file", r.File},
                              {"field", f.Field},
                              {"period", f.Period},
                              {"value", f.Value},
                              {"range", f.Range}});
        for (const std::string& note : r.Notes)
            notes.push_back({{"file", r.File}, {"note", note}});
    }
    const TJson j = {{"out_of_range", faults}, {"unreadable", unreadable}, {"notes", notes}};
    out << j.dump(2, ' ', false, TJson::error_handler_t::replace) << '\n';
}

} // namespace

CLI::App* AddCheckCommand(CLI::App& app, TCheckOptions& o) {
    auto* check = app.add_subcommand(
        "check", "Name every value of the data files that the editors' range rules refuse");
    check->add_option("FILE", o.Files, "data files (.gen .mtf .udc .crp .pat .str .sch .soi)")
        ->required();
    check->add_option("--format", o.Format, "output format")
        ->check(CLI::IsMember({"text", "json"}));
    check->add_option("--units", o.Units, "units the values and ranges are written in")
        ->check(CLI::IsMember({"metric", "imperial"}));
    return check;
}

int RunCheck(const TCheckOptions& o, std::ostream& out, std::ostream& err) {
    std::vector<TCheckFile> checkers;
    for (const std::string& path : o.Files) {
        std::optional<TCheckFile> checker = CheckerOf(path);
        if (!checker) {
            err << "Unknown kind of data file: " << path
                << " (known: .gen .mtf .udc .crp .pat .str .sch .soi)\n";
            return kExitUsage;
        }
        checkers.push_back(*checker);
    }

    // The first readable .gen gives the meteo rules their latitude and period.
    TCheckContext context;
    ApplyUnitsOption(o.Units, context.Units);
    TGeneral general;
    const auto gen = std::find_if(o.Files.begin(), o.Files.end(), [](const std::string& f) {
        return Lower(FileExtension(f)) == ".gen";
    });
    TFileResult ignored;
    if (gen != o.Files.end() && Load(general, *gen, ignored)) {
        context.General = &general;
        context.Units.ApplyPeriodText(general.CalcPeriod, {"Day", "Week", "Month"});
    }

    std::vector<TFileResult> results;
    for (std::size_t i = 0; i < o.Files.size(); ++i) {
        TFileResult result;
        result.File = o.Files[i];
        checkers[i](o.Files[i], context, result);
        results.push_back(std::move(result));
    }
    if (o.Format == "json")
        WriteJson(results, out);
    else
        WriteText(results, out);
    const bool bad = std::any_of(results.begin(), results.end(),
                                 [](const TFileResult& r) { return r.Error || !r.Faults.empty(); });
    return bad ? kExitBadData : kExitOk;
}
