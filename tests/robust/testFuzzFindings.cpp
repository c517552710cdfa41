#include "calc/uCalculate.h"
#include "calc/uClimateNormals.h"
#include "calc/uReportModel.h"
#include "core/cError.h"
#include "core/cProgramFolder.h"
#include "core/cUserMessages.h"
#include "data/cAllData.h"
#include "data/cGeneral.h"
#include "support/CliRun.h"
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

// A NASA POWER header whose site lies off the Earth (the fuzzer changed a longitude to 260.8;
// a latitude of 91 or 1e300 was taken the same way and gave a negative radiation at the top of
// the atmosphere, or sunshine limits of no place). The import now stops at the header line.
TEST(FuzzFindings, ASiteOffTheEarthStopsTheClimateImportAtItsLine) {
    const std::string record = kFindings + "climate_record-longitude.csv";
    TGeneral general;
    general.Clear();
    try {
        ReadClimateForImport(record, {}, general);
        ADD_FAILURE() << "read";
    } catch (const TQueltaError& e) {
        EXPECT_STREQ(e.what(), "Line 4: 260.8333 is not a longitude (-180 to 180)");
    }
    TTempDir dir;
    const TRun run = Cli({"climate", record, dir.File("out.mtf")});
    EXPECT_EQ(run.code, 1);
    EXPECT_EQ(run.err, "Error in procedure ImportClimateRecord: Line 4: 260.8333 is not a "
                       "longitude (-180 to 180)\n");
    EXPECT_FALSE(std::filesystem::exists(dir.File("out.mtf")));
}
