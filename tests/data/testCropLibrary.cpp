#include "core/cFileIO.h"
#include "data/cCropFactor.h"
#include "resources/cCropLibrary.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <stdexcept>

TEST(CropLibrary, RowsBecomeCropFactorsAsTheEditorStoresThem) {
    const auto crops =
        ParseCropLibrary("# comment\n"
                         "# Columns: ...\n"
                         "file,description,standard_kc,kc_ini,kc_mid,kc_end,"
                         "rooting_depth_m,L_ini,L_dev,L_mid,L_late\r\n"
                         "Maize.crp,Maize (grain),1,0.30,1.20,0.60,1.35,30,40,50,30\n"
                         "Rice.crp,Rice (paddy),0,1.05,1.20,0.75,0.75,30,30,60,30\n");
    ASSERT_EQ(crops.size(), 2u);
    const TCropFactor& maize = crops[0].Crop;
    EXPECT_EQ(crops[0].FileName, "Maize.crp");
    EXPECT_EQ(maize.Description, "Maize (grain)");
    EXPECT_TRUE(maize.StandardKc);
    EXPECT_EQ(maize.Kc1[0], 0.30);
    EXPECT_DOUBLE_EQ(maize.Kc2[0], 0.75);
    EXPECT_EQ(maize.Kc3, (std::array<double, 2>{1.2, 1.2}));
    EXPECT_EQ(maize.Kc4, (std::array<double, 2>{0.6, 0.6}));
    EXPECT_EQ(maize.RootingDepth, 1.35);
    EXPECT_EQ(maize.GrowingPeriod(), 150);
    EXPECT_FALSE(crops[1].Crop.StandardKc);
}

TEST(CropLibrary, MalformedTablesNameTheLine) {
    const std::string header = "file,description,standard_kc,kc_ini,kc_mid,kc_end,"
                               "rooting_depth_m,L_ini,L_dev,L_mid,L_late\n";
    EXPECT_THROW(ParseCropLibrary("file,description\n"), std::runtime_error);
    try {
        ParseCropLibrary(header + "Maize.crp,Maize,1,0.3,1.2,0.6,1.35,30,40,50\n");
        FAIL() << "a short row was accepted";
    } catch (const std::runtime_error& e) {
        EXPECT_EQ(std::string(e.what()), "crops.csv line 2: 11 fields expected, 10 found");
    }
    EXPECT_THROW(ParseCropLibrary(header + "Maize.crp,Maize,1,x,1.2,0.6,1.35,30,40,50,30\n"),
                 std::runtime_error);
}

// The build wrote the supplied crop files beside both programs, from the table in resources/.
TEST(CropLibrary, BuildWroteEveryRowBesideBothPrograms) {
    const auto crops =
        ParseCropLibrary(ReadFileBytes(std::string(QUELTA_SOURCE_DIR) + "/resources/crops.csv"));
    ASSERT_GE(crops.size(), 20u);
    for (const char* program : {"/app/Crop/", "/cli/Crop/"}) {
        for (const auto& row : crops) {
            const std::string path = std::string(QUELTA_BINARY_DIR) + program + row.FileName;
            TCropFactor loaded;
            ASSERT_TRUE(loaded.Load(path)) << path;
            EXPECT_EQ(loaded.Description, row.Crop.Description);
            EXPECT_EQ(loaded.StandardKc, row.Crop.StandardKc);
            EXPECT_EQ(loaded.Kc1[0], row.Crop.Kc1[0]);
            EXPECT_EQ(loaded.Kc3, row.Crop.Kc3);
            EXPECT_EQ(loaded.StageLength, row.Crop.StageLength);
        }
    }
}
