#pragma once

#include <string>
#include <vector>

// The folder of the program file: the folder of the running executable, whose Crop folder holds the
// supplied crop factor files. Tests point it at a temporary folder. An installed program (see
// SuppliedDataFolder) keeps its supplied files under share/quelta instead, so that folder stands
// in for the executable's until the desktop program points it at the user's data folder.
std::string ProgramFolder();
// An empty folder restores the default.
void SetProgramFolder(const std::string& folder);

// The supplied files of an installed program: <programFolder>/../share/quelta when that folder
// exists, else "". An installed program keeps no data beside itself.
std::string SuppliedDataFolder(const std::string& programFolder);

// Copies every file under from into the same place under to, where to has no such file yet (a
// user's own files are never replaced). Returns the files written, as paths under to. Throws
// TFileError when a file cannot be copied.
std::vector<std::string> CopyMissingFiles(const std::string& from, const std::string& to);
