#pragma once

class TAllData;

// A project whose general and meteo data are loaded (file names set) and within every range,
// with a cropping pattern file named:
// a site at 30.05 North, monthly meteo values a user could have entered.
void LoadValidProject(TAllData& data);
