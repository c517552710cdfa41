#pragma once

#include "core/cYearData.h"
#include "data/cCropPatternLine.h"

#include <memory>
#include <string>
#include <vector>

class TValueReader;
class TValueWriter;

// The crops grown in the irrigated area (at most 40), each with its area and planting day, and
// the crop coefficients of the land without an irrigated crop; the .pat file. The file holds only
// a reference to each crop's crop factor file; reading loads the crop data from those files.
// Lines are numbered 1..Count() and keep their address while the pattern holds them; copying a
// pattern copies its lines.
class TCropPattern {
public:
    static constexpr int kMaxCrops = 40;

    int Version = 1;
    std::string FileName;
    double KcFallow = 0;
    double KcPermanent = 0;
    int CurrentLine = 0;  // the line the crop dialog works on; not stored
    TYearSum ETPermanent; // mm/day of the permanent non-irrigated area
    TYearSum ETFallow;    // mm/day of the fallow land

    TCropPattern() = default;
    TCropPattern(const TCropPattern& other);
    TCropPattern& operator=(const TCropPattern& other);
    TCropPattern(TCropPattern&&) = default;
    TCropPattern& operator=(TCropPattern&&) = default;

    int Count() const { return static_cast<int>(lines.size()); }
    // A new empty line after the last one.
    TCropPatternLine& AddCropLine();
    // Removes line i; the lines after it move one place up.
    void DeleteCropLine(int i);
    TCropPatternLine& GetCropLine(int i) { return *lines[i - 1]; }
    const TCropPatternLine& GetCropLine(int i) const { return *lines[i - 1]; }
    void SetCropLine(int i, const TCropPatternLine& line) { *lines[i - 1] = line; }

    double TotalArea() const;
    // Area of the crops whose mean Kc over period p of n days (0: months) is above 0.
    double CroppedAreaInPeriod(int period, int length) const;
    double CroppedAreaOfLine(int i, int period, int length) const;

    // Empties FileName and removes every line; the Kc values and series stay.
    void Clear();
    bool Load(const std::string& fileName);
    bool ReadData(TValueReader& reader);
    void Save(const std::string& fileName) const;
    void WriteData(TValueWriter& writer) const;

private:
    std::vector<std::unique_ptr<TCropPatternLine>> lines;
};
