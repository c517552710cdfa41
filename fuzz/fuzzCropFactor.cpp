#include "FuzzSupport.h"
#include "core/cValueStream.h"
#include "data/cCropFactor.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static TSilentMessages silent;
    TCropFactor crop;
    crop.Description = "before";
    crop.StageLength = {1, 2, 3, 4};
    TValueReader reader(AsBytes(data, size));
    if (!crop.ReadData(reader)) {
        // A refused file leaves the record exactly as it was.
        if (crop.Description != "before" || crop.GetStageLength(4) != 4 || crop.Kc3[0] != 0)
            std::abort();
        return 0;
    }
    // Computed entries never come from a file; what was read writes back and reads again alike.
    if (crop.Kc1[1] != 0 || crop.Kc2[1] != 0)
        std::abort();
    TValueWriter writer;
    crop.WriteData(writer);
    TCropFactor again;
    TValueReader back(writer.Bytes());
    if (!again.ReadData(back) || again.Description != crop.Description ||
        again.StandardKc != crop.StandardKc || again.StageLength != crop.StageLength ||
        back.Remaining() != 0)
        std::abort();
    return 0;
}
