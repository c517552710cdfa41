#pragma once

#include <string>

// The folder of the program file: the folder of the running executable, whose Crop folder holds the
// supplied crop factor files. Tests point it at a temporary folder.
std::string ProgramFolder();
// An empty folder restores the executable's folder.
void SetProgramFolder(const std::string& folder);
