#pragma once

#include <string>

class TMeteo;

// Meteo data from a CSV table, as climate normals are usually published: a header naming the
// eight quantities in any order (Tmin, Tmax, Precipitation, Sunshine, RHmean, RHmax, WindSpeed,
// WindRatio; case is ignored, other columns such as a month label are skipped), then either 12
// monthly rows or one row per period of the given length. Values are metric: °C, mm per month or
// period, hours, %, m/s and the day/night ratio. Commas or semicolons separate the fields; the
// decimal point is ".".
//
// All or nothing: a missing column, a value that is not a number or a wrong number of rows raises
// TQueltaError with a message for the user, and the record is left as it was. Only the eight
// series change; the wind height and the file name stay.
void ImportMeteoCsv(const std::string& text, int periodLength, int periodCount, TMeteo& meteo);
void ImportMeteoCsvFile(const std::string& fileName, int periodLength, int periodCount,
                        TMeteo& meteo);
