#pragma once

#include <string>

class TGuiSettings;

// Hands the engine what the desktop provides: the locale's decimal separator, the hourglass
// cursor and message boxes. Called once at start-up, after the QApplication exists.
void InstallDesktopServices();

// Ties the unit settings to the program folder (the executable's folder, settings file = the
// executable's path + ".INI"). When that folder cannot be written, the per-user data folder is
// used instead and the user is told once, when that folder is first set up.
void OpenProgramSettings(TGuiSettings& settings);

// The same with explicit folders, for tests.
void OpenSettingsFolder(TGuiSettings& settings, const std::string& programFolder,
                        const std::string& settingsFile, const std::string& fallbackFolder);
