#pragma once

#include <array>
#include <string>

class TGeneral;

// Curve Numbers of the runoff method of effective rainfall. The land-use table gives the Curve
// Number (average antecedent moisture) of a land use and hydrological soil group; the conversion
// table gives the Curve Numbers of the same land after a dry or a wet spell.

struct TCurveNumberRow {
    int Average; // condition II
    int Dry;     // condition I
    int Wet;     // condition III
};
extern const std::array<TCurveNumberRow, 101> kCurveNumberTable;

struct TLandUseRow {
    const char* LandUse;
    const char* Treatment;
    const char* Condition;
    std::array<int, 4> CurveNumber; // soil groups A..D
};
constexpr int kLandUseRows = 38;
extern const std::array<TLandUseRow, kLandUseRows> kLandUseTable;

// The table value of a land-use row (from 0) and soil group (0..3); 0 outside the table.
int LandUseCurveNumber(int landUseIndex, int soilGroupIndex);
// A land-use row as one text, its three parts padded to line up under their headers.
std::string LandUseText(int landUseIndex);

// Curve Number of a day from the rain of the five days before it (mm): dry below 36 mm, wet
// above 53 mm, the average condition in between (both limits included).
int CurveNumberOfDay(int curveNumber, double fiveDayRain);

// What the general data editor derives when it shows a record, for callers that load a .gen
// file without the editor: the Curve Number of the chosen row and group, and whether the Curve
// Number method is offered (daily calculation period only).
void SetDerivedGeneralValues(TGeneral& general);
