#pragma once

#include <string>

class TAllData;

// A project whose general and meteo data are loaded (file names set) and within every range,
// with a cropping pattern file named:
// a site at 30.05 North, monthly meteo values a user could have entered.
void LoadValidProject(TAllData& data);

// The Seville example project from an installed program folder (General, Meteo, Pattern and Crop
// beside each other), with the values the general editor derives; false when a file is missing.
bool LoadSevilleExample(TAllData& data, const std::string& programFolder);
