#include "core/cGuiSettings.h"

#include "core/cCalendar.h"
#include "core/cError.h"
#include "core/cFileIO.h"
#include "core/cNumberFormat.h"
#include "core/cRecordFile.h"
#include "core/cValueStream.h"

#include <cstdio>
#include <filesystem>

namespace {

// Imperial units: any index other than 0 (and for velocity, other than 0 and 1) is the last unit.
int ClampUnit(int kind, int unit) {
    if (unit <= 0)
        return 0;
    if (kind == QuantityKind::Velocity)
        return unit == 1 ? 1 : 2;
    return 1;
}

std::string TwoDigits(int n) {
    if (n >= 0 && n < 100) // every day and month; the report labels hundreds of rows
        return {static_cast<char>('0' + n / 10), static_cast<char>('0' + n % 10)};
    char text[16];
    std::snprintf(text, sizeof text, "%02d", n);
    return text;
}

} // namespace

TGuiSettings::TGuiSettings() = default;

bool TGuiSettings::OpenProgramFolder(const std::string& programFolder,
                                     const std::string& settingsFile) {
    ProgramFolder = programFolder;
    GeneralFolder = programFolder + "/General";
    MeteoFolder = programFolder + "/Meteo";
    CropFolder = programFolder + "/Crop";
    PatternFolder = programFolder + "/Pattern";
    StrategyFolder = programFolder + "/Strategy";
    ReportFolder = programFolder + "/Report";
    ScheduleFolder = programFolder + "/Schedule";
    SoilFolder = programFolder + "/Soil";
    SettingsFileName = settingsFile;
    bool ok = true;
    for (const std::string* folder :
         {&GeneralFolder, &MeteoFolder, &CropFolder, &PatternFolder, &StrategyFolder, &ReportFolder,
          &ScheduleFolder, &SoilFolder}) {
        std::error_code ec;
        std::filesystem::create_directories(*folder, ec);
        ok = ok && std::filesystem::is_directory(*folder, ec);
    }
    if (FileExists(settingsFile)) {
        Load(settingsFile);
    } else {
        LengthUnit = AreaUnit = VelocityUnit = TemperatureUnit = PrecipitationUnit = VolumeUnit = 0;
        try {
            Save(settingsFile);
        } catch (const TQueltaError&) {
            ok = false;
        }
    }
    SetPeriodKind(3);
    return ok;
}

bool TGuiSettings::Load(const std::string& fileName) {
    std::string loadedFrom; // the settings have no file name field of their own
    return LoadRecordFile(fileName, loadedFrom,
                          [this](TValueReader& reader) { return ReadData(reader); });
}

bool TGuiSettings::ReadData(TValueReader& reader) {
    // All six values or none: a short file leaves the units as they were.
    return ReadRecordData(*this, [&reader](TGuiSettings& read) {
        for (int* unit : {&read.LengthUnit, &read.AreaUnit, &read.VelocityUnit,
                          &read.TemperatureUnit, &read.PrecipitationUnit, &read.VolumeUnit})
            *unit = reader.ReadInteger();
    });
}

void TGuiSettings::Save(const std::string& fileName) const {
    SaveRecordFile(fileName, [this](TValueWriter& writer) { WriteData(writer); });
}

void TGuiSettings::WriteData(TValueWriter& writer) const {
    for (int unit :
         {LengthUnit, AreaUnit, VelocityUnit, TemperatureUnit, PrecipitationUnit, VolumeUnit})
        writer.WriteInteger(unit);
}

int TGuiSettings::UnitOf(int kind) const {
    switch (kind) {
    case QuantityKind::Length:
    case QuantityKind::DepthPerDay:
    case QuantityKind::SmallHeight:
        return LengthUnit;
    case QuantityKind::Area:
        return AreaUnit;
    case QuantityKind::Velocity:
        return VelocityUnit;
    case QuantityKind::Temperature:
        return TemperatureUnit;
    case QuantityKind::Depth:
        return PrecipitationUnit;
    case QuantityKind::Volume:
        return VolumeUnit;
    default:
        return 0;
    }
}

std::string TGuiSettings::FormatValue(int kind, double v) const {
    const int u = ClampUnit(kind, UnitOf(kind));
    const double shown = DisplayValue(kind, v);
    switch (kind) {
    case QuantityKind::Length:
        return FormatFixed(shown, 2);
    case QuantityKind::Area:
    case QuantityKind::Velocity:
    case QuantityKind::Temperature:
    case QuantityKind::Plain1:
        return FormatFixed(shown, 1);
    case QuantityKind::Depth:
    case QuantityKind::DepthPerDay:
        return FormatFixed(shown, u == 0 ? 1 : 2);
    case QuantityKind::Volume:
    case QuantityKind::CropCoefficient:
    case QuantityKind::Ratio:
    case QuantityKind::Plain2:
    case QuantityKind::Plain2b:
        return FormatFixed(shown, 2);
    case QuantityKind::WholeNumber:
        return FormatFixed(shown, 0);
    case QuantityKind::SmallHeight:
        return FormatFixed(shown, u == 0 ? 2 : 3);
    default:
        return FormatFixed(shown, 1);
    }
}

double TGuiSettings::DisplayValue(int kind, double v) const {
    const int u = ClampUnit(kind, UnitOf(kind));
    if (u == 0)
        return v;
    switch (kind) {
    case QuantityKind::Length:
    case QuantityKind::SmallHeight:
        return v / 0.3048;
    case QuantityKind::Area:
        return v * 2.47;
    case QuantityKind::Velocity:
        return u == 1 ? v / 0.3048 : v * 86.4;
    case QuantityKind::Temperature:
        return v * 1.8 + 32;
    case QuantityKind::Depth:
        return v * 0.03937;
    case QuantityKind::Volume:
        return v * 0.00081071;
    case QuantityKind::DepthPerDay:
        return v * 0.04;
    default:
        return v;
    }
}

double TGuiSettings::ParseValue(int kind, double v) const {
    const int u = ClampUnit(kind, UnitOf(kind));
    if (u == 0)
        return v;
    switch (kind) {
    case QuantityKind::Length:
    case QuantityKind::SmallHeight:
        return v * 0.3048;
    case QuantityKind::Area:
        return v / 2.47;
    case QuantityKind::Velocity:
        return u == 1 ? v * 0.3048 : v / 86.4;
    case QuantityKind::Temperature:
        return (v - 32) / 1.8;
    case QuantityKind::Depth:
        return v / 0.03937;
    case QuantityKind::Volume:
        return v / 0.00081071;
    default:
        return v;
    }
}

std::string TGuiSettings::UnitLabel(int kind, int unit) {
    const int u = ClampUnit(kind, unit);
    switch (kind) {
    case QuantityKind::Length:
        return u == 0 ? "m" : "ft";
    case QuantityKind::Area:
        return u == 0 ? "ha" : "ac";
    case QuantityKind::Velocity:
        return u == 0 ? "m/s" : (u == 1 ? "ft/s" : "km/d");
    case QuantityKind::Temperature:
        return u == 0 ? "°C" : "°F";
    case QuantityKind::Depth:
        return u == 0 ? "mm" : "in";
    case QuantityKind::Volume:
        return u == 0 ? "m3" : "acrft";
    case QuantityKind::DepthPerDay:
        return u == 0 ? "mm/day" : "inch/day";
    default:
        return "";
    }
}

std::string TGuiSettings::UnitName(int kind, int unit) {
    const int u = ClampUnit(kind, unit);
    switch (kind) {
    case QuantityKind::Length:
        return u == 0 ? "Meter" : "Feet";
    case QuantityKind::Area:
        return u == 0 ? "Hectare" : "Acre";
    case QuantityKind::Velocity:
        return u == 0 ? "Meter per second" : (u == 1 ? "Feet per second" : "Kilometer per day");
    case QuantityKind::Temperature:
        return u == 0 ? "Celcius" : "Fahrenheit";
    case QuantityKind::Depth:
        return u == 0 ? "Millimeter per period or term" : "Inch per period or term";
    case QuantityKind::Volume:
        return u == 0 ? "m^3" : "acrefeet";
    default:
        return "";
    }
}

int TGuiSettings::DaysInMonth(int month) {
    return ::DaysInMonth(month);
}
int TGuiSettings::MonthOfDay(int day) {
    return ::MonthOfDay(day);
}
int TGuiSettings::DayOfYear(int month, int dayOfMonth) {
    return ::DayOfYear(month, dayOfMonth);
}
int TGuiSettings::DayOfMonth(int day) {
    return ::DayOfMonth(day);
}
int TGuiSettings::WeekMidDay(int week) {
    return ::WeekMidDay(week);
}
std::string TGuiSettings::MonthName(int day) {
    return ::MonthName(day);
}
std::string TGuiSettings::ShortMonthName(int day) {
    return ::ShortMonthName(day);
}
std::string TGuiSettings::DayLabel(int day) {
    return ::DayLabel(day);
}
int TGuiSettings::IndexOfItem(const std::vector<std::string>& list, const std::string& text) {
    return ::IndexOfItem(list, text);
}

void TGuiSettings::SetPeriodKind(int kind) {
    PeriodKind = kind;
    switch (kind) {
    case 1:
        PeriodLength = 1;
        break;
    case 2:
        PeriodLength = 7;
        break;
    case 3:
        PeriodLength = 0;
        break;
    default:
        PeriodLength = 10;
        break;
    }
}

void TGuiSettings::SetOtherPeriod(int days) {
    PeriodKind = 4;
    PeriodLength = days;
}

int TGuiSettings::NumberOfPeriods() const {
    if (PeriodKind == 3)
        return 12;
    return PeriodLength > 0 ? kDaysInYear / PeriodLength : 0;
}

std::string TGuiSettings::PeriodName() const {
    switch (PeriodKind) {
    case 1:
        return "Day";
    case 2:
        return "Week";
    case 3:
        return "Month";
    default:
        return std::to_string(PeriodLength) + " days";
    }
}

std::string TGuiSettings::PeriodLabel(int period) const {
    const int first = (period - 1) * PeriodLength + 1;
    return TwoDigits(::DayOfMonth(first)) + "/" + TwoDigits(::MonthOfDay(first)) + " (" +
           std::to_string(period) + ")";
}

std::vector<std::string> TGuiSettings::FillPeriodColumn() const {
    std::vector<std::string> column;
    column.push_back("(" + PeriodName() + ")");
    const int count = NumberOfPeriods();
    for (int p = 1; p <= count; ++p) {
        if (PeriodKind == 3)
            column.push_back(ShortMonthNameOfMonth(p) + " (" + std::to_string(p) + ")");
        else
            column.push_back(PeriodLabel(p));
    }
    return column;
}

void TGuiSettings::ApplyPeriodText(const std::string& text,
                                   const std::vector<std::string>& choices) {
    SetPeriodKind(::IndexOfItem(choices, text) + 1);
}
