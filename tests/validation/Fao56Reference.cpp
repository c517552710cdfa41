#include "Fao56Reference.h"

#include <cmath>

namespace {

constexpr double kPi = 3.14159265358979323846;

// Equation 11.
double SaturationVapourPressure(double t) {
    return 0.6108 * std::exp(17.27 * t / (t + 237.3));
}

} // namespace

TFao56Result Fao56PenmanMonteith(const TFao56Day& d) {
    TFao56Result r{};
    const double tmean = (d.Tmax + d.Tmin) / 2;                                        // equation 9
    const double pressure = 101.3 * std::pow((293 - 0.0065 * d.Altitude) / 293, 5.26); // eq. 7
    const double gamma = 0.665e-3 * pressure;                                          // eq. 8
    const double e0max = SaturationVapourPressure(d.Tmax);
    const double e0min = SaturationVapourPressure(d.Tmin);
    r.Es = (e0max + e0min) / 2; // equation 12
    const double slope = 4098 * SaturationVapourPressure(tmean) / std::pow(tmean + 237.3, 2); // 13
    if (d.Ea >= 0)
        r.Ea = d.Ea;
    else if (d.RHmax >= 0 && d.RHmin >= 0)
        r.Ea = (e0min * d.RHmax / 100 + e0max * d.RHmin / 100) / 2; // equation 17
    else
        r.Ea = d.RHmean / 100 * r.Es; // equation 19

    const double phi = d.LatitudeDegrees * kPi / 180;
    const double dr = 1 + 0.033 * std::cos(2 * kPi / 365 * d.Day);       // equation 23
    const double delta = 0.409 * std::sin(2 * kPi / 365 * d.Day - 1.39); // equation 24
    const double ws = std::acos(-std::tan(phi) * std::tan(delta));       // equation 25
    r.Extraterrestrial = 24 * 60 / kPi * 0.0820 * dr *
                         (ws * std::sin(phi) * std::sin(delta) +
                          std::cos(phi) * std::cos(delta) * std::sin(ws));        // equation 21
    const double daylight = 24 / kPi * ws;                                        // equation 34
    const double rs = (0.25 + 0.50 * d.Sunshine / daylight) * r.Extraterrestrial; // eq. 35
    const double rso = (0.75 + 2e-5 * d.Altitude) * r.Extraterrestrial;           // eq. 37
    const double rns = (1 - 0.23) * rs;                                           // eq. 38
    const double tmaxK = d.Tmax + 273.16, tminK = d.Tmin + 273.16;
    r.LongWave = 4.903e-9 * (std::pow(tmaxK, 4) + std::pow(tminK, 4)) / 2 *
                 (0.34 - 0.14 * std::sqrt(r.Ea)) * (1.35 * rs / rso - 0.35); // equation 39
    if (d.ProgramLongWave) // W/m2 to MJ/m2/day is 0.0864
        r.LongWave = 0.0864 * 5.675e-8 * std::pow(tmean + 273.16, 4) *
                     (0.34 - 0.139 * std::sqrt(r.Ea)) * (0.1 + 0.9 * d.Sunshine / daylight);
    r.NetRadiation = rns - r.LongWave; // equation 40

    const double u2 =
        d.WindHeight == 2 ? d.WindSpeed : d.WindSpeed * 4.87 / std::log(67.8 * d.WindHeight - 5.42);
    r.Et0 = (0.408 * slope * (r.NetRadiation - d.SoilHeatFlux) +
             gamma * 900 / (tmean + 273) * u2 * (r.Es - r.Ea)) /
            (slope + gamma * (1 + 0.34 * u2)); // equation 6
    return r;
}
