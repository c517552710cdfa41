#include "cli/cliShowMake.h"

#include "cli/cliCommands.h"
#include "cli/cliJsonRecords.h"
#include "cli/cliProject.h"
#include "core/cError.h"
#include "core/cFileIO.h"
#include "core/cGuiSettings.h"
#include "data/cCropFactor.h"
#include "data/cCropPattern.h"
#include "data/cGeneral.h"
#include "data/cMeteo.h"
#include "data/cSchedule.h"
#include "data/cStrategy.h"

#include <algorithm>
#include <fstream>
#include <functional>
#include <iostream>
#include <sstream>
#include <vector>

namespace {

// Loads a file into JSON; false when the record's Load refused it (it has shown why).
using TShow = std::function<bool(const std::string& path, TJson& json)>;
// Builds the record from JSON and saves it; throws on bad JSON or a failed save.
using TMake = std::function<void(const TJson& json, const std::string& path)>;

struct TFileKind {
    std::vector<std::string> extensions; // lower case, with the dot
    TShow show;
    TMake make;
};

template <class TRecord>
TFileKind RecordKind(std::vector<std::string> extensions) {
    return {std::move(extensions),
            [](const std::string& path, TJson& json) {
                TRecord record;
                record.Clear();
                if (!record.Load(path))
                    return false;
                json = ToJson(record);
                return true;
            },
            [](const TJson& json, const std::string& path) {
                TRecord record;
                record.Clear();
                FromJson(json, record);
                record.Save(path);
            }};
}

TFileKind SettingsKind() {
    return {{".ini"},
            [](const std::string& path, TJson& json) {
                TGuiSettings settings;
                if (!settings.Load(path))
                    return false;
                json = ToJson(settings);
                return true;
            },
            [](const TJson& json, const std::string& path) {
                TGuiSettings settings;
                FromJson(json, settings);
                settings.Save(path);
            }};
}

const std::vector<TFileKind>& FileKinds() {
    static const std::vector<TFileKind> kinds = {
        SettingsKind(),
        RecordKind<TGeneral>({".gen"}),
        RecordKind<TMeteo>({".mtf"}),
        RecordKind<TStrategy>({".str"}),
        RecordKind<TCropFactor>({".udc", ".crp"}),
        RecordKind<TCropPattern>({".pat"}),
        RecordKind<TSchedule>({".sch"}),
        RecordKind<TSoil>({".soi"}),
    };
    return kinds;
}

const TFileKind* KindOf(const std::string& path) {
    std::string ext = FileExtension(path);
    std::transform(ext.begin(), ext.end(), ext.begin(),
                   [](unsigned char c) { return std::tolower(c); });
    for (const auto& kind : FileKinds())
        if (std::find(kind.extensions.begin(), kind.extensions.end(), ext) != kind.extensions.end())
            return &kind;
    return nullptr;
}

std::string KnownExtensions() {
    std::string list;
    for (const auto& kind : FileKinds())
        for (const auto& ext : kind.extensions)
            list += (list.empty() ? "" : " ") + ext;
    return list;
}

} // namespace

int ShowFile(const std::string& path, std::ostream& out, std::ostream& err) {
    const TFileKind* kind = KindOf(path);
    if (!kind) {
        err << "Unknown kind of data file: " << path << " (known: " << KnownExtensions() << ")\n";
        return kExitUsage;
    }
    if (!FileExists(path)) {
        err << NoSuchFileMessage(path) << '\n';
        return kExitBadData;
    }
    TJson json;
    if (!kind->show(path, json))
        return kExitBadData;
    out << json.dump(2, ' ', false, TJson::error_handler_t::replace) << '\n';
    return kExitOk;
}

int MakeFile(const std::string& jsonPath, const std::string& outPath, std::ostream& err) {
    const TFileKind* kind = KindOf(outPath);
    if (!kind) {
        err << "Unknown kind of data file: " << outPath << " (known: " << KnownExtensions()
            << ")\n";
        return kExitUsage;
    }
    std::string text;
    if (jsonPath == "-") {
        std::ostringstream buffer;
        buffer << std::cin.rdbuf();
        text = buffer.str();
    } else {
        try {
            text = ReadFileBytes(jsonPath);
        } catch (const TQueltaError& e) {
            err << e.what() << '\n';
            return kExitBadData;
        }
    }
    try {
        kind->make(TJson::parse(text), outPath);
    } catch (const TJson::exception& e) {
        err << "Not a valid JSON text: " << e.what() << '\n';
        return kExitBadData;
    } catch (const std::exception& e) {
        err << e.what() << '\n';
        return kExitBadData;
    }
    return kExitOk;
}
