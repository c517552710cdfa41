#pragma once

#include <string>
#include <vector>

class TCropFactor;
class TCropPattern;
class TGeneral;
class TGuiSettings;
class TMeteo;
class TSchedule;
class TSoil;
class TStrategy;

// Every value of a record that breaks the range rules of its editor, named as the user sees it
// there, so that a save warning, the report's message and `quelta-cli check` can say which value
// is wrong and what would be accepted. The rules themselves live with each editor's rules
// (uGeneralRanges, uMeteoRanges, uCropFactorRules,
// uScheduleRules); this only lists what they refuse.

struct TOutOfRange {
    std::string Field;  // the editor's caption without its unit: "Size of irrigable area", "Tmin"
    std::string Period; // the grid's row label, "Jan (1)"; empty for a one-value field
    std::string Value;  // as the editor shows it, in the units now set
    std::string Range;  // the editor's range hint for the field, in the units now set
};

// In the general data editor's field order.
std::vector<TOutOfRange> OutOfRangeGeneral(const TGeneral& general, const TGuiSettings& units);

// The meteo grid of the units' current calculation period row by row, columns left to right,
// then the wind height. The sunshine limit needs the latitude and the period choice of the
// general data; without them (general null) sunshine is not checked.
std::vector<TOutOfRange> OutOfRangeMeteo(const TMeteo& meteo, const TGuiSettings& units,
                                         const TGeneral* general);

// The crop factor editor's rules, which refuse a save.
std::vector<TOutOfRange> OutOfRangeCropFactor(const TCropFactor& crop, const TGuiSettings& units);

// Each crop of the pattern (its area and its crop factor rules, the field named "Crop 2 (Maize):
// Kc,3"), then, with general data, every month whose cropped area exceeds the irrigable area.
std::vector<TOutOfRange> OutOfRangePattern(const TCropPattern& pattern, const TGuiSettings& units,
                                           const TGeneral* general);

// The values the strategy window refuses: negative diverted water or evapotranspiration, and a
// depleted fraction outside 0..1. Monthly, labelled by month.
std::vector<TOutOfRange> OutOfRangeStrategy(const TStrategy& strategy, const TGuiSettings& units);

// The schedule window's rules: the soil's values, then p, Ky (a stage's Ky labelled by its stage),
// and the timing and application values of the options chosen. Depths in the units now set.
std::vector<TOutOfRange> OutOfRangeSchedule(const TSchedule& schedule, const TGuiSettings& units);
// A soil of the library: the soil part of the schedule rules.
std::vector<TOutOfRange> OutOfRangeSoil(const TSoil& soil, const TGuiSettings& units);

// "Tmin, Jan (1): -60.0 (Range: ...)", the line a message or the CLI shows.
std::string OutOfRangeText(const TOutOfRange& fault);

// The question before a record with such a value is saved: "Out of range: " + field
// [+ " in " + period] + " = " + value + " (" + range + ")." + "\r" + "Save anyway?".
std::string OutOfRangeSaveQuestion(const TOutOfRange& fault);
