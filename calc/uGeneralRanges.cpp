#include "calc/uGeneralRanges.h"

#include "core/cGuiSettings.h"
#include "core/cNumberFormat.h"
#include "data/cGeneral.h"

#include <cmath>
#include <cstdio>

namespace {

constexpr double kMaxArea = 1000000; // ha

bool Imperial(const TGuiSettings& units, int kind) {
    return units.UnitOf(kind) != 0;
}

} // namespace

std::string GeneralRangeHint(TGeneralField field, const TGuiSettings& units) {
    const std::string length = units.CurrentUnitLabel(QuantityKind::Length);
    const std::string area = units.CurrentUnitLabel(QuantityKind::Area);
    const std::string depth = units.CurrentUnitLabel(QuantityKind::Depth);
    const bool imperialArea = Imperial(units, QuantityKind::Area);
    switch (field) {
    case TGeneralField::Degrees:
        return "Range: 0 <= Latitude degrees <= 66";
    case TGeneralField::Minutes:
        return "Range: 0 <= Latitude minutes <= 59";
    case TGeneralField::Altitude:
        return Imperial(units, QuantityKind::Length) ? "Range: -1640 <= Altitude <= 14763 " + length
                                                     : "Range: -500 <= Altitude <= 4500 " + length;
    case TGeneralField::GrossArea:
        return (imperialArea ? "Range: 1 < Gross area <= 2470000 "
                             : "Range: 1 < Gross area <= 1000000 ") +
               area + " and Gross area >= Irrigable area";
    case TGeneralField::IrrigableArea:
        return (imperialArea ? "Range: 1 < Irrigable area <= 2470000 "
                             : "Range: 1 < Irrigable area <= 1000000 ") +
               area + " and Irrigable area <= Gross area";
    case TGeneralField::Depth:
        return Imperial(units, QuantityKind::Depth)
                   ? "Range: 0.7874 < Application depth <= 7.874 " + depth
                   : "Range: 20 < Application depth <= 200 " + depth;
    case TGeneralField::FixedPercent:
        return "Range: 0 <= fixed percentage <= 100";
    }
    return "";
}

bool TGeneralRangeCheck::Valid(TGeneralField field) const {
    switch (field) {
    case TGeneralField::Degrees:
    case TGeneralField::Minutes:
        return Latitude;
    case TGeneralField::Altitude:
        return Altitude;
    case TGeneralField::GrossArea:
        return GrossArea;
    case TGeneralField::IrrigableArea:
        return IrrigableArea;
    case TGeneralField::Depth:
        return Depth;
    case TGeneralField::FixedPercent:
        return FixedPercent;
    default:
        return true;
    }
}

// The hints speak of "1 <" and "20 <"; the checks themselves take 0 exclusive for areas and 20
// inclusive for the depth, as users have always been allowed to enter.
TGeneralRangeCheck CheckGeneralRanges(const TGeneral& g) {
    TGeneralRangeCheck check;
    const int degrees = LatitudeDegrees(g.Latitude), minutes = LatitudeMinutes(g.Latitude);
    check.Latitude = LatitudeDegreesInRange(degrees) && LatitudeMinutesInRange(minutes);
    check.Altitude = g.Altitude >= -500 && g.Altitude <= 4500;
    check.GrossArea = g.GrossArea > 0 && g.GrossArea <= kMaxArea;
    check.IrrigableArea =
        g.IrrigableArea > 0 && g.IrrigableArea <= kMaxArea && g.IrrigableArea <= g.GrossArea;
    check.Depth = g.MeanDepth >= 20 && g.MeanDepth <= 200;
    check.FixedPercent = g.FixedPercent <= 100;
    return check;
}

bool LatitudeDegreesInRange(int degrees) {
    return degrees >= 0 && degrees <= kMaxLatitudeDegrees;
}

bool LatitudeMinutesInRange(int minutes) {
    return minutes >= 0 && minutes <= kMaxLatitudeMinutes;
}

double LatitudeFromEntry(int degrees, int minutes) {
    char text[32];
    std::snprintf(text, sizeof text, "%2d%c%2d", degrees, DecimalSeparator(), minutes);
    std::string entry = text;
    for (char& c : entry)
        if (c == ' ')
            c = '0';
    return TextToNumber(entry);
}

// A file may hold any number there; one no field could show (NaN, infinity, huge) shows as -1,
// which the range check refuses.
bool LatitudeShowable(double latitude) {
    return std::fabs(latitude) < 1000;
}

int LatitudeDegrees(double latitude) {
    if (!LatitudeShowable(latitude))
        return -1;
    return static_cast<int>(std::trunc(latitude));
}

int LatitudeMinutes(double latitude) {
    if (!LatitudeShowable(latitude))
        return -1;
    return static_cast<int>(std::lround((latitude - std::trunc(latitude)) * 100));
}
