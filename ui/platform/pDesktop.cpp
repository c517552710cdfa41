#include "ui/platform/pDesktop.h"

#include "core/cBusyCursor.h"
#include "core/cFileIO.h"
#include "core/cGuiSettings.h"
#include "core/cNumberFormat.h"
#include "core/cProgramFolder.h"
#include "core/cUserMessages.h"
#include "data/cCropPattern.h"
#include "ui/platform/pMessageBoxes.h"

#include <QApplication>
#include <QCursor>
#include <QFileInfo>
#include <QLocale>
#include <QStandardPaths>

void InstallDesktopServices() {
    const QString point = QLocale::system().decimalPoint();
    // core works with one-byte separators; any other falls back to ".".
    const bool single = point.size() == 1 && point.at(0).unicode() < 128;
    SetDecimalSeparator(single ? static_cast<char>(point.at(0).unicode()) : '.');

    TBusyCursor::SetHooks([] { QApplication::setOverrideCursor(QCursor(Qt::WaitCursor)); },
                          [] { QApplication::restoreOverrideCursor(); });

    static TMessageBoxes boxes;
    SetUserMessages(&boxes);
}

void OpenSettingsFolder(TGuiSettings& settings, const std::string& programFolder,
                        const std::string& settingsFile, const std::string& fallbackFolder) {
    if (settings.OpenProgramFolder(programFolder, settingsFile))
        return;
    const std::string fallbackFile = fallbackFolder + "/" + FileNamePart(settingsFile);
    const bool firstTime = !FileExists(fallbackFile);
    settings.OpenProgramFolder(fallbackFolder, fallbackFile);
    if (firstTime)
        ShowInformation("The program folder " + programFolder +
                        " cannot be written to. Your data folders and unit settings are kept in " +
                        fallbackFolder + " instead.");
}

namespace {

// The example patterns name their crops by the paths of the folder they were made in; the copies
// name the user's copy of the library instead, so they keep working whatever happens to the
// supplied files.
void PointPatternAtCrops(const std::string& patternFile, const std::string& cropFolder) {
    TCropPattern pattern;
    if (!pattern.Load(patternFile))
        return; // the load has said why
    for (int i = 1; i <= pattern.Count(); ++i) {
        TCropPatternLine& line = pattern.GetCropLine(i);
        const std::string copy = FindIgnoringCase(cropFolder, FileNamePart(line.CropFileName));
        if (!copy.empty())
            line.CropFileName = copy;
    }
    pattern.Save(patternFile);
}

} // namespace

void OpenInstalledSettings(TGuiSettings& settings, const std::string& suppliedFolder,
                           const std::string& userFolder) {
    const std::string settingsFile = userFolder + "/quelta.INI";
    const bool firstStart = !FileExists(settingsFile);
    SetProgramFolder(userFolder);
    if (!settings.OpenProgramFolder(userFolder, settingsFile)) {
        ShowError("The data folders cannot be made in " + userFolder +
                  ". Files can still be opened and saved elsewhere.");
        return;
    }
    if (!firstStart)
        return;
    try {
        for (const std::string& file : CopyMissingFiles(suppliedFolder, userFolder))
            if (FileExtension(file) == ".pat")
                PointPatternAtCrops(file, settings.CropFolder);
    } catch (const std::exception& e) {
        ShowError(e.what());
    }
    ShowInformation("Your data folders and unit settings are kept in " + userFolder +
                    ". The crop library, the soil library and the example projects have been "
                    "copied there.");
}

void OpenProgramSettings(TGuiSettings& settings) {
    const std::string program = QCoreApplication::applicationFilePath().toStdString();
    const std::string folder = QCoreApplication::applicationDirPath().toStdString();
    const std::string userFolder =
        QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation).toStdString();
    const std::string supplied = SuppliedDataFolder(folder);
    if (!supplied.empty())
        OpenInstalledSettings(settings, supplied, userFolder);
    else
        OpenSettingsFolder(settings, folder, program + ".INI", userFolder);
}
