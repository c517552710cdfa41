#pragma once

#include "core/cYearData.h"

#include <string>

class TValueReader;
class TValueWriter;

// One water-management strategy of the open project; the .str file. Monthly quantities live in
// day-of-year series written month by month (period length 0), so a TYearSum holds a month's
// total spread over its days and a TYearAverage holds the month's value on every day. The file
// keeps the scalar inputs and five of the series; the others are work series that the strategy
// window recomputes.
class TStrategy {
public:
    std::string FileName;
    int Version = 1;
    bool FieldDataAvailable = false;
    bool SpareFlag = false;     // kept in the file, used by no computation
    double DFcrit = 0;          // DFsustainable
    TYearSum ChangeGWTableData; // m per month, rise positive
    TYearAverage DivertedWater; // m3 per month
    TYearAverage DFUser;        // depleted fraction chosen per month
    TYearAverage ETaIrrigated;  // mm per month
    TYearAverage ETaGross;      // mm per month
    std::string SoilType;
    double CapRise05 = 0; // m of capillary rise for 0.5 mm/day
    double CapRise10 = 0;
    double CapRise20 = 0;
    std::string FieldApplMethod; // the whole choice line
    double RaRatio = 0;
    double Uniformity = 0;    // standard deviation s of the delivery
    double WaterShortage = 0; // % of the area where shortage is acceptable
    double ZValue = 0;
    double DeliveryRatio = 0;
    int FlowRegime = 0; // 0 continuous, 1 intermittent
    double ConveyRatio = 0;
    double DepthGW1Jan = 0; // m
    std::string GeneralFileName;
    TYearAverage DFCalc;
    TYearAverage VcDF;           // m3 per month
    TYearAverage VcET;           // m3 per month
    TYearAverage DepthGWTable;   // m at the end of each month
    TYearAverage GWContribution; // mm per month
    TYearSum EffRainCropped;
    int DFUserInitialised = 0;
    TYearSum ChangeGWTableStrategy; // m per month

    void Clear();
    bool Load(const std::string& fileName);
    bool ReadData(TValueReader& reader);
    void Save(const std::string& fileName) const;
    void WriteData(TValueWriter& writer) const;
};
