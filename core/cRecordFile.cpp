#include "core/cRecordFile.h"

#include "core/cBusyCursor.h"
#include "core/cError.h"
#include "core/cFileIO.h"
#include "core/cUserMessages.h"
#include "core/cValueStream.h"

bool LoadRecordFile(const std::string& fileName, std::string& recordFileName,
                    const std::function<bool(TValueReader&)>& readData) {
    if (!FileExists(fileName))
        return false;
    TBusyCursor busy;
    std::string bytes;
    try {
        bytes = ReadFileBytes(fileName);
    } catch (const std::exception& e) {
        ShowError(std::string("Error in procedure Load: ") + e.what());
        return false;
    }
    TValueReader reader(bytes);
    const std::string previous = recordFileName;
    recordFileName = fileName;
    if (readData(reader))
        return true;
    recordFileName = previous;
    return false;
}

void SaveRecordFile(const std::string& fileName,
                    const std::function<void(TValueWriter&)>& writeData) {
    TBusyCursor busy;
    TValueWriter writer;
    writeData(writer);
    SaveFileAtomically(fileName, writer.Bytes());
}

void ReportReadError(const std::exception& error) {
    ShowError(std::string("Error in procedure ReadData: ") + error.what());
}
