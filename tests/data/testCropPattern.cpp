#include "core/cGuiSettings.h"
#include "core/cProgramFolder.h"
#include "core/cUserMessages.h"
#include "core/cValueStream.h"
#include "data/cAreaCheck.h"
#include "data/cCropPattern.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

TCropFactor Crop(const std::string& description, int days) {
    TCropFactor c;
    c.Description = description;
    c.Kc1 = {0.4, 0};
    c.Kc3 = {1.1, 1.1};
    c.Kc4 = {0.6, 0.6};
    c.StageLength = {days / 4, days / 4, days / 4, days - 3 * (days / 4)};
    return c;
}

std::string Line(double area, int day, const std::string& file) {
    return StreamInt(0) + StreamFloat(area) + StreamInt(day) + StreamString(file);
}

std::string PatternFile(const std::vector<std::string>& lines) {
    std::string bytes = StreamInt(1) + StreamFloat(0.3) + StreamFloat(0.5) + Bytes({1});
    for (const auto& line : lines)
        bytes += line;
    return bytes + Bytes({0});
}

// Points the program folder at a test folder for the life of the object.
class TProgramFolderAt {
public:
    explicit TProgramFolderAt(const std::string& folder) { SetProgramFolder(folder); }
    ~TProgramFolderAt() { SetProgramFolder(""); }
};

// Marks line i as in the field (Kc > 0) on days first..last.
void InField(TCropPatternLine& line, int first, int last) {
    for (int d = first; d <= last; ++d)
        line.KcSeries.SetDay(d, 0.5);
}

} // namespace

TEST(CropPattern, LinesAreAddedDeletedAndSummed) {
    TCropPattern p;
    EXPECT_EQ(p.Version, 1);
    EXPECT_EQ(p.Count(), 0);
    for (double area : {10.0, 20.0, 30.0})
        p.AddCropLine().Area = area;
    TCropPatternLine* third = &p.GetCropLine(3);
    EXPECT_EQ(p.TotalArea(), 60);
    p.DeleteCropLine(2);
    ASSERT_EQ(p.Count(), 2);
    EXPECT_EQ(&p.GetCropLine(2), third); // lines keep their address
    EXPECT_EQ(p.GetCropLine(2).Area, 30);
    EXPECT_EQ(p.TotalArea(), 40);

    TCropPatternLine replacement;
    replacement.Area = 5;
    p.SetCropLine(1, replacement);
    EXPECT_EQ(p.TotalArea(), 35);

    // A copy holds its own lines.
    TCropPattern copy = p;
    copy.GetCropLine(1).Area = 100;
    EXPECT_EQ(p.GetCropLine(1).Area, 5);

    p.FileName = "a.pat";
    p.KcFallow = 0.3;
    p.ETFallow.SetDay(1, 2);
    p.Clear();
    EXPECT_EQ(p.Count(), 0);
    EXPECT_EQ(p.FileName, "");
    EXPECT_EQ(p.KcFallow, 0.3);
    EXPECT_EQ(p.ETFallow.GetDay(1), 2);
}

TEST(CropPattern, CroppedAreaCountsLinesWithKcAboveZero) {
    TCropPattern p;
    TCropPatternLine& a = p.AddCropLine();
    a.Area = 60;
    InField(a, 121, 151); // May
    TCropPatternLine& b = p.AddCropLine();
    b.Area = 40;
    InField(b, 140, 170);
    EXPECT_EQ(p.CroppedAreaInPeriod(5, 0), 100); // month 5
    EXPECT_EQ(p.CroppedAreaInPeriod(7, 0), 0);
    EXPECT_EQ(p.CroppedAreaInPeriod(121, 1), 60);
    EXPECT_EQ(p.CroppedAreaInPeriod(145, 1), 100);
    EXPECT_EQ(p.CroppedAreaOfLine(2, 6, 0), 40);
    EXPECT_EQ(p.CroppedAreaOfLine(1, 6, 0), 0);
}

TEST(CropPattern, CropNameIsTheFileNameWithoutExtension) {
    TCropPatternLine line;
    line.CropFileName = "C:\\QUELTA\\CROP\\Maize.udc";
    EXPECT_EQ(line.CropName(), "Maize");
    line.CropFileName = "/home/u/Crop/Wheat.crp";
    EXPECT_EQ(line.CropName(), "Wheat");
}

TEST(CropPattern, SavesAndLoadsLinesWithTheirCropData) {
    TTempDir dir;
    Crop("Maize", 120).Save(dir.File("Maize.udc"));
    Crop("Wheat", 100).Save(dir.File("Wheat.crp"));
    TCropPattern p;
    p.KcFallow = 0.3;
    p.KcPermanent = 0.5;
    TCropPatternLine& a = p.AddCropLine();
    a.Area = 60;
    a.PlantingDay = 300;
    a.CropFileName = dir.File("Maize.udc");
    TCropPatternLine& b = p.AddCropLine();
    b.Area = 40.5;
    b.PlantingDay = 1;
    b.CropFileName = dir.File("Wheat.crp");
    p.Save(dir.File("p.pat"));
    EXPECT_EQ(ReadBytes(dir.File("p.pat")), PatternFile({Line(60, 300, dir.File("Maize.udc")),
                                                         Line(40.5, 1, dir.File("Wheat.crp"))}));

    TMessageRecorder messages;
    TCropPattern back;
    back.AddCropLine(); // the lines held before are replaced
    ASSERT_TRUE(back.Load(dir.File("p.pat")));
    EXPECT_TRUE(messages.Messages().empty());
    EXPECT_EQ(back.FileName, dir.File("p.pat"));
    EXPECT_EQ(back.KcPermanent, 0.5);
    ASSERT_EQ(back.Count(), 2);
    EXPECT_EQ(back.GetCropLine(1).Description, "Maize");
    EXPECT_EQ(back.GetCropLine(1).FileName, dir.File("Maize.udc"));
    EXPECT_EQ(back.GetCropLine(1).GrowingPeriod(), 120);
    EXPECT_EQ(back.GetCropLine(2).Area, 40.5);
    EXPECT_EQ(back.GetCropLine(2).Description, "Wheat");
}

TEST(CropPattern, Version0HasNoKcValues) {
    TTempDir dir;
    WriteBytes(dir.File("v0.pat"), StreamInt(0) + Bytes({1, 0}));
    TCropPattern p;
    p.KcFallow = 0.7;
    p.KcPermanent = 0.8;
    ASSERT_TRUE(p.Load(dir.File("v0.pat")));
    EXPECT_EQ(p.KcFallow, 0);
    EXPECT_EQ(p.KcPermanent, 0);
    EXPECT_EQ(p.Count(), 0);
}

TEST(CropPattern, MovedCropFilesAreFoundInTheProgramsCropFolder) {
    TTempDir program, elsewhere;
    std::filesystem::create_directory(program.File("Crop"));
    Crop("Maize", 120).Save(program.File("Crop/maize.CRP"));
    TProgramFolderAt at(program.Path());
    WriteBytes(elsewhere.File("p.pat"),
               PatternFile({Line(60, 100, "C:\\QUELTA\\CROP\\MAIZE.crp")}));
    TMessageRecorder messages;
    PatternCropsFound = true;
    TCropPattern p;
    ASSERT_TRUE(p.Load(elsewhere.File("p.pat")));
    EXPECT_TRUE(messages.Messages().empty());
    EXPECT_TRUE(PatternCropsFound);
    EXPECT_EQ(p.GetCropLine(1).CropFileName, program.File("Crop/maize.CRP"));
    EXPECT_EQ(p.GetCropLine(1).Description, "Maize");
    p.Save(elsewhere.File("saved.pat"));
    EXPECT_EQ(ReadBytes(elsewhere.File("saved.pat")),
              PatternFile({Line(60, 100, program.File("Crop/maize.CRP"))}));
}

TEST(CropPattern, EachMissingCropFileGivesItsOwnMessage) {
    TTempDir program;
    std::filesystem::create_directory(program.File("Crop"));
    Crop("Maize", 120).Save(program.File("Crop/Maize.crp"));
    TProgramFolderAt at(program.Path());
    WriteBytes(program.File("p.pat"),
               PatternFile({Line(10, 1, "C:\\QUELTA\\CROP\\RICE.CRP"),
                            Line(20, 1, "/old/Maize.crp"), Line(30, 1, "D:\\Cotton.udc")}));
    TMessageRecorder messages;
    PatternCropsFound = true;
    TCropPattern p;
    ASSERT_TRUE(p.Load(program.File("p.pat")));
    EXPECT_FALSE(PatternCropsFound);
    const std::string folder = program.File("Crop");
    const auto missing = [&](const std::string& name) {
        return "Cannot load cropping pattern.\rCrop factor file " + name +
               " does not exist in the folder " + folder +
               "\r\rTo load the requested cropping pattern, please create/or copy the Crop "
               "factor file " +
               name + " to the folder " + folder;
    };
    EXPECT_EQ(messages.Texts(),
              (std::vector<std::string>{missing("RICE.CRP"), missing("Cotton.udc")}));
    ASSERT_EQ(p.Count(), 3); // the lines stay, with empty crop data
    EXPECT_EQ(p.GetCropLine(1).Description, "");
    EXPECT_EQ(p.GetCropLine(3).Area, 30);
    EXPECT_EQ(p.GetCropLine(2).Description, "Maize");
    PatternCropsFound = true;
}

TEST(CropPattern, MoreThan40CropsAreRefusedAndTheRecordKept) {
    TTempDir dir;
    Crop("Maize", 120).Save(dir.File("Maize.udc"));
    std::vector<std::string> lines(41, Line(1, 1, dir.File("Maize.udc")));
    WriteBytes(dir.File("41.pat"), PatternFile(lines));
    lines.pop_back();
    WriteBytes(dir.File("40.pat"), PatternFile(lines));
    TMessageRecorder messages;
    TCropPattern p;
    ASSERT_TRUE(p.Load(dir.File("40.pat")));
    EXPECT_EQ(p.Count(), 40);
    EXPECT_FALSE(p.Load(dir.File("41.pat")));
    EXPECT_EQ(messages.Texts(),
              std::vector<std::string>{
                  "Error in procedure ReadData: A cropping pattern holds at most 40 crops"});
    EXPECT_EQ(p.Count(), 40);
    EXPECT_EQ(p.FileName, dir.File("40.pat"));
}

TEST(AreaCheck, ListsEachExceedingMonthOnceWithItsFirstExcess) {
    TCropPattern p;
    for (int i = 0; i < 2; ++i) {
        TCropPatternLine& line = p.AddCropLine();
        line.Area = 60;
        InField(line, 125, 145); // May only
    }
    TGuiSettings metric;
    TAreaCheck check = AreaCheck(p, 100, metric);
    EXPECT_TRUE(check.Exceeded);
    ASSERT_EQ(check.Months.size(), 1u);
    EXPECT_EQ(check.Months[0].Month, 5);
    EXPECT_EQ(check.Months[0].FirstDay, 125);
    EXPECT_EQ(check.Months[0].Excess, 20);
    EXPECT_EQ(check.ListText, "May       with \t20 (ha)\r");
    EXPECT_EQ(AreaCheckMessage(check, TAreaCheckCaller::Report),
              "The cropped area exceeds the irrigable area in the following months:\r\r"
              "May       with \t20 (ha)\r\r\rTo calculate the crop water requirements adjust the "
              "cropping pattern.");
    EXPECT_EQ(AreaCheckMessage(check, TAreaCheckCaller::CropDialog),
              AreaCheckMessage(check, TAreaCheckCaller::Report));
    EXPECT_EQ(AreaCheckMessage(check, TAreaCheckCaller::Strategy),
              "The cropped area exceeds the irrigable area in the following months:\r\r"
              "May       with \t20 (ha)\r\r\rAdjust the cropping pattern before you can use the "
              "strategy option.");

    TGuiSettings acres;
    acres.AreaUnit = 1;
    EXPECT_EQ(AreaCheck(p, 100, acres).ListText, "May       with \t49.4 (ac)\r");

    // An area equal to the irrigable area is no excess.
    EXPECT_FALSE(AreaCheck(p, 120, metric).Exceeded);
    EXPECT_TRUE(AreaCheck(p, 120, metric).ListText.empty());
}

TEST(AreaCheck, MonthsInCalendarOrderWithTheFirstDaysExcess) {
    std::array<double, 365> area{};
    area[31] = 105;    // Feb 1
    area[40] = 150;    // later in February: not listed again
    area[364] = 101.5; // Dec 31
    area[0] = 100;     // equal: not listed
    TGuiSettings metric;
    TAreaCheck check = AreaCheckOfDailyArea(area, 100, metric);
    ASSERT_EQ(check.Months.size(), 2u);
    EXPECT_EQ(check.ListText, "February  with \t5 (ha)\rDecember  with \t1.5 (ha)\r");
}
