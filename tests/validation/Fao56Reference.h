#pragma once

// The standard daily FAO-56 Penman-Monteith reference evapotranspiration (Allen et al. 1998,
// equation 6 with its supporting equations of chapters 3 and 4), written for the tests only, from
// the publication and apart from the program's own method, so that the program can be measured
// against it.

struct TFao56Day {
    double LatitudeDegrees = 0; // decimal degrees, negative in the south
    double Altitude = 0;        // m
    int Day = 1;                // day of the year
    double Tmax = 0, Tmin = 0;  // °C
    double Sunshine = 0;        // n, hours
    double WindSpeed = 0;       // m/s at WindHeight
    double WindHeight = 2;      // m
    // Actual vapour pressure: given (kPa), from RHmax and RHmin (equation 17), or from RHmean
    // (equation 19), in that order of preference.
    double Ea = -1;
    double RHmax = -1, RHmin = -1;
    double RHmean = -1;
    double SoilHeatFlux = 0; // G, MJ/m2/day
    // For taking the standard form apart: the net long-wave radiation as the program defines it
    // (sigma Tmean^4 in W/m2 with 5.675e-8, 0.34 - 0.139 sqrt(ea), 0.1 + 0.9 n/N) instead of
    // equation 39.
    bool ProgramLongWave = false;
};

struct TFao56Result {
    double Et0;              // mm/day
    double Ea;               // kPa
    double Es;               // kPa
    double NetRadiation;     // MJ/m2/day
    double LongWave;         // Rnl, MJ/m2/day
    double Extraterrestrial; // Ra, MJ/m2/day
};

TFao56Result Fao56PenmanMonteith(const TFao56Day& day);
