#include "ui/platform/pDesktop.h"

#include "core/cBusyCursor.h"
#include "core/cFileIO.h"
#include "core/cGuiSettings.h"
#include "core/cNumberFormat.h"
#include "core/cUserMessages.h"
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

void OpenProgramSettings(TGuiSettings& settings) {
    const std::string program = QCoreApplication::applicationFilePath().toStdString();
    const std::string folder = QCoreApplication::applicationDirPath().toStdString();
    const std::string fallback =
        QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation).toStdString();
    OpenSettingsFolder(settings, folder, program + ".INI", fallback);
}
