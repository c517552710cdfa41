#pragma once

class TAllData;

// A project whose general and meteo data are loaded (file names set) and within every range:
// a site at 30.05 North, monthly meteo values a user could have entered.
void LoadValidProject(TAllData& data);
