#pragma once

#include <functional>
#include <string>

class TValueReader;
class TValueWriter;

// The steps every record's Load, ReadData and Save share. A load is all-or-nothing: the record
// reads into a copy and takes it over only when every value was read, so a damaged file never
// leaves a half-read record that could be saved over a good file.

// Load: false without a message when there is no such file; "Error in procedure Load: ..." when
// it cannot be read; otherwise the result of readData. On success recordFileName becomes fileName.
bool LoadRecordFile(const std::string& fileName, std::string& recordFileName,
                    const std::function<bool(TValueReader&)>& readData);

// ReadData: runs readFields on a copy of the record and assigns it back on success; any error is
// shown as "Error in procedure ReadData: " + its text, and false returned.
template <class TRecord, class TReadFields>
bool ReadRecordData(TRecord& record, TReadFields readFields);

// Save: writes through a temporary file; errors propagate as TFileError.
void SaveRecordFile(const std::string& fileName,
                    const std::function<void(TValueWriter&)>& writeData);

void ReportReadError(const std::exception& error);

template <class TRecord, class TReadFields>
bool ReadRecordData(TRecord& record, TReadFields readFields) {
    TRecord read = record;
    try {
        readFields(read);
    } catch (const std::exception& e) {
        ReportReadError(e);
        return false;
    }
    record = std::move(read);
    return true;
}
