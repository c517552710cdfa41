#pragma once

#include "data/cCropFactor.h"

#include <string>
#include <vector>

// The supplied crop factor files come from a table of published crop factors (crops.csv): one
// row per .crp file. Lines starting with '#' are comments; the first other line is the header.

struct TLibraryCrop {
    std::string FileName; // e.g. "Maize.crp"
    TCropFactor Crop;
};

// Parses the table; throws std::runtime_error naming the line of a malformed row.
std::vector<TLibraryCrop> ParseCropLibrary(const std::string& csvText);
// Writes every crop as FileName into folder (created if needed); returns how many were written.
int WriteCropLibrary(const std::vector<TLibraryCrop>& crops, const std::string& folder);
