#include "calc/uMeteoRanges.h"

#include "calc/uReferenceET.h"
#include "core/cCalendar.h"
#include "core/cGuiSettings.h"
#include "core/cNumberFormat.h"
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

bool MeteoValueOutOfRange(int column, double value, double tmin, double rhMean,
                          double maxSunshine) {
    if (!std::isfinite(value) || value < 0)
        return true; // pasted text can bring a minus into any column, a file NaN or infinity
    switch (column) {
    case MeteoColumn::Tmin:
        return value < 0 || value > 55;
    case MeteoColumn::Tmax:
        return value < 0 || value > 55 || tmin > value; // Tmin equal to Tmax is accepted
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
    const TGuiSettings& units = data.GuiSettings;
    TMeteo& meteo = data.Meteo;
    const auto series = meteo.Series();
    const int rows = units.NumberOfPeriods();
    const int length = units.GetPeriodLength();
    // A cell holds the value as shown, so the check reads back the shown text.
    auto shown = [&](int row, int column) {
        const int kind = MeteoColumnKind(column);
        const double value = series[column - 1]->GetPeriod(row, length);
        return units.ParseValue(kind, ShownNumber(units.FormatValue(kind, value)));
    };
    meteo.DataValid = true;
    for (int row = 1; row <= rows && meteo.DataValid; ++row) {
        const double tmin = shown(row, MeteoColumn::Tmin);
        const double rhMean = shown(row, MeteoColumn::RHmean);
        const double maxSunshine =
            CalcMaxSunshine(data.General, SunshineDay(data.General.CalcPeriod, row, length));
        for (int column = MeteoColumn::Tmin; column <= MeteoColumn::WindRatio; ++column)
            if (MeteoValueOutOfRange(column, shown(row, column), tmin, rhMean, maxSunshine))
                meteo.DataValid = false;
    }
    if (meteo.DataValid)
        meteo.DataValid = WindHeightInRange(meteo.WindHeight);
}
