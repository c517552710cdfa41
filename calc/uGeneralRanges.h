#pragma once

#include <string>

class TGeneral;
class TGuiSettings;

// The range rules of the general data and their hint texts in the units now set. The general
// data editor colours its fields by them; the action checks and the CLI may ask the same.

enum class TGeneralField {
    Degrees,
    Minutes,
    Altitude,
    GrossArea,
    IrrigableArea,
    Depth,
    FixedPercent,
};

// The hint shown while field has the focus.
std::string GeneralRangeHint(TGeneralField field, const TGuiSettings& units);

// Which stored (metric) values are out of range. Degrees and minutes are kept in range by entry;
// a file may still bring any latitude.
struct TGeneralRangeCheck {
    bool Latitude = true; // degrees 0..66, minutes 0..59
    bool Altitude = true;
    bool GrossArea = true;
    bool IrrigableArea = true; // also false when it exceeds the gross area
    bool Depth = true;
    bool FixedPercent = true;
    bool AllValid() const {
        return Latitude && Altitude && GrossArea && IrrigableArea && Depth && FixedPercent;
    }
    bool Valid(TGeneralField field) const;
};
TGeneralRangeCheck CheckGeneralRanges(const TGeneral& general);

// The latitude as the record keeps it, degrees.minutes, from the two entry fields: "%2d.%2d"
// with blanks as "0", so 5 and 3 give 5.03 and 52 and 30 give 52.3.
double LatitudeFromEntry(int degrees, int minutes);
// The entry fields of a stored latitude: 52.3 gives 52 and 30, 5.03 gives 5 and 3.
int LatitudeDegrees(double latitude);
int LatitudeMinutes(double latitude);

// The latitude's two fields within their entry limits.
bool LatitudeDegreesInRange(int degrees);
bool LatitudeMinutesInRange(int minutes);

// Entry limits of the latitude fields.
constexpr int kMaxLatitudeDegrees = 66;
constexpr int kMaxLatitudeMinutes = 59;
