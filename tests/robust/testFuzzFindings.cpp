#include "calc/uCalculate.h"
#include "calc/uReportModel.h"
#include "core/cError.h"
#include "core/cProgramFolder.h"
#include "core/cUserMessages.h"
#include "data/cAllData.h"
#include "support/TestProject.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <filesystem>

// Inputs on which the fuzz targets crashed, kept as found (tests/data/fuzz): each now ends in a
// message for the user.

namespace {

const std::string kFindings = QUELTA_TEST_DATA "/fuzz/";

std::string CalcErrorOf(TAllData& data) {
    try {
        TReportModel report(data);
        report.OpenReport();
    } catch (const TCalcError& e) {
        return e.what();
    }
    return "no error";
}

} // namespace

TEST(FuzzFindings, StagesPastTheYearStopTheCalculationWithAMessage) {
    TAllData data;
    LoadValidProject(data);
    TCropPatternLine& line = data.CropPattern.AddCropLine();
    ASSERT_TRUE(line.Load(kFindings + "crop_factor-stage-lengths.udc"));
    line.CropFileName = "Odd.udc";
    line.Area = 10;
    line.PlantingDay = 100;
    EXPECT_EQ(CalcErrorOf(data), "The crop Odd needs a planting day from 1 to 365 and a growing "
                                 "period of at most 365 days");
}

TEST(FuzzFindings, PlantingDayPastTheYearStopsTheCalculationWithAMessage) {
    // The pattern names C:\QUELTA\CROP\MAIZE.CRP and Rice.udc, found in the program's Crop folder.
    TTempDir program;
    std::filesystem::create_directory(program.File("Crop"));
    TCropFactor crop;
    crop.Kc1 = {0.3, 0};
    crop.Kc3 = {1.2, 1.2};
    crop.Kc4 = {0.6, 0.6};
    crop.StageLength = {20, 35, 40, 30};
    crop.Save(program.File("Crop/Maize.crp"));
    crop.Save(program.File("Crop/Rice.udc"));
    SetProgramFolder(program.Path());
    TMessageRecorder messages;
    TAllData data;
    LoadValidProject(data);
    const bool loaded = data.CropPattern.Load(kFindings + "crop_pattern-planting-day.pat");
    SetProgramFolder("");
    ASSERT_TRUE(loaded);
    EXPECT_TRUE(messages.Texts().empty());
    EXPECT_EQ(data.CropPattern.GetCropLine(2).PlantingDay, 10796);
    EXPECT_EQ(CalcErrorOf(data), "The crop Rice needs a planting day from 1 to 365 and a growing "
                                 "period of at most 365 days");
}
