#include "calc/uCropPatternRules.h"
#include "core/cGuiSettings.h"
#include "core/cUserMessages.h"
#include "data/cAllData.h"
#include "support/TestProject.h"

#include <gtest/gtest.h>

namespace {

TCropPatternLine Crop(const std::string& file, double area, int plantingDay,
                      std::array<int, 4> stages) {
    TCropPatternLine line;
    line.FileName = file;
    line.CropFileName = file;
    line.Description = "A crop";
    line.Kc1 = {0.4, 0};
    line.Kc3 = {1.15, 1.15};
    line.Kc4 = {0.6, 0.6};
    line.RootingDepth = 1.2;
    line.StageLength = stages;
    line.Area = area;
    line.PlantingDay = plantingDay;
    return line;
}

// Area on days first..last (1-based, inclusive), 0 elsewhere.
TDailyArea AreaOn(int first, int last, double area) {
    TDailyArea daily{};
    for (int d = first; d <= last; ++d)
        daily[d - 1] = area;
    return daily;
}

const std::string kExceeds =
    "The cropped area exceeds the irrigable area in the following months:\r\r";

} // namespace

TEST(CropPatternRules, GridCellsHeaderFooterAndClipboardFollowTheUnits) {
    TGuiSettings units;
    TCropPattern pattern;
    pattern.AddCropLine() = Crop("C:\\QUELTA\\CROP\\MAIZE.CRP", 60, 152, {30, 40, 60, 30});
    pattern.AddCropLine() = Crop("/home/user/Crop/Beans.udc", 12.25, 365, {20, 20, 30, 10});
    // The clipboard body is the header, the captions, the grid's rows and the footer.
    EXPECT_EQ(PatternClipboardBody(pattern, units),
              (std::vector<std::string>{
                  "\tCropped\tGrowing\tPlanting\t\t",
                  "Crop\tarea (ha)\tperiod (days)\tmonth/day\tDescription of the crop\t",
                  "MAIZE.CRP\t60.0\t160\tJune / 1\tA crop\t",
                  "Beans.udc\t12.3\t80\tDecember / 31\tA crop\t", "Total\t72.3\t"}));

    units.AreaUnit = 1;
    EXPECT_EQ(PatternGridCaptions(units)[1], "area (ac)");
    EXPECT_EQ(PatternGridRow(pattern.GetCropLine(1), units)[1], "148.2");
    EXPECT_EQ(FormatPatternKc(0.125), "0.13");
}

TEST(CropPatternRules, PlantingDatesStayWithinTheMonth) {
    EXPECT_EQ(LastDayOfPlantingMonth(2), 28); // no leap years
    EXPECT_EQ(LastDayOfPlantingMonth(4), 30);
    EXPECT_EQ(LastDayOfPlantingMonth(0), 31); // no month chosen: January
    EXPECT_EQ(DayInPlantingMonth(2, 30), 28);
    EXPECT_EQ(DayInPlantingMonth(2, 0), 1);
    EXPECT_EQ(DayInPlantingMonth(7, 31), 31);
    EXPECT_EQ(PlantingDayOf(6, 1), 152);
    EXPECT_EQ(PlantingDayOf(0, 15), 15);
    EXPECT_EQ(PlantingDayOf(12, 31), 365);
    EXPECT_EQ(PlantingDayOf(2, 31), 59);
}

TEST(CropPatternRules, TheDailyAreaComesFromTheCalculatedCropCoefficients) {
    TAllData data;
    LoadValidProject(data);
    data.CropPattern.AddCropLine() = Crop("a.udc", 60, 121, {20, 30, 50, 23}); // May..August
    data.CropPattern.AddCropLine() = Crop("b.udc", 25, 300, {30, 40, 30, 20}); // over new year
    const TDailyArea daily = CalcPatternDailyArea(data);
    EXPECT_EQ(daily[120 - 1], 0);
    EXPECT_EQ(daily[121 - 1], 60);
    EXPECT_EQ(daily[243 - 1], 60);
    EXPECT_EQ(daily[244 - 1], 0);
    EXPECT_EQ(daily[300 - 1], 25);
    EXPECT_EQ(daily[365 - 1], 25);
    EXPECT_EQ(daily[54 - 1], 25);
    EXPECT_EQ(daily[55 - 1], 0);
    EXPECT_GT(data.ETcTotalPenmanMonteith.GetDay(150), 0);
    EXPECT_EQ(daily, DailyCroppedArea(data.CropPattern));
}

TEST(CropPatternRules, AnEditedCropIsCheckedAgainstTheOtherCropsOnly) {
    TMessageRecorder messages;
    TGuiSettings units;
    // 60 ha of other crops all year and the edited crop's 40 ha from 1 May, 100 ha irrigable.
    TCropPattern pattern;
    pattern.AddCropLine() = Crop("other.udc", 60, 1, {100, 100, 100, 65});
    pattern.AddCropLine() = Crop("crop.udc", 40, 121, {30, 40, 30, 20});
    TAllData data;
    LoadValidProject(data);
    data.CropPattern = pattern;
    const TDailyArea all = CalcPatternDailyArea(data);
    EXPECT_EQ(all[150 - 1], 100);
    const TDailyArea others = DailyAreaWithoutLine(all, data.CropPattern, 2);
    EXPECT_EQ(others, AreaOn(1, 365, 60));

    TCropPatternLine line = data.CropPattern.GetCropLine(2);
    EXPECT_EQ(SaveCropToPattern(line, false, 45, 121, others, 100, units),
              TCropRefusal::AreaExceeded);
    EXPECT_EQ(messages.Texts()[0].substr(kExceeds.size(), 24), "May       with \t5 (ha)\rJ");
    EXPECT_EQ(line.Area, 40); // the old area and day come back
    EXPECT_EQ(line.PlantingDay, 121);
    messages.Clear();
    EXPECT_EQ(SaveCropToPattern(line, false, 40, 305, others, 100, units), TCropRefusal::None);
    EXPECT_EQ(line.PlantingDay, 305);
    // Moved into a season already full: refused, though its old days would have room.
    TDailyArea fullInWinter = others;
    for (int d = 305; d <= 365; ++d)
        fullInWinter[d - 1] = 80;
    line.PlantingDay = 121;
    EXPECT_EQ(SaveCropToPattern(line, false, 40, 305, fullInWinter, 100, units),
              TCropRefusal::AreaExceeded);
    EXPECT_NE(messages.Texts().back().find("November  with \t20 (ha)\r"), std::string::npos);
    // Acres: the excess is written in the area unit.
    units.AreaUnit = 1;
    EXPECT_EQ(SaveCropToPattern(line, false, 50, 121, others, 100, units),
              TCropRefusal::AreaExceeded);
    EXPECT_NE(messages.Texts().back().find("May       with \t24.7 (ac)\r"), std::string::npos);
}

TEST(CropPatternRules, ACropWithoutAreaOrCropFileIsRefusedFirst) {
    TMessageRecorder messages;
    TGuiSettings units;
    const TDailyArea pattern{};
    TCropPatternLine line = Crop("crop.udc", 0, 0, {30, 40, 30, 20});
    EXPECT_EQ(SaveCropToPattern(line, true, 0, 10, pattern, 100, units), TCropRefusal::NoArea);
    line.FileName.clear();
    EXPECT_EQ(SaveCropToPattern(line, true, 20, 10, pattern, 100, units), TCropRefusal::NoCropFile);
    EXPECT_EQ(messages.Texts(),
              (std::vector<std::string>{"Area must be > 0", "Load a Crop Factor file first"}));
    EXPECT_EQ(messages.Messages()[0].Kind, TMessageKind::Warning);
    EXPECT_EQ(messages.Messages()[1].Kind, TMessageKind::Warning);
}

TEST(CropPatternRules, ASeasonOverTheYearEndWrapsToJanuary) {
    TGuiSettings units;
    const TAreaCheck check = CropDialogAreaCheck(TDailyArea{}, 150, 300, 120, 100, units);
    // Days 300..365 and 1..54: January, February, then October from day 300 on.
    ASSERT_EQ(check.Months.size(), 5u);
    EXPECT_EQ(check.Months[0].Month, 1);
    EXPECT_EQ(check.Months[0].FirstDay, 1);
    EXPECT_EQ(check.Months[1].Month, 2);
    EXPECT_EQ(check.Months[2].Month, 10);
    EXPECT_EQ(check.Months[2].FirstDay, 300);
    EXPECT_EQ(check.Months[4].Month, 12);
    // The last day in the field is 54.
    const TAreaCheck lastDay = CropDialogAreaCheck(AreaOn(54, 54, 100), 1, 300, 120, 100, units);
    ASSERT_EQ(lastDay.Months.size(), 1u);
    EXPECT_EQ(lastDay.Months[0].FirstDay, 54);
    EXPECT_FALSE(CropDialogAreaCheck(AreaOn(55, 55, 100), 1, 300, 120, 100, units).Exceeded);
    EXPECT_EQ(CropDialogAreaCheck(TDailyArea{}, 150, 300, 120, 150, units).Exceeded, false);
}
