#include "FuzzSupport.h"
#include "calc/uReportModel.h"
#include "core/cError.h"
#include "core/cProgramFolder.h"
#include "data/cAllData.h"
#include "support/TestProject.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>

// The pattern file as a user opens it, from a folder whose program Crop folder holds Maize.crp
// and Rice.udc; a pattern that loads goes through the whole water requirements report.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static TSilentMessages silent;
    static TAllData* project = [] {
        SetProgramFolder(FuzzFolder());
        std::filesystem::create_directories(FuzzFolder() + "/Crop");
        TCropFactor crop;
        FillMaize(crop);
        crop.Save(FuzzFolder() + "/Crop/Maize.crp");
        FillRice(crop);
        crop.Save(FuzzFolder() + "/Crop/Rice.udc");
        auto* p = new TAllData;
        LoadValidProject(*p);
        return p;
    }();
    static const std::string file = FuzzFolder() + "/fuzz.pat";
    std::ofstream(file, std::ios::binary | std::ios::trunc).write(AsBytes(data, size).data(), size);
    TCropPattern& pattern = project->CropPattern;
    pattern.Clear();
    pattern.KcFallow = 0.25;
    pattern.AddCropLine().Area = 3;
    PatternCropsFound = true;
    if (!pattern.Load(file)) {
        // A refused file leaves the pattern exactly as it was.
        if (pattern.KcFallow != 0.25 || pattern.Count() != 1 || pattern.GetCropLine(1).Area != 3)
            std::abort();
        return 0;
    }
    if (pattern.Count() > TCropPattern::kMaxCrops)
        std::abort();
    if (!PatternCropsFound)
        return 0; // the editor empties such a pattern
    TReportModel report(*project);
    try {
        report.OpenReport();
        for (TReportTableKind kind : report.AvailableTables())
            report.ShowTable(kind);
        report.TextReport();
    } catch (const TQueltaError&) {
    }
    report.CloseReport();
    return 0;
}
