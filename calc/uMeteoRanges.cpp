#include "calc/uMeteoRanges.h"

#include "calc/uRangeCheck.h"
#include "core/cCalendar.h"
#include "core/cGuiSettings.h"
#include "data/cAllData.h"

#include <algorithm>
#include <cmath>

int MeteoColumnKind(int column) {
    switch (column) {
    case MeteoColumn::Tmin:
    case MeteoColumn::Tmax:
        return QuantityKind::Temperature;
    case MeteoColumn::Precipitation:
        return QuantityKind::Depth;
    case MeteoColumn::WindSpeed:
        return QuantityKind::Velocity;
    default:
        return QuantityKind::Plain1;
    }
}

bool IsTemperatureColumn(int column) {
    return column == MeteoColumn::Tmin || column == MeteoColumn::Tmax;
}

bool MeteoValueOutOfRange(int column, double value, double tmin, double rhMean,
                          double maxSunshine) {
    if (!std::isfinite(value))
        return true; // a file may bring NaN or infinity
    if (IsTemperatureColumn(column)) {
        if (value < kMinTemperature || value > kMaxTemperature)
            return true;
        return column == MeteoColumn::Tmax && tmin > value; // Tmin equal to Tmax is accepted
    }
    if (value < 0)
        return true; // pasted text or a file can bring a minus into any column
    switch (column) {
    case MeteoColumn::Precipitation:
        return value > 1000;
    case MeteoColumn::Sunshine:
        return value > maxSunshine;
    case MeteoColumn::RHmean:
        return value > 100;
    case MeteoColumn::RHmax: // 0 stands for "no data available"
        return value > 100 || (value != 0 && rhMean > value);
    case MeteoColumn::WindSpeed:
        return value > 15;
    case MeteoColumn::WindRatio:
        return value > 5;
    default:
        return false;
    }
}

bool WindHeightInRange(double metres) {
    return metres >= 0.5 && metres <= 15;
}

int SunshineDay(const std::string& calcPeriod, int row, int periodLength) {
    if (calcPeriod == "Day")
        return row;
    if (calcPeriod == "Week")
        return 7 * row - 4;
    if (calcPeriod == "Month")
        return DayOfYear(row, 15);
    const int first = (row - 1) * std::max(periodLength, 1) + 1;
    return std::min(first + periodLength / 2, 365);
}

void ValidateMeteoRecord(TAllData& data) {
    data.Meteo.DataValid = OutOfRangeMeteo(data.Meteo, data.GuiSettings, &data.General).empty();
}
