#pragma once

#include <string>
#include <vector>

class TValueReader;
class TValueWriter;

// What a number stands for; selects the display unit, conversion and format.
namespace QuantityKind {
constexpr int Length = 0;
constexpr int Area = 1;
constexpr int Velocity = 2;
constexpr int Temperature = 3;
constexpr int Depth = 4;
constexpr int Volume = 5;
constexpr int Plain1 = 6; // one decimal: sunshine, humidity, wind ratio
constexpr int CropCoefficient = 7;
constexpr int Ratio = 8;
constexpr int WholeNumber = 9;
constexpr int DepthPerDay = 10;
constexpr int SmallHeight = 11;
constexpr int Plain2 = 12;
constexpr int Plain2b = 13;
} // namespace QuantityKind

// The user's display units, the calculation period and the data folders. Quantities are held in
// metric units everywhere; they are converted only here, on the way to and from the screen.
// A default-constructed TGuiSettings lives in memory only (metric units, monthly period); the
// desktop program ties it to its folder with OpenProgramFolder.
class TGuiSettings {
public:
    TGuiSettings();

    int PeriodKind = 3; // 1 Day, 2 Week, 3 Month, 4 other number of days
    int PeriodLength = 0;
    int LengthUnit = 0;        // 0 m, 1 ft
    int AreaUnit = 0;          // 0 ha, 1 ac
    int VelocityUnit = 0;      // 0 m/s, 1 ft/s, 2 km/d
    int TemperatureUnit = 0;   // 0 °C, 1 °F
    int PrecipitationUnit = 0; // 0 mm, 1 in
    int VolumeUnit = 0;        // 0 m3, 1 acrft
    std::string ProgramFolder;
    std::string GeneralFolder;
    std::string MeteoFolder;
    std::string CropFolder;
    std::string PatternFolder;
    std::string StrategyFolder;
    std::string ReportFolder;
    std::string ScheduleFolder; // irrigation schedules (.sch)
    std::string SoilFolder;     // the soil library (.soi)
    std::string SettingsFileName;

    // Sets the folders under programFolder and creates them, then reads the settings file, or
    // writes a metric one when there is none. Returns false when a folder or the settings file
    // could not be made (the caller may then choose another folder); units stay as they are.
    bool OpenProgramFolder(const std::string& programFolder, const std::string& settingsFile);

    bool Load(const std::string& fileName);
    bool ReadData(TValueReader& reader);
    void Save(const std::string& fileName) const;
    void WriteData(TValueWriter& writer) const;

    int UnitOf(int kind) const;
    std::string FormatValue(int kind, double value) const;
    double ParseValue(int kind, double value) const;
    // The internal value in the unit now chosen for its kind, unrounded.
    double DisplayValue(int kind, double value) const;
    static std::string UnitLabel(int kind, int unit);
    static std::string UnitName(int kind, int unit);
    // Label of the unit now chosen for a kind.
    std::string CurrentUnitLabel(int kind) const { return UnitLabel(kind, UnitOf(kind)); }

    // Calendar, as the free functions of cCalendar.
    static int DaysInMonth(int month);
    static int MonthOfDay(int day);
    static int DayOfYear(int month, int dayOfMonth);
    static int DayOfMonth(int day);
    static int WeekMidDay(int week);
    static std::string MonthName(int day);
    static std::string ShortMonthName(int day);
    static std::string DayLabel(int day);
    static int IndexOfItem(const std::vector<std::string>& list, const std::string& text);

    // Calculation period.
    void SetPeriodKind(int kind);
    void SetOtherPeriod(int days);
    int GetPeriodLength() const { return PeriodLength; }
    int NumberOfPeriods() const;
    std::string PeriodName() const;
    std::string PeriodLabel(int period) const;
    // The period column of a grid: the header text, then one label per period.
    std::vector<std::string> FillPeriodColumn() const;
    // Applies a period text as the windows do: its position in choices, plus one.
    void ApplyPeriodText(const std::string& text, const std::vector<std::string>& choices);
};
