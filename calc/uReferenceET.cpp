#include "calc/uReferenceET.h"

#include "core/cCalendar.h"
#include "core/cError.h"
#include "data/cAllData.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>

namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr double kTwoPi = 2 * kPi;
constexpr double kRadiansPerDegree = 0.017453292519943295;
constexpr double kHoursPerRadian = 7.639437268410976; // 24 / pi
constexpr double kStefanBoltzmann = 5.675e-8;         // W/m2/K4
constexpr double kWattsToMm = 0.0353;                 // W/m2 as mm/day of evaporation

// Adjustment factor c of the modified Penman method, [ratio 1..4][RHmax 30, 60, 90]
// [Uday 0, 3, 6, 9][Rs' 3, 6, 9, 12].
// clang-format off
constexpr double kAdjustment[4][3][4][4] = {
    {// Uday/Unight 1
     {{0.86, 0.90, 1.00, 1.00}, {0.64, 0.71, 0.82, 0.89}, {0.43, 0.53, 0.68, 0.79}, {0.27, 0.41, 0.59, 0.70}},
     {{0.96, 0.98, 1.05, 1.05}, {0.78, 0.86, 0.94, 0.99}, {0.62, 0.70, 0.84, 0.93}, {0.50, 0.60, 0.75, 0.87}},
     {{1.02, 1.06, 1.10, 1.10}, {0.85, 0.92, 1.01, 1.05}, {0.72, 0.82, 0.95, 1.00}, {0.62, 0.72, 0.87, 0.96}}},
    {// Uday/Unight 2
     {{0.86, 0.90, 1.00, 1.00}, {0.69, 0.76, 0.85, 0.92}, {0.53, 0.61, 0.74, 0.84}, {0.37, 0.48, 0.65, 0.76}},
     {{0.96, 0.98, 1.05, 1.05}, {0.83, 0.91, 0.99, 1.05}, {0.70, 0.80, 0.94, 1.02}, {0.59, 0.70, 0.84, 0.95}},
     {{1.02, 1.06, 1.10, 1.10}, {0.89, 0.98, 1.10, 1.14}, {0.79, 0.92, 1.05, 1.12}, {0.71, 0.81, 0.96, 1.06}}},
    {// Uday/Unight 3
     {{0.86, 0.90, 1.00, 1.00}, {0.76, 0.81, 0.88, 0.94}, {0.61, 0.68, 0.81, 0.88}, {0.46, 0.56, 0.72, 0.82}},
     {{0.96, 0.98, 1.05, 1.05}, {0.87, 0.96, 1.06, 1.12}, {0.77, 0.88, 1.02, 1.10}, {0.67, 0.79, 0.88, 1.05}},
     {{1.02, 1.06, 1.10, 1.10}, {0.94, 1.04, 1.18, 1.28}, {0.86, 1.01, 1.15, 1.22}, {0.78, 0.92, 1.06, 1.18}}},
    {// Uday/Unight 4
     {{0.86, 0.90, 1.00, 1.00}, {0.79, 0.84, 0.92, 0.97}, {0.68, 0.77, 0.87, 0.93}, {0.55, 0.65, 0.78, 0.90}},
     {{0.96, 0.98, 1.05, 1.05}, {0.92, 1.00, 1.11, 1.19}, {0.85, 0.96, 1.11, 1.19}, {0.76, 0.88, 1.02, 1.14}},
     {{1.02, 1.06, 1.10, 1.10}, {0.99, 1.10, 1.27, 1.32}, {0.94, 1.10, 1.26, 1.33}, {0.88, 1.01, 1.16, 1.27}}},
};
// clang-format on

// Two neighbouring grid indices (from 0) of one axis of the table and the position between them.
struct TAxisPoint {
    int low;
    int high;
    double fraction;
};

// Whole part toward zero. The arguments are finite (checked by the caller); far outside the
// table every rule below cuts to the same edge, so clamping first changes no result, and the
// grid values made from it (up to 30 times as large) still fit an int.
int WholePart(double x) {
    return static_cast<int>(std::clamp(x, -1e6, 1e6));
}

// Grid values are 1-based in the rules below, the table from 0.
TAxisPoint RsAxis(double rs) {
    int k = WholePart(rs / 3) * 3;
    if (k <= 0)
        k = 3;
    return {std::min(k / 3, 4) - 1, std::min(k / 3 + 1, 4) - 1, (rs - k) / 3};
}

TAxisPoint UdayAxis(double uDay) {
    // Below 0 (no valid day-time wind) the first two columns extrapolate, as below Rs' 3.
    const int k = std::clamp(WholePart(uDay / 3) * 3, 0, 9);
    return {k / 3, std::min(k / 3 + 2, 4) - 1, (uDay - k) / 3};
}

TAxisPoint RhMaxAxis(double rhMax) {
    int k = WholePart(rhMax / 30) * 30;
    if (k < 1)
        k = 30;
    // Above 90 % both indices stay on the 90 % row (RHmax above 119 would otherwise leave it).
    return {std::min(k / 30, 3) - 1, std::min(k / 30 + 1, 3) - 1, (rhMax - k) / 30};
}

TAxisPoint RatioAxis(double ratio) {
    int k = WholePart(ratio);
    if (k <= 0)
        k = 1;
    return {std::min(k, 4) - 1, std::min(k + 1, 4) - 1, ratio - k};
}

double Lerp(double low, double high, double fraction) {
    return low + (high - low) * fraction;
}

// Declination and earth-sun distance depend on the day only, so they are worked out once for
// the program's life; the same values as evaluating them afresh on every run.
struct TSunOfDay {
    double sinDeclination;
    double cosDeclination;
    double tanDeclination;
    double distance; // relative earth-sun distance dr
};

const std::array<TSunOfDay, kDaysInYear + 1>& SunOfDays() {
    static const auto table = [] {
        std::array<TSunOfDay, kDaysInYear + 1> days{};
        for (int j = 1; j <= kDaysInYear; ++j) {
            const double declination = 0.4093 * std::sin(kTwoPi * (j + 284) / 365);
            days[j] = {std::sin(declination), std::cos(declination), std::tan(declination),
                       1 + 0.033 * std::cos(kTwoPi * j / 365)};
        }
        return days;
    }();
    return table;
}

// The sunset hour angle ws from x = -tan(latitude) tan(declination), with its sine.
struct TSunset {
    double angle;
    double sine;
};

TSunset Sunset(double tanLatitude, const TSunOfDay& sun) {
    const double x = -tanLatitude * sun.tanDeclination;
    if (x > 1)
        return {0, 0};
    if (x < -1)
        return {kPi, 0};
    // sin(acos x), without a second trigonometric call and accurate near |x| = 1.
    return {std::acos(x), std::sqrt((1 - x) * (1 + x))};
}

// ea of Penman-Monteith from RHmean and the saturation vapour pressures at Tmin and Tmax.
double VapourPressureOf(double rhMean, double e0Min, double e0Max) {
    return rhMean / (50 / e0Max + 50 / e0Min);
}

// The angle term of the extraterrestrial radiation, Ra = 435.2 dr times this.
double RadiationGeometry(const TSunset& sunset, double sinLatitude, double cosLatitude,
                         const TSunOfDay& sun) {
    return sunset.angle * sinLatitude * sun.sinDeclination +
           cosLatitude * sun.cosDeclination * sunset.sine;
}

// ln(67.75 z - 5.42) of the logarithmic wind profile, checked before anything divides by it.
double WindProfileLog(double height) {
    const double argument = 67.75 * height - 5.42;
    if (!(argument > 0))
        throw TCalcError("Invalid floating point operation");
    const double log = std::log(argument);
    if (log == 0)
        throw TCalcError("Floating point division by zero");
    return log;
}

// The month factor F = max(TD - 0.0123 Pm, 0.1)^0.76 of the Hargreaves method, per month 1..12.
std::array<double, 13> HargreavesMonthFactors(const TMeteo& meteo) {
    std::array<double, 13> factors{};
    for (int m = 1; m <= 12; ++m) {
        const double td = meteo.Tmax.MonthAverage(m) - meteo.Tmin.MonthAverage(m);
        const double x = td - 0.0123 * meteo.Precipitation.MonthSum(m);
        factors[m] = x > 0.1 ? std::pow(x, 0.76) : std::pow(0.1, 0.76);
    }
    return factors;
}

double AirPressureRatio(double tk, double altitude) {
    return std::pow((tk - 0.0065 * altitude) / tk, 5.256);
}

// c interpolated along the ratio, RHmax and Uday axes for each of the four Rs' columns; the
// Rs' step comes last, so a day whose weather repeats the day before needs only that step.
std::array<double, 4> AdjustmentColumns(double windRatio, double rhMax, double uDay) {
    std::array<double, 4> columns;
    if (!std::isfinite(windRatio) || !std::isfinite(rhMax) || !std::isfinite(uDay)) {
        columns.fill(std::numeric_limits<double>::quiet_NaN());
        return columns;
    }
    const TAxisPoint r = RatioAxis(windRatio);
    const TAxisPoint h = RhMaxAxis(rhMax);
    const TAxisPoint u = UdayAxis(uDay);
    const int hs[2] = {h.low, h.high};
    const int us[2] = {u.low, u.high};
    for (int s = 0; s < 4; ++s) {
        // Along the ratio first, then RHmax, then Uday.
        double alongRatio[2][2];
        for (int i = 0; i < 2; ++i)
            for (int j = 0; j < 2; ++j)
                alongRatio[i][j] = Lerp(kAdjustment[r.low][hs[i]][us[j]][s],
                                        kAdjustment[r.high][hs[i]][us[j]][s], r.fraction);
        double alongRh[2];
        for (int j = 0; j < 2; ++j)
            alongRh[j] = Lerp(alongRatio[0][j], alongRatio[1][j], h.fraction);
        columns[s] = Lerp(alongRh[0], alongRh[1], u.fraction);
    }
    return columns;
}

double AdjustmentAt(const std::array<double, 4>& columns, double rsPrime) {
    if (!std::isfinite(rsPrime))
        return std::numeric_limits<double>::quiet_NaN();
    const TAxisPoint s = RsAxis(rsPrime);
    return Lerp(columns[s.low], columns[s.high], s.fraction);
}

struct TSite {
    double altitude;
    double windHeight;
    double windLog; // ln(67.75 z - 5.42), unused at 2 m
};

// The meteo values of a day as read from the series.
struct TWeatherInput {
    double tmax, tmin, rhMean, rhMax, windSpeed, windRatio;
    bool operator==(const TWeatherInput&) const = default;
};

// Everything of a day that follows from its weather alone, not from the sun. The meteo series
// step from month to month, so a day that repeats the day before takes these values over.
class TDayWeather {
public:
    double tmean = 0;
    double ratio = 0;                      // wind ratio with its default
    double rhMax = 0;                      // RHmax with its default
    double longWaveEa = 0, longWaveEd = 0; // net long-wave term without its sunshine factor
    double radiationWeightMonteith = 0;    // slope / D
    double aerodynamic = 0;                // the wind and vapour term of Penman-Monteith
    double radiationWeightPenman = 0;      // W
    double windTerm = 0;                   // (1 - W) f(u) (e0 - ed) 10
    std::array<double, 4> adjustmentColumns{};

    void Update(const TWeatherInput& in, const TSite& site) {
        if (valid && in == input)
            return;
        input = in;
        valid = true;
        tmean = (in.tmax + in.tmin) * 0.5;
        const double tk = tmean + 273.16;
        const double e0Mean = SaturationVapourPressure(tmean);
        const double e0Max = SaturationVapourPressure(in.tmax);
        const double e0Min = SaturationVapourPressure(in.tmin);
        const double es = (e0Max + e0Min) / 2;
        const double ea = VapourPressureOf(in.rhMean, e0Min, e0Max);
        const double ed = in.rhMean * e0Mean / 100;
        const double slopeBase = (tmean + 237.3) * (tmean + 237.3);
        const double slopeModPenman = 4098 * e0Mean / slopeBase;
        const double slopeMonteith = 4098 * es / slopeBase; // es, not e0(Tmean)

        const double u2 = site.windHeight == 2 ? in.windSpeed : in.windSpeed * 4.868 / site.windLog;
        ratio = in.windRatio == 0 ? 2.0 : in.windRatio;
        const double uDay = u2 * 2 * ratio / (ratio + 1);
        rhMax = in.rhMax == 0 ? (in.rhMean + 100) * 0.5 : in.rhMax;

        const double gamma = 0.000659 * (101.3 * AirPressureRatio(tk, site.altitude));
        const double radiation = kStefanBoltzmann * (tk * tk * tk * tk);
        longWaveEa = radiation * (0.34 - 0.139 * std::sqrt(ea));
        longWaveEd = radiation * (0.34 - 0.139 * std::sqrt(ed));

        const double d = slopeMonteith + gamma * (1 + 0.34 * u2);
        radiationWeightMonteith = slopeMonteith / d;
        aerodynamic = (gamma / d) * (900 / tk) * u2 * (es - ea);

        radiationWeightPenman = slopeModPenman / (slopeModPenman + gamma);
        const double windFunction = 0.27 + u2 * 0.0027 * 86.4;
        windTerm = (1 - radiationWeightPenman) * windFunction * (e0Mean - ed) * 10;
        adjustmentColumns = AdjustmentColumns(ratio, rhMax, uDay);
    }

private:
    TWeatherInput input{};
    bool valid = false;
};

} // namespace

double LatitudeRadians(const TGeneral& general) {
    double latitude = general.Hemisphere == "South" ? -general.Latitude : general.Latitude;
    if (latitude == 0)
        latitude = 0.0001;
    // degrees.minutes: the fraction holds minutes, both parts keep the sign.
    const double degrees = std::trunc(latitude);
    const double minutes = (latitude - degrees) * 100;
    return (degrees + minutes / 60) * kRadiansPerDegree;
}

double CalcMaxSunshine(const TGeneral& general, int day) {
    if (day > kDaysInYear)
        day -= kDaysInYear;
    day = std::clamp(day, 1, kDaysInYear);
    const double tanLatitude = std::tan(LatitudeRadians(general));
    return kHoursPerRadian * Sunset(tanLatitude, SunOfDays()[day]).angle;
}

TDaySun DaySun(double latitudeRadians, int day) {
    const TSunOfDay& sun = SunOfDays()[std::clamp(day, 1, kDaysInYear)];
    const TSunset sunset = Sunset(std::tan(latitudeRadians), sun);
    const double geometry =
        RadiationGeometry(sunset, std::sin(latitudeRadians), std::cos(latitudeRadians), sun);
    return {kHoursPerRadian * sunset.angle, 435.2 * sun.distance * geometry};
}

double SaturationVapourPressure(double t) {
    return 0.6108 * std::exp(17.27 * t / (t + 237.3));
}

double ActualVapourPressure(double rhMean, double tmin, double tmax) {
    return VapourPressureOf(rhMean, SaturationVapourPressure(tmin), SaturationVapourPressure(tmax));
}

double RHmeanOfVapourPressure(double ea, double tmin, double tmax) {
    return ea * (50 / SaturationVapourPressure(tmax) + 50 / SaturationVapourPressure(tmin));
}

double WindAt2m(double windSpeed, double height) {
    if (height == 2)
        return windSpeed;
    return windSpeed * 4.868 / WindProfileLog(height);
}

double ModPenmanAdjustment(double windRatio, double rhMax, double uDay, double rsPrime) {
    return AdjustmentAt(AdjustmentColumns(windRatio, rhMax, uDay), rsPrime);
}

void CalcET0(TAllData& allData) {
    const TGeneral& general = allData.General;
    TMeteo& meteo = allData.Meteo;
    const double latitude = LatitudeRadians(general);
    const double sinLatitude = std::sin(latitude);
    const double cosLatitude = std::cos(latitude);
    const double tanLatitude = std::tan(latitude);
    const TSite site{general.Altitude, meteo.WindHeight,
                     meteo.WindHeight == 2 ? 1 : WindProfileLog(meteo.WindHeight)};
    const std::array<double, 13> hargreavesFactor = HargreavesMonthFactors(meteo);
    const auto& sunOfDays = SunOfDays();
    TDayWeather weather;

    for (int day = 1; day <= kDaysInYear; ++day) {
        // Astronomy.
        const TSunOfDay& sun = sunOfDays[day];
        const TSunset sunset = Sunset(tanLatitude, sun);
        const double maxSunshine = kHoursPerRadian * sunset.angle;
        const double geometry = RadiationGeometry(sunset, sinLatitude, cosLatitude, sun);
        const double ra = 435.2 * sun.distance * geometry;
        const double raPrime = 430.7 * sun.distance * geometry;
        const double raMJ = 0.0864 * ra;
        if (maxSunshine == 0)
            throw TCalcError("Floating point division by zero");
        const double relativeSunshine = meteo.Sunshine.GetDay(day) / maxSunshine;
        const double angstrom = 0.25 + 0.5 * relativeSunshine;
        const double cloudiness = 0.1 + 0.9 * relativeSunshine;

        // The weather of the day, with the defaults that stay in the meteo data.
        const TWeatherInput input{meteo.Tmax.GetDay(day),      meteo.Tmin.GetDay(day),
                                  meteo.RHmean.GetDay(day),    meteo.RHmax.GetDay(day),
                                  meteo.WindSpeed.GetDay(day), meteo.WindRatio.GetDay(day)};
        weather.Update(input, site);
        if (input.windRatio == 0)
            meteo.WindRatio.SetDay(day, weather.ratio);
        if (input.rhMax == 0)
            meteo.RHmax.SetDay(day, weather.rhMax);

        // Penman-Monteith.
        const double rn = (0.77 * (angstrom * ra) - weather.longWaveEa * cloudiness) * kWattsToMm;
        const double penmanMonteith = weather.radiationWeightMonteith * rn + weather.aerodynamic;

        // FAO Modified Penman.
        const double rsPrime = angstrom * raPrime * kWattsToMm;
        const double rnPrime = 0.75 * rsPrime - kWattsToMm * (weather.longWaveEd * cloudiness);
        const double c = AdjustmentAt(weather.adjustmentColumns, rsPrime);
        const double modPenman = c * (weather.radiationWeightPenman * rnPrime + weather.windTerm);

        // Modified Hargreaves.
        const double hargreaves =
            0.0013 * raMJ * 0.408 * (weather.tmean + 17) * hargreavesFactor[MonthOfDay(day)];

        if (!std::isfinite(penmanMonteith) || !std::isfinite(modPenman) ||
            !std::isfinite(hargreaves))
            throw TCalcError("Invalid floating point operation");
        // Frost drives Hargreaves' (Tmean + 17), and with little sun the net radiation, below
        // zero; a surface does not gain water by evapotranspiration, so a negative rate is 0.
        allData.ET0PenmanMonteith.SetDay(day, std::max(0.0, penmanMonteith));
        allData.ET0ModPenman.SetDay(day, std::max(0.0, modPenman));
        allData.ET0Hargreaves.SetDay(day, std::max(0.0, hargreaves));
    }
}
