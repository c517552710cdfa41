#pragma once

#include "core/cGuiSettings.h"
#include "core/cYearData.h"
#include "data/cCropFactor.h"
#include "data/cCropPattern.h"
#include "data/cGeneral.h"
#include "data/cMeteo.h"
#include "data/cStrategy.h"

// The open project: one record of each kind, the unit settings and the engine's result series.
// One instance lives as long as the main window (or a CLI command); its members are never
// replaced, so windows may keep references to them.
class TAllData {
public:
    TCropPattern CropPattern;
    TGeneral General;
    TMeteo Meteo;
    TCropFactor CropFactor;
    TStrategy Strategy;
    TGuiSettings GuiSettings;
    TYearData ET0PenmanMonteith;
    TYearData ET0ModPenman;
    TYearData ET0Hargreaves;
    TYearSum ETcTotalPenmanMonteith;
    TYearSum ETcTotalModPenman;
    TYearSum ETcTotalHargreaves;
    TYearSum EffectiveRainfall;

    TAllData() = default;
    TAllData(const TAllData&) = delete;
    TAllData& operator=(const TAllData&) = delete;
};
