#pragma once

#include "core/cFileIO.h"

#include <ostream>
#include <string>

// Loading the data files a command names into the records of the project container.

std::string NoSuchFileMessage(const std::string& path);

class TGuiSettings;
// "imperial" sets every display unit to its imperial choice; any other text leaves them metric.
void ApplyUnitsOption(const std::string& units, TGuiSettings& settings);

// Loads a record from its file as an editor's Open does; false when that failed (a missing file
// is reported on err, a damaged one by the record's own message).
template <class TRecord>
bool LoadDataFile(TRecord& record, const std::string& path, std::ostream& err) {
    if (!FileExists(path)) {
        err << NoSuchFileMessage(path) << '\n';
        return false;
    }
    return record.Load(path);
}
