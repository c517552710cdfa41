#pragma once

#include <optional>
#include <string>

// The values of one calculation period that the water requirements report shows, in metric
// units, from the daily series the engine computed last. A period length of 0 means months.

class TAllData;
class TCropPattern;
class TYearData;
class TYearSum;

enum class TEt0Method { PenmanMonteith, ModPenman, Hargreaves };
enum class TRainfallMethod { Usda, CurveNumber, Fixed };

std::string Et0MethodName(TEt0Method method);
std::string RainfallMethodName(TRainfallMethod method);

// The reference evapotranspiration of a method and the crop total that belongs to it.
const TYearData& Et0Series(const TAllData& data, TEt0Method method);
TYearSum& EtcTotalSeries(TAllData& data, TEt0Method method);
const TYearSum& EtcTotalSeries(const TAllData& data, TEt0Method method);

// The largest area in the field on one day of the period (ha).
double MaxCroppedArea(const TCropPattern& pattern, int period, int length);

struct TWaterRequirement {
    double CroppedArea = 0;       // Ap, ha
    double CropVolume = 0;        // VET, 10^3 m3
    double RainVolume = 0;        // VPe, 10^3 m3
    std::optional<double> Volume; // VET - VPe when not negative
    std::optional<double> Depth;  // the same as mm over the cropped area
};
// cropIndex 0: every crop of the pattern.
TWaterRequirement WaterRequirementOfPeriod(const TAllData& data, TEt0Method method, int cropIndex,
                                           int period, int length);

struct TNonIrrigated {
    double FallowArea = 0;      // ha
    double FallowDepth = 0;     // mm
    double FallowVolume = 0;    // 10^3 m3
    double PermanentDepth = 0;  // mm
    double PermanentVolume = 0; // 10^3 m3
};
TNonIrrigated NonIrrigatedOfPeriod(const TAllData& data, int period, int length);
