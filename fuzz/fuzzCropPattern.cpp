#include "FuzzSupport.h"
#include "core/cProgramFolder.h"
#include "core/cValueStream.h"
#include "data/cCropPattern.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static TSilentMessages silent;
    // Crop files named by the input are looked for in an empty program folder.
    static const bool folderSet = (SetProgramFolder(FuzzFolder()), true);
    (void)folderSet;
    TCropPattern pattern;
    pattern.KcFallow = 0.25;
    pattern.AddCropLine().Area = 3;
    TValueReader reader(AsBytes(data, size));
    if (!pattern.ReadData(reader)) {
        // A refused file leaves the pattern exactly as it was.
        if (pattern.KcFallow != 0.25 || pattern.Count() != 1 || pattern.GetCropLine(1).Area != 3)
            std::abort();
        return 0;
    }
    if (pattern.Count() > TCropPattern::kMaxCrops)
        std::abort();
    // What was read writes back and reads again to the same lines.
    TValueWriter writer;
    pattern.WriteData(writer);
    TCropPattern again;
    TValueReader back(writer.Bytes());
    if (!again.ReadData(back) || again.Count() != pattern.Count())
        std::abort();
    for (int i = 1; i <= pattern.Count(); ++i)
        if (again.GetCropLine(i).PlantingDay != pattern.GetCropLine(i).PlantingDay)
            std::abort();
    return 0;
}
