#include "data/cCropPatternLine.h"

#include "core/cFileIO.h"
#include "core/cProgramFolder.h"
#include "core/cUserMessages.h"
#include "core/cValueStream.h"

bool PatternCropsFound = true;

namespace {

// The folder of the program file followed by its crop folder, as the message names it.
std::string CropFolderOfProgram() {
    const std::string program = ProgramFolder();
    const std::string found = FindIgnoringCase(program, "CROP");
    return found.empty() ? program + "/Crop" : found;
}

// The file itself when it exists; otherwise a file of the same name (ignoring case) in the
// program's crop folder, where patterns from another computer find the supplied crops.
std::string ResolveCropFile(const std::string& cropFileName) {
    if (FileExists(cropFileName))
        return cropFileName;
    const std::string folder = FindIgnoringCase(ProgramFolder(), "CROP");
    if (folder.empty())
        return {};
    const std::string fallback = FindIgnoringCase(folder, FileNamePart(cropFileName));
    return FileExists(fallback) ? fallback : std::string();
}

void ReportMissingCropFile(const std::string& cropFileName) {
    const std::string name = FileNamePart(cropFileName);
    const std::string folder = CropFolderOfProgram();
    ShowError("Cannot load cropping pattern.\rCrop factor file " + name +
              " does not exist in the folder " + folder + "\r\r" +
              "To load the requested cropping pattern, please create/or copy the Crop factor "
              "file " +
              name + " to the folder " + folder);
}

} // namespace

void TCropPatternLine::ReadData(TValueReader& reader) {
    LineVersion = reader.ReadInteger();
    Area = reader.ReadFloat();
    PlantingDay = reader.ReadInteger();
    CropFileName = reader.ReadString();

    const std::string cropFile = ResolveCropFile(CropFileName);
    if (cropFile.empty()) {
        ReportMissingCropFile(CropFileName);
        PatternCropsFound = false;
        return;
    }
    CropFileName = cropFile;
    // A damaged crop file has shown its own message; the pattern cannot be used either.
    if (!Load(cropFile))
        PatternCropsFound = false;
}

void TCropPatternLine::WriteData(TValueWriter& writer) const {
    writer.WriteInteger(0);
    writer.WriteFloat(Area);
    writer.WriteInteger(PlantingDay);
    writer.WriteString(CropFileName);
}

std::string TCropPatternLine::CropName() const {
    const std::string name = FileNamePart(CropFileName);
    return name.size() >= 4 ? name.substr(0, name.size() - 4) : std::string();
}
