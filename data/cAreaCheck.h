#pragma once

#include <array>
#include <string>
#include <vector>

class TCropPattern;
class TGuiSettings;

// The check that the cropped area never exceeds the irrigable area. Every month with an exceeding
// day is listed once, with the excess of its first exceeding day, in calendar order.

struct TAreaExcess {
    int Month = 0;     // 1..12
    int FirstDay = 0;  // first exceeding day of the month, 1..365
    double Excess = 0; // ha above the irrigable area on that day
};

struct TAreaCheck {
    bool Exceeded = false;
    std::vector<TAreaExcess> Months;
    // One line per month, as the message lists it, the month name padded with blanks to the
    // longest: "May       with \t20 (ha)\r".
    std::string ListText;
};

// Who runs the check decides the closing sentence of its message.
enum class TAreaCheckCaller { Report, CropDialog, Strategy };

// The check of a daily cropped area (ha, days 1..365) against the irrigable area (ha); the
// excesses are written in the unit settings' area unit.
TAreaCheck AreaCheckOfDailyArea(const std::array<double, 365>& dailyArea, double irrigableArea,
                                const TGuiSettings& settings);
// The check of a pattern, from the crop coefficients of its last crop calculation: the area of a
// day is that of the crops whose Kc on that day is above 0.
TAreaCheck AreaCheck(const TCropPattern& pattern, double irrigableArea,
                     const TGuiSettings& settings);
// The error message the caller shows when the check found an excess.
std::string AreaCheckMessage(const TAreaCheck& check, TAreaCheckCaller caller);
