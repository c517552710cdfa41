#include "core/cFileIO.h"
#include "core/cUserMessages.h"
#include "core/cValueStream.h"
#include "data/cSchedule.h"
#include "resources/cCropLibrary.h"
#include "resources/cSoilLibrary.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

namespace {

TSchedule Example() {
    TSchedule s;
    s.Clear();
    s.Soil.Description = "Clay loam, Vega";
    s.Soil.FieldCapacity = 0.32;
    s.Soil.WiltingPoint = 0.18;
    s.Soil.InfiltrationRate = 150;
    s.Soil.InitialDepletion = 25;
    s.CropFileName = "C:\\QUELTA\\CROP\\Maize.crp";
    s.PlantingDay = 105;
    s.DepletionFraction = 0.55;
    s.KySeason = 1.25;
    s.KyStage = {0.4, 0.4, 1.5, 0.2};
    s.Timing = TScheduleTiming::DepletionDepth;
    s.TimingDepletion = 65;
    s.Application = TScheduleApplication::RefillLessRoom;
    s.RoomForRain = 12.5;
    s.Efficiency = 65;
    return s;
}

std::string Stored(const TSchedule& s) {
    TValueWriter w;
    s.WriteData(w);
    return w.Bytes();
}

} // namespace

TEST(Soil, AvailableWaterFollowsFieldCapacityAndWiltingPointOrIsGiven) {
    TSoil soil;
    soil.Clear();
    EXPECT_EQ(soil.Description, "Loam");
    EXPECT_DOUBLE_EQ(soil.AvailableWaterPerMetre(), 130);
    soil.AvailableWaterGiven = true;
    soil.AvailableWater = 95;
    EXPECT_EQ(soil.AvailableWaterPerMetre(), 95);
}

TEST(Schedule, FileKeepsEveryValueWithItsOwnSoilCopy) {
    TTempDir dir;
    const TSchedule s = Example();
    s.Save(dir.File("maize.sch"));
    TSchedule loaded;
    ASSERT_TRUE(loaded.Load(dir.File("maize.sch")));
    EXPECT_EQ(loaded.FileName, dir.File("maize.sch"));
    EXPECT_EQ(Stored(loaded), Stored(s));
    EXPECT_EQ(loaded.Soil.Description, "Clay loam, Vega");
    EXPECT_EQ(loaded.KyStage, s.KyStage);
    EXPECT_EQ(loaded.Timing, TScheduleTiming::DepletionDepth);
    EXPECT_EQ(loaded.Application, TScheduleApplication::RefillLessRoom);
    // Version, the soil with its own version, then the schedule's values.
    const std::string bytes = ReadBytes(dir.File("maize.sch"));
    EXPECT_EQ(bytes.substr(0, 4), Bytes({2, 1, 2, 1}));

    TSoil soil = s.Soil;
    soil.Save(dir.File("vega.soi"));
    TSoil loadedSoil;
    ASSERT_TRUE(loadedSoil.Load(dir.File("vega.soi")));
    EXPECT_EQ(loadedSoil.FieldCapacity, 0.32);
    EXPECT_EQ(loadedSoil.InitialDepletion, 25);
    const std::string soilBytes = ReadBytes(dir.File("vega.soi"));
    EXPECT_EQ(bytes.substr(2, soilBytes.size()), soilBytes);
}

TEST(Schedule, DamagedFilesAreReportedAndLoseNothing) {
    TTempDir dir;
    const std::string good = Stored(Example());
    struct TCase {
        const char* Name;
        std::string Bytes;
        const char* Message;
    };
    std::string badTiming = good;
    // The timing option follows the soil, the crop line, p, Ky and four stage values.
    TValueWriter head;
    TSchedule e = Example();
    head.WriteInteger(1);
    e.Soil.WriteData(head);
    head.WriteString(e.CropFileName);
    head.WriteInteger(e.PlantingDay);
    for (int i = 0; i < 6; ++i)
        head.WriteFloat(0);
    badTiming[head.Bytes().size() + 1] = 7;
    const TCase cases[] = {
        {"cut short", good.substr(0, good.size() - 5),
         "Error in procedure ReadData: Stream read error"},
        {"unknown timing", badTiming, "Error in procedure ReadData: Invalid property value"},
    };
    for (const TCase& c : cases) {
        WriteBytes(dir.File("bad.sch"), c.Bytes);
        TSchedule s = Example();
        s.FileName = "kept.sch";
        TMessageRecorder messages;
        EXPECT_FALSE(s.Load(dir.File("bad.sch"))) << c.Name;
        EXPECT_EQ(messages.Texts(), std::vector<std::string>{c.Message}) << c.Name;
        EXPECT_EQ(Stored(s), good) << c.Name;
        EXPECT_EQ(s.FileName, "kept.sch") << c.Name;
    }
}

TEST(SoilLibrary, RowsBecomeSoilsAndTheBuildWroteThemBesideBothPrograms) {
    const auto soils =
        ParseSoilLibrary("# comment\n"
                         "file,description,field_capacity,wilting_point,infiltration_mm_per_day,"
                         "infiltration_class\n"
                         "Loam.soi,Loam,0.25,0.12,360,loam\n");
    ASSERT_EQ(soils.size(), 1u);
    EXPECT_EQ(soils[0].FileName, "Loam.soi");
    EXPECT_EQ(soils[0].Soil.Description, "Loam");
    EXPECT_DOUBLE_EQ(soils[0].Soil.AvailableWaterPerMetre(), 130);
    EXPECT_EQ(soils[0].Soil.InfiltrationRate, 360);
    EXPECT_THROW(ParseSoilLibrary("file,description\n"), std::runtime_error);

    const auto library =
        ParseSoilLibrary(ReadFileBytes(std::string(QUELTA_SOURCE_DIR) + "/resources/soils.csv"));
    ASSERT_EQ(library.size(), 9u);
    for (const auto& row : library) {
        EXPECT_GT(row.Soil.FieldCapacity, row.Soil.WiltingPoint) << row.FileName;
        for (const char* program : {"/app/Soil/", "/cli/Soil/"}) {
            TSoil loaded;
            ASSERT_TRUE(loaded.Load(std::string(QUELTA_BINARY_DIR) + program + row.FileName));
            EXPECT_EQ(loaded.Description, row.Soil.Description);
            EXPECT_EQ(loaded.FieldCapacity, row.Soil.FieldCapacity);
            EXPECT_EQ(loaded.InfiltrationRate, row.Soil.InfiltrationRate);
        }
    }
}

TEST(CropLibrary, ResponseColumnsGiveTheSchedulingDefaults) {
    const std::string header = "file,description,standard_kc,kc_ini,kc_mid,kc_end,"
                               "rooting_depth_m,L_ini,L_dev,L_mid,L_late,p,ky_season,ky_ini,"
                               "ky_dev,ky_mid,ky_late\n";
    const auto crops =
        ParseCropLibrary(header + "Maize.crp,Maize,1,0.3,1.2,0.6,1.35,30,40,50,30,"
                                  "0.55,1.25,0.4,0.4,1.5,0.2\n"
                                  "Rice.crp,Rice,0,1.05,1.2,0.75,0.75,30,30,60,30,0.2,,,,,\n"
                                  "Yam.crp,Yam,0,0.5,1.1,0.95,0.8,30,60,90,40\n");
    ASSERT_EQ(crops.size(), 3u);
    EXPECT_EQ(crops[0].Response.DepletionFraction, 0.55);
    EXPECT_EQ(crops[0].Response.KySeason, 1.25);
    EXPECT_EQ(crops[0].Response.KyStage, (std::array<double, 4>{0.4, 0.4, 1.5, 0.2}));
    EXPECT_TRUE(crops[0].Response.PublishedP && crops[0].Response.PublishedKy);
    EXPECT_TRUE(crops[1].Response.PublishedP);
    EXPECT_FALSE(crops[1].Response.PublishedKy);
    EXPECT_EQ(crops[1].Response.KySeason, 1.0);
    // A row without the columns keeps the defaults.
    EXPECT_FALSE(crops[2].Response.PublishedP);
    EXPECT_EQ(crops[2].Response.DepletionFraction, 0.5);
    try {
        ParseCropLibrary(header + "Maize.crp,Maize,1,0.3,1.2,0.6,1.35,30,40,50,30,0.55\n");
        FAIL() << "a row of 12 fields was accepted";
    } catch (const std::runtime_error& e) {
        EXPECT_EQ(std::string(e.what()), "crops.csv line 2: 11 or 17 fields expected, 12 found");
    }

    // The table built into the program.
    const TCropResponse maize = CropResponseDefaults("/opt/quelta/Crop/MAIZE.CRP");
    EXPECT_TRUE(maize.PublishedP);
    EXPECT_EQ(maize.DepletionFraction, 0.55);
    EXPECT_EQ(maize.KySeason, 1.25);
    const TCropResponse own = CropResponseDefaults("/home/me/Crop/MyMaize.udc");
    EXPECT_FALSE(own.PublishedP || own.PublishedKy);
    EXPECT_EQ(own.DepletionFraction, 0.5);
    EXPECT_EQ(own.KySeason, 1.0);
}
