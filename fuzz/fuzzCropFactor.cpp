#include "FuzzSupport.h"
#include "calc/uCalculate.h"
#include "core/cError.h"
#include "core/cValueStream.h"
#include "data/cAllData.h"
#include "support/TestProject.h"

#include <cstdlib>

// The crop factor reader, and the crop curve and evapotranspiration of whatever crop a file that
// reads describes.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static TSilentMessages silent;
    static TAllData* project = [] {
        auto* p = new TAllData;
        LoadValidProject(*p);
        CalcET0(*p);
        p->CropPattern.AddCropLine();
        return p;
    }();
    TCropPatternLine& crop = project->CropPattern.GetCropLine(1);
    crop.Description = "before";
    crop.StageLength = {1, 2, 3, 4};
    TValueReader reader(AsBytes(data, size));
    if (!crop.TCropFactor::ReadData(reader)) {
        // A refused file leaves the record exactly as it was.
        if (crop.Description != "before" || crop.GetStageLength(4) != 4)
            std::abort();
        return 0;
    }
    // Computed entries never come from a file; what was read writes back and reads again alike.
    if (crop.Kc1[1] != 0 || crop.Kc2[1] != 0)
        std::abort();
    TValueWriter writer;
    crop.TCropFactor::WriteData(writer);
    TCropFactor again;
    TValueReader back(writer.Bytes());
    if (!again.ReadData(back) || again.Description != crop.Description ||
        again.StandardKc != crop.StandardKc || again.StageLength != crop.StageLength ||
        back.Remaining() != 0)
        std::abort();
    crop.Area = 10;
    crop.PlantingDay = 100;
    try {
        CalcAllCropsETc(*project, project->ET0PenmanMonteith, project->ETcTotalPenmanMonteith);
    } catch (const TCalcError&) {
    }
    return 0;
}
