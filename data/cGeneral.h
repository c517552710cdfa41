#pragma once

#include <string>

class TValueReader;
class TValueWriter;

// Site and project data of the irrigated area, in metric units; the .gen file.
class TGeneral {
public:
    int Version = 2;
    double Altitude = 0;    // m above mean sea level
    int ApplInterval = 0;   // days between water applications
    std::string CalcPeriod; // "Day", "Week", "Month" or another period text
    std::string Country;
    std::string Description;
    double MeanDepth = 0; // mm per application
    std::string FileName;
    std::string Hemisphere; // "North" or "South"
    double Latitude = 0;    // degrees.minutes: 52.30 is 52 degrees 30 minutes
    std::string Region;
    double IrrigableArea = 0; // ha
    double GrossArea = 0;     // ha
    bool DataValid = false;   // left by the general data editor's range check
    bool UseCurveNumber = false;
    int LandUseIndex = 0;
    int SoilGroupIndex = 0; // 0..3 for A..D
    int CurveNumber = 0;    // chosen by the editor, not stored
    double FixedPercent = 0;
    bool UseFixedPercent = false;
    bool CurveNumberOffered = false; // not stored

    void SetUseCurveNumber(bool value) { UseCurveNumber = value; }
    void SetLandUseIndex(int value) { LandUseIndex = value; }
    void SetSoilGroupIndex(int value) { SoilGroupIndex = value; }
    void SetCurveNumber(int value) { CurveNumber = value; }
    void SetFixedPercent(double value) { FixedPercent = value; }
    void SetUseFixedPercent(bool value) { UseFixedPercent = value; }
    void SetCurveNumberOffered(bool value) { CurveNumberOffered = value; }

    void Clear();
    bool Load(const std::string& fileName);
    bool ReadData(TValueReader& reader);
    void Save(const std::string& fileName) const;
    void WriteData(TValueWriter& writer) const;
};
