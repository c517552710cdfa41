#include "data/cAreaCheck.h"

#include "core/cCalendar.h"
#include "core/cGuiSettings.h"
#include "core/cNumberFormat.h"
#include "data/cCropPattern.h"

namespace {

constexpr std::size_t kLongestMonthName = 9; // September

} // namespace

TAreaCheck AreaCheckOfDailyArea(const std::array<double, 365>& dailyArea, double irrigableArea,
                                const TGuiSettings& settings) {
    TAreaCheck check;
    int lastMonth = 0;
    for (int day = 1; day <= kDaysInYear; ++day) {
        const double area = dailyArea[day - 1];
        if (!(area > irrigableArea))
            continue;
        check.Exceeded = true;
        const int month = MonthOfDay(day);
        if (month <= lastMonth)
            continue;
        const double excess = area - irrigableArea;
        check.Months.push_back({month, day, excess});
        // Month names padded to the longest, so the tab takes every line to the same stop.
        std::string name = MonthName(day);
        name.resize(kLongestMonthName, ' ');
        check.ListText += name + " with \t" +
                          FormatGeneral(settings.DisplayValue(QuantityKind::Area, excess)) + " (" +
                          settings.CurrentUnitLabel(QuantityKind::Area) + ")\r";
        lastMonth = month;
    }
    return check;
}

TAreaCheck AreaCheck(const TCropPattern& pattern, double irrigableArea,
                     const TGuiSettings& settings) {
    std::array<double, 365> dailyArea{};
    for (int day = 1; day <= kDaysInYear; ++day)
        dailyArea[day - 1] = pattern.CroppedAreaInPeriod(day, 1);
    return AreaCheckOfDailyArea(dailyArea, irrigableArea, settings);
}

std::string AreaCheckMessage(const TAreaCheck& check, TAreaCheckCaller caller) {
    const char* closing =
        caller == TAreaCheckCaller::Strategy
            ? "Adjust the cropping pattern before you can use the strategy option."
            : "To calculate the crop water requirements adjust the cropping "
              "pattern.";
    return "The cropped area exceeds the irrigable area in the following months:\r\r" +
           check.ListText + "\r" + "\r" + closing;
}
