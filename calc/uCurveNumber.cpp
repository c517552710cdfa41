#include "calc/uCurveNumber.h"

#include "data/cGeneral.h"

#include <algorithm>

const std::array<TCurveNumberRow, 101> kCurveNumberTable = {{
    {0, 0, 0},    {1, 0, 3},    {2, 1, 5},    {3, 1, 8},     {4, 2, 10},      {5, 2, 13},
    {6, 2, 15},   {7, 3, 17},   {8, 3, 18},   {9, 4, 20},    {10, 4, 22},     {11, 4, 24},
    {12, 5, 25},  {13, 5, 27},  {14, 6, 28},  {15, 6, 30},   {16, 7, 31},     {17, 7, 33},
    {18, 8, 34},  {19, 8, 36},  {20, 9, 37},  {21, 10, 38},  {22, 10, 39},    {23, 11, 41},
    {24, 11, 42}, {25, 12, 43}, {26, 13, 44}, {27, 13, 46},  {28, 14, 47},    {29, 14, 49},
    {30, 15, 50}, {31, 16, 51}, {32, 16, 52}, {33, 17, 53},  {34, 18, 54},    {35, 19, 55},
    {36, 19, 56}, {37, 20, 57}, {38, 21, 58}, {39, 22, 59},  {40, 22, 60},    {41, 23, 61},
    {42, 24, 62}, {43, 25, 63}, {44, 25, 64}, {45, 26, 65},  {46, 27, 66},    {47, 28, 67},
    {48, 29, 68}, {49, 30, 69}, {50, 31, 70}, {51, 32, 71},  {52, 32, 71},    {53, 33, 72},
    {54, 34, 73}, {55, 35, 74}, {56, 36, 75}, {57, 37, 76},  {58, 38, 76},    {59, 39, 77},
    {60, 40, 78}, {61, 41, 79}, {62, 42, 79}, {63, 43, 80},  {64, 44, 81},    {65, 45, 82},
    {66, 46, 82}, {67, 47, 83}, {68, 48, 84}, {69, 50, 85},  {70, 51, 85},    {71, 52, 86},
    {72, 53, 86}, {73, 54, 87}, {74, 55, 88}, {75, 57, 89},  {76, 58, 89},    {77, 59, 90},
    {78, 60, 90}, {79, 62, 91}, {80, 63, 91}, {81, 65, 92},  {82, 66, 92},    {83, 67, 93},
    {84, 68, 93}, {85, 70, 94}, {86, 72, 94}, {87, 74, 95},  {88, 75, 95},    {89, 77, 96},
    {90, 78, 96}, {91, 80, 97}, {92, 81, 97}, {93, 83, 98},  {94, 85, 98},    {95, 87, 99},
    {96, 89, 99}, {97, 92, 99}, {98, 94, 99}, {99, 97, 100}, {100, 100, 100},
}};

// The Curve Numbers of the USDA Soil Conservation Service (National Engineering Handbook section
// 4; TR-55 table 2-2b) for antecedent moisture condition II, soil groups A to D.
const std::array<TLandUseRow, kLandUseRows> kLandUseTable = {{
    {"Fallow", "straight row", "poor", {77, 86, 91, 94}},
    {"Row crops", "straight row", "poor", {72, 81, 88, 91}},
    {"Row crops", "straight row", "good", {67, 78, 85, 89}},
    {"Row crops", "contoured", "poor", {70, 79, 84, 88}},
    {"Row crops", "contoured", "good", {65, 75, 82, 86}},
    {"Row crops", "terraced", "poor", {66, 74, 80, 82}},
    {"Row crops", "terraced", "good", {62, 71, 78, 81}},
    {"Small grain", "straight row", "poor", {65, 76, 84, 88}},
    {"Small grain", "straight row", "good", {63, 75, 83, 87}},
    {"Small grain", "contoured", "poor", {63, 74, 82, 85}},
    {"Small grain", "contoured", "good", {61, 73, 81, 84}},
    {"Small grain", "terraced", "poor", {61, 72, 79, 82}},
    {"Small grain", "terraced", "good", {59, 70, 78, 81}},
    {"Close-seeded legumes", "straight row", "poor", {66, 77, 85, 89}},
    {"Close-seeded legumes", "straight row", "good", {58, 72, 81, 85}},
    {"Close-seeded legumes", "contoured", "poor", {64, 75, 83, 85}},
    {"Close-seeded legumes", "contoured", "good", {55, 69, 78, 83}},
    {"Close-seeded legumes", "terraced", "poor", {63, 73, 80, 83}},
    {"Close-seeded legumes", "terraced", "good", {51, 67, 76, 80}},
    {"Rotational meadow", "straight row", "poor", {66, 77, 85, 89}},
    {"Rotational meadow", "straight row", "good", {58, 72, 81, 85}},
    {"Rotational meadow", "contoured", "poor", {64, 75, 83, 85}},
    {"Rotational meadow", "contoured", "good", {55, 69, 78, 83}},
    {"Rotational meadow", "terraced", "poor", {63, 73, 80, 83}},
    {"Rotational meadow", "terraced", "good", {51, 67, 76, 80}},
    {"Pasture range", "", "poor", {68, 79, 86, 89}},
    {"Pasture range", "", "fair", {49, 69, 79, 84}},
    {"Pasture range", "", "good", {39, 61, 74, 80}},
    {"Pasture range", "contoured", "poor", {47, 67, 81, 88}},
    {"Pasture range", "contoured", "fair", {25, 59, 75, 83}},
    {"Pasture range", "contoured", "good", {6, 35, 70, 79}},
    {"Meadows (permanent)", "", "good", {30, 58, 71, 78}},
    {"Woodlands (farm woodlots)", "", "poor", {45, 66, 77, 83}},
    {"Woodlands (farm woodlots)", "", "fair", {36, 60, 73, 79}},
    {"Woodlands (farm woodlots)", "", "good", {25, 55, 70, 77}},
    {"Farmsteads", "", "", {59, 74, 82, 86}},
    {"Roads, dirt", "", "", {72, 82, 87, 89}},
    {"Roads (hard surface)", "", "", {74, 84, 90, 92}},
}};

int LandUseCurveNumber(int landUseIndex, int soilGroupIndex) {
    if (landUseIndex < 0 || landUseIndex >= kLandUseRows || soilGroupIndex < 0 ||
        soilGroupIndex > 3)
        return 0;
    return kLandUseTable[landUseIndex].CurveNumber[soilGroupIndex];
}

std::string LandUseText(int landUseIndex) {
    if (landUseIndex < 0 || landUseIndex >= kLandUseRows)
        return "";
    const TLandUseRow& row = kLandUseTable[landUseIndex];
    auto pad = [](std::string text, std::size_t width) {
        text.resize(std::max(text.size(), width), ' ');
        return text;
    };
    std::string text = pad(row.LandUse, 27) + pad(row.Treatment, 14) + row.Condition;
    text.erase(text.find_last_not_of(' ') + 1);
    return text;
}

int CurveNumberOfDay(int curveNumber, double fiveDayRain) {
    const TCurveNumberRow& row = kCurveNumberTable[std::clamp(curveNumber, 0, 100)];
    if (fiveDayRain < 36)
        return row.Dry;
    if (fiveDayRain > 53)
        return row.Wet;
    return row.Average;
}

void SetDerivedGeneralValues(TGeneral& general) {
    general.SetCurveNumber(LandUseCurveNumber(general.LandUseIndex, general.SoilGroupIndex));
    general.SetCurveNumberOffered(general.CalcPeriod == "Day");
}
