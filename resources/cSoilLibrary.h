#pragma once

#include "data/cSoil.h"

#include <string>
#include <vector>

// The soil library comes from a table of published soil water properties (soils.csv): one row
// per .soi file, written into the Soil folder beside each program at build time.

struct TLibrarySoil {
    std::string FileName; // e.g. "Loam.soi"
    TSoil Soil;
};

// Parses the table; throws std::runtime_error naming the line of a malformed row.
std::vector<TLibrarySoil> ParseSoilLibrary(const std::string& csvText);
// Writes every soil as FileName into folder (created if needed); returns how many were written.
int WriteSoilLibrary(const std::vector<TLibrarySoil>& soils, const std::string& folder);
