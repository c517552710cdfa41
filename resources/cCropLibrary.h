#pragma once

#include "data/cCropFactor.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

// The supplied crop factor files come from a table of published crop factors (crops.csv): one
// row per .crp file. Lines starting with '#' are comments; the first other line is the header.
// Six further columns give what irrigation scheduling needs of a crop: its depletion fraction
// p and its yield response factors Ky; a row may leave them empty, or out.

// A crop's response to a drying root zone. Where the table has no value the scheduling
// defaults stand (p 0.5, Ky 1.0), and the flags say so.
struct TCropResponse {
    double DepletionFraction = 0.5;
    double KySeason = 1.0;
    std::array<double, 4> KyStage{}; // 0: no value for the stage
    bool PublishedP = false;
    bool PublishedKy = false;
};

struct TLibraryCrop {
    std::string FileName; // e.g. "Maize.crp"
    TCropFactor Crop;
    TCropResponse Response;
};

// Parses the table; throws std::runtime_error naming the line of a malformed row.
std::vector<TLibraryCrop> ParseCropLibrary(const std::string& csvText);
// Writes every crop as FileName into folder (created if needed); returns how many were written.
int WriteCropLibrary(const std::vector<TLibraryCrop>& crops, const std::string& folder);

// The response of a supplied crop by its crop file name (folder and case ignored), from the
// table as it was built into the program; the defaults for any other crop.
TCropResponse CropResponseDefaults(const std::string& cropFileName);
