#include "FuzzSupport.h"
#include "core/cValueStream.h"
#include "data/cStrategy.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static TSilentMessages silent;
    TStrategy strategy;
    strategy.Clear();
    strategy.ETaGross.Fill(7); // a version 0 file keeps it
    TValueReader reader(AsBytes(data, size));
    if (!strategy.ReadData(reader)) {
        // A refused file leaves the record exactly as it was.
        if (strategy.DFcrit != 0.6 || !strategy.SoilType.empty() ||
            strategy.DFUser.GetDay(1) != 0 || strategy.ETaGross.GetDay(365) != 7)
            std::abort();
        return 0;
    }
    // What was read writes back and reads again to the same record (compared as written, since a
    // NaN read is never equal to itself).
    TValueWriter writer;
    strategy.WriteData(writer);
    TStrategy again;
    TValueReader back(writer.Bytes());
    TValueWriter rewriter;
    if (!again.ReadData(back))
        std::abort();
    again.WriteData(rewriter);
    if (rewriter.Bytes() != writer.Bytes())
        std::abort();
    return 0;
}
