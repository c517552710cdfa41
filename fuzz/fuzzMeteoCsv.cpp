#include "FuzzSupport.h"
#include "core/cError.h"
#include "data/cMeteo.h"
#include "data/cMeteoCsv.h"

#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static TSilentMessages silent;
    TMeteo meteo;
    for (TYearData* series : meteo.Series())
        series->Fill(3);
    const TMeteo before = meteo;
    const std::string text(AsBytes(data, size));
    // Monthly rows, or weeks when the table has 52 of them.
    try {
        ImportMeteoCsv(text, 7, 52, meteo);
    } catch (const TQueltaError&) {
        // A refused table changes nothing.
        for (int s = 0; s < TMeteo::kSeriesCount; ++s)
            if (!(*meteo.Series()[s] == *before.Series()[s]))
                std::abort();
    }
    return 0;
}
