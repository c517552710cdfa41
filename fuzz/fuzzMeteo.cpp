#include "FuzzSupport.h"
#include "calc/uCalculate.h"
#include "core/cError.h"
#include "core/cValueStream.h"
#include "data/cAllData.h"

#include <cstdlib>

// The meteo reader, and the calculation on whatever numbers a file that reads holds: it ends
// normally or with a TCalcError, never out of its tables.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static TSilentMessages silent;
    static TAllData* project = [] {
        auto* p = new TAllData;
        p->General.Hemisphere = "North";
        p->General.Latitude = 37.25;
        p->General.Altitude = 340;
        return p;
    }();
    TMeteo& meteo = project->Meteo;
    meteo.Clear();
    meteo.Tmax.Fill(1); // something a refused file must leave in place
    TValueReader reader(AsBytes(data, size));
    if (!meteo.ReadData(reader)) {
        if (meteo.Tmax.GetDay(365) != 1 || meteo.WindHeight != 0)
            std::abort();
        return 0;
    }
    try {
        CalcET0(*project);
    } catch (const TCalcError&) {
    }
    return 0;
}
