#include "FuzzSupport.h"
#include "core/cValueStream.h"
#include "data/cGeneral.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static TSilentMessages silent;
    TGeneral general;
    general.Clear();
    const TGeneral before = general;
    TValueReader reader(AsBytes(data, size));
    if (!general.ReadData(reader)) {
        // A refused file leaves the record exactly as it was.
        if (general.Country != before.Country || general.CalcPeriod != before.CalcPeriod ||
            general.FixedPercent != before.FixedPercent)
            std::abort();
        return 0;
    }
    // What was read writes back and reads again to the same record.
    TValueWriter writer;
    general.WriteData(writer);
    TGeneral again;
    TValueReader back(writer.Bytes());
    if (!again.ReadData(back) || again.Country != general.Country ||
        again.Region != general.Region || again.ApplInterval != general.ApplInterval)
        std::abort();
    return 0;
}
