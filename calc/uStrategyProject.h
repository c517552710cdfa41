#pragma once

#include "calc/uStrategyTracks.h"

class TAllData;

// The project as the strategy tracks see it for one ET0 method (0 Penman-Monteith, 1 FAO
// Modified Penman, 2 Modified Hargreaves). Runs the reference and crop evapotranspiration of that
// method first, so crop coefficients, fallow and permanent ET and effective rainfall all belong
// to the same method; the effective rainfall is filled on demand from the container.
TStrategyProject StrategyProjectOf(TAllData& data, int method);
