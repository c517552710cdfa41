#pragma once

#include <string>

class TValueReader;
class TValueWriter;

// The soil of a field as irrigation scheduling sees it: how much water a metre of it holds for
// the crop between field capacity and wilting point, how much rain it takes in a day, and how
// dry it is when the season starts. The .soi files of the soil library; a schedule keeps a copy.
class TSoil {
public:
    int Version = 1;
    std::string FileName;
    std::string Description;
    double FieldCapacity = 0; // m3 of water per m3 of soil
    double WiltingPoint = 0;  // m3/m3
    // The total available water per metre is entered itself instead of following from field
    // capacity and wilting point (a soil survey often gives only that).
    bool AvailableWaterGiven = false;
    double AvailableWater = 0;   // mm per m of soil, used when AvailableWaterGiven
    double InfiltrationRate = 0; // mm/day: the most rain that enters the soil in a day
    double InitialDepletion = 0; // % of the total available water when the season starts

    // TAW per metre of root zone (mm/m): 1000 (FC - WP), or the entered value.
    double AvailableWaterPerMetre() const;

    // A medium loam (the middle of the published ranges), so a new schedule can be computed.
    void Clear();
    bool Load(const std::string& fileName);
    bool ReadData(TValueReader& reader);
    void Save(const std::string& fileName) const;
    void WriteData(TValueWriter& writer) const;
    // The values alone, raising TStreamError on a damaged stream; a schedule reads its copy so.
    void ReadFields(TValueReader& reader);
};
