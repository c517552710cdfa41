#pragma once

#include <string>

class TGuiSettings;

// Hands the engine what the desktop provides: the locale's decimal separator, the hourglass
// cursor and message boxes. Called once at start-up, after the QApplication exists.
void InstallDesktopServices();

// Ties the unit settings to the program folder (the executable's folder, settings file = the
// executable's path + ".INI"). When that folder cannot be written, the per-user data folder is
// used instead and the user is told once, when that folder is first set up. An installed program
// (share/quelta beside its bin folder) always uses the per-user data folder.
void OpenProgramSettings(TGuiSettings& settings);

// The installed program's folders: the data folders and "quelta.INI" in userFolder. At the first
// start (no settings file there yet) the supplied files are copied there (never over a file of
// the user's), the example patterns are pointed at the copied crop library, and the user is told
// where the files are. The crop library fallback of cropping patterns looks in userFolder too.
void OpenInstalledSettings(TGuiSettings& settings, const std::string& suppliedFolder,
                           const std::string& userFolder);

// The same with explicit folders, for tests.
void OpenSettingsFolder(TGuiSettings& settings, const std::string& programFolder,
                        const std::string& settingsFile, const std::string& fallbackFolder);
