#pragma once

#include <array>
#include <string>

class TValueReader;
class TValueWriter;

// One crop: its crop coefficients at the four growth stages, the stage lengths and the rooting
// depth; the .udc (user-defined) and .crp (supplied) files, which share one format. Each Kc is a
// pair: entry 1 as entered, entry 2 computed or copied by the editor. Computed entries are never
// taken from a file.
class TCropFactor {
public:
    int Version = 0;
    std::string FileName;
    std::string Description;
    bool StandardKc = false; // Kc,1 is computed from ET0 and the application interval
    std::array<double, 2> Kc1{};
    std::array<double, 2> Kc2{};
    std::array<double, 2> Kc3{};
    std::array<double, 2> Kc4{};
    double RootingDepth = 0;          // m
    std::array<int, 4> StageLength{}; // initial, development, mid-season, late season; days
    bool DataValid = false;           // left by the crop factor editor's check

    // Indexed access as the windows use it: index 1 or 2 for a Kc pair, 1..4 for a stage.
    double GetKc1(int index) const { return Kc1[index - 1]; }
    double GetKc2(int index) const { return Kc2[index - 1]; }
    double GetKc3(int index) const { return Kc3[index - 1]; }
    double GetKc4(int index) const { return Kc4[index - 1]; }
    void SetKc1(int index, double value) { Kc1[index - 1] = value; }
    void SetKc2(int index, double value) { Kc2[index - 1] = value; }
    void SetKc3(int index, double value) { Kc3[index - 1] = value; }
    void SetKc4(int index, double value) { Kc4[index - 1] = value; }
    int GetStageLength(int stage) const { return StageLength[stage - 1]; }
    void SetStageLength(int stage, int days) { StageLength[stage - 1] = days; }

    int GrowingPeriod() const;

    void Clear();
    bool Load(const std::string& fileName);
    bool ReadData(TValueReader& reader);
    void Save(const std::string& fileName) const;
    void WriteData(TValueWriter& writer) const;
};
