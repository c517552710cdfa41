#include "calc/uActionChecks.h"
#include "calc/uMeteoRanges.h"
#include "calc/uReferenceET.h"
#include "core/cUserMessages.h"
#include "data/cAllData.h"
#include "support/TestProject.h"

#include <gtest/gtest.h>

namespace {

const std::string kGeneralFile = "Load a General data file or save a new General data file first";
const std::string kMeteoFile = "Load a Meteo file or save a new Meteo file first";
const std::string kGeneralRange =
    "One or more general data are missing or some values are out of range";
const std::string kMeteoRange =
    "One or more meteo data are missing or some values are out of range";

class ActionChecks : public ::testing::Test {
protected:
    TMessageRecorder messages;
    TAllData data;
    void SetUp() override { LoadValidProject(data); }
};

} // namespace

TEST_F(ActionChecks, AValidProjectPassesEveryCheckSilently) {
    EXPECT_TRUE(CheckCropPatternAction(data, ValidateMeteoRecord));
    EXPECT_TRUE(CheckReportAction(data, ValidateMeteoRecord));
    EXPECT_TRUE(CheckStrategyAction(data, ValidateMeteoRecord));
    EXPECT_TRUE(messages.Messages().empty());
    EXPECT_TRUE(data.Meteo.DataValid);
}

TEST_F(ActionChecks, AMissingGeneralFileIsTheOnlyMessageEvenWithoutMeteo) {
    data.General.FileName.clear();
    data.Meteo.FileName.clear();
    for (auto check : {CheckCropPatternAction, CheckReportAction, CheckStrategyAction}) {
        messages.Clear();
        EXPECT_FALSE(check(data, ValidateMeteoRecord));
        EXPECT_EQ(messages.Texts(), std::vector<std::string>{kGeneralFile});
        EXPECT_EQ(messages.Messages()[0].Kind, TMessageKind::Information);
    }
}

TEST_F(ActionChecks, AMissingMeteoFileComesNextAndValidatesNothing) {
    data.Meteo.FileName.clear();
    int validations = 0;
    const TValidateMeteo counting = [&validations](TAllData&) { ++validations; };
    EXPECT_FALSE(CheckReportAction(data, counting));
    EXPECT_FALSE(CheckCropPatternAction(data, counting));
    EXPECT_EQ(messages.Texts(), (std::vector<std::string>{kMeteoFile, kMeteoFile}));
    EXPECT_EQ(validations, 0);
}

TEST_F(ActionChecks, TheStrategyAsksForAPatternBeforeAnyRangeCheck) {
    data.CropPattern.FileName.clear();
    data.General.DataValid = false;
    int validations = 0;
    EXPECT_FALSE(CheckStrategyAction(data, [&validations](TAllData&) { ++validations; }));
    EXPECT_EQ(messages.Texts(),
              std::vector<std::string>{
                  "Load a Cropping pattern file or save new Cropping Pattern file first"});
    EXPECT_EQ(messages.Messages()[0].Kind, TMessageKind::Information);
    EXPECT_EQ(validations, 0);
    messages.Clear();
    EXPECT_FALSE(CheckReportAction(data, ValidateMeteoRecord)); // the report needs no pattern
    EXPECT_EQ(messages.Texts(), std::vector<std::string>{kGeneralRange});
}

TEST_F(ActionChecks, MeteoOutOfRangeIsAnErrorForTheReport) {
    data.Meteo.Tmax.Fill(60);
    EXPECT_FALSE(CheckReportAction(data, ValidateMeteoRecord));
    // The second line names the first value out of range.
    EXPECT_EQ(messages.Texts(),
              std::vector<std::string>{kMeteoRange + "\rTmax, Jan (1): 60.0 (Range: -50 <= "
                                                     "Temperature <= 55 and Tmin < Tmax °C)"});
    EXPECT_EQ(messages.Messages()[0].Kind, TMessageKind::Error);
    EXPECT_FALSE(data.Meteo.DataValid);
}

TEST_F(ActionChecks, GeneralRangeIsReportedBeforeMeteoRangeButAfterValidating) {
    data.General.DataValid = false;
    data.Meteo.Tmax.Fill(60);
    data.Meteo.DataValid = true;
    EXPECT_FALSE(CheckStrategyAction(data, ValidateMeteoRecord));
    EXPECT_EQ(messages.Texts(), std::vector<std::string>{kGeneralRange});
    EXPECT_FALSE(data.Meteo.DataValid); // the meteo check ran first
}

TEST_F(ActionChecks, ThePatternEditorDoesNotLookAtTheGeneralRanges) {
    data.General.DataValid = false;
    EXPECT_TRUE(CheckCropPatternAction(data, ValidateMeteoRecord));
    EXPECT_TRUE(messages.Messages().empty());
    data.Meteo.RHmax.Fill(50); // below RHmean
    EXPECT_FALSE(CheckCropPatternAction(data, ValidateMeteoRecord));
    ASSERT_EQ(messages.Texts().size(), 1u);
    EXPECT_EQ(messages.Texts()[0].rfind(kMeteoRange + "\rRHmax, Jan (1): 50.0", 0), 0u);
}

TEST_F(ActionChecks, TheGeneralMessageNamesItsFirstValueOutOfRangeIfThereIsOne) {
    const TValidateMeteo valid = [](TAllData& d) { d.Meteo.DataValid = true; };
    // Invalid, yet every value in range (as a field left without a number): the text alone.
    data.General.DataValid = false;
    EXPECT_FALSE(CheckReportAction(data, valid));
    EXPECT_EQ(messages.Texts(), std::vector<std::string>{kGeneralRange});
    messages.Clear();
    data.General.IrrigableArea = data.General.GrossArea + 1;
    EXPECT_FALSE(CheckReportAction(data, valid));
    ASSERT_EQ(messages.Texts().size(), 1u);
    EXPECT_EQ(messages.Texts()[0].rfind(kGeneralRange + "\rSize of irrigable area: ", 0), 0u);
}

TEST_F(ActionChecks, TheInstalledMeteoCheckDecides) {
    const TValidateMeteo editorSaysInvalid = [](TAllData& d) { d.Meteo.DataValid = false; };
    EXPECT_FALSE(CheckCropPatternAction(data, editorSaysInvalid));
    EXPECT_EQ(messages.Texts(), std::vector<std::string>{kMeteoRange});
}

TEST(MeteoRanges, TheSunshineDayOfARowFollowsTheGeneralPeriod) {
    EXPECT_EQ(SunshineDay("Day", 80, 1), 80);
    EXPECT_EQ(SunshineDay("Week", 1, 7), 3);
    EXPECT_EQ(SunshineDay("Month", 1, 0), 15);
    EXPECT_EQ(SunshineDay("Month", 3, 0), 74);
    EXPECT_EQ(SunshineDay("10 days", 2, 10), 16);
    // Week 53's middle lies in the next year: its sunshine is that of 2 January.
    EXPECT_EQ(SunshineDay("Week", 53, 7), 367);
    TGeneral site;
    site.Latitude = 37.25;
    site.Hemisphere = "North";
    EXPECT_EQ(CalcMaxSunshine(site, 367), CalcMaxSunshine(site, 2));
}

TEST_F(ActionChecks, TheRecordCheckReadsValuesAsShownAndChecksSunshineAndWindHeight) {
    data.Meteo.Tmax.Fill(55.04); // shows as 55.0
    ValidateMeteoRecord(data);
    EXPECT_TRUE(data.Meteo.DataValid);
    data.Meteo.Sunshine.Fill(14); // longer than a December day at 30 degrees North
    ValidateMeteoRecord(data);
    EXPECT_FALSE(data.Meteo.DataValid);
    data.Meteo.Sunshine.Fill(9);
    data.Meteo.WindHeight = 0.4;
    ValidateMeteoRecord(data);
    EXPECT_FALSE(data.Meteo.DataValid);
    // The cell rules at their bounds are proved through the meteo grid's texts.
    EXPECT_TRUE(WindHeightInRange(0.5));
    EXPECT_TRUE(WindHeightInRange(15));
    EXPECT_FALSE(WindHeightInRange(15.01));
}

TEST_F(ActionChecks, ARefusalSaysNothingUntilItIsShown) {
    // The menus ask first and speak later, once the menu is out of the way.
    data.General.DataValid = false;
    const std::optional<TActionRefusal> report = ReportActionRefusal(data, ValidateMeteoRecord);
    const std::optional<TActionRefusal> strategy = StrategyActionRefusal(data, ValidateMeteoRecord);
    EXPECT_TRUE(messages.Messages().empty());
    ASSERT_TRUE(report && strategy);
    EXPECT_EQ(report->Kind, TMessageKind::Error);
    EXPECT_EQ(report->Text, kGeneralRange);
    EXPECT_FALSE(ShowRefusal(report));
    EXPECT_EQ(messages.Texts(), std::vector<std::string>{kGeneralRange});
    EXPECT_EQ(messages.Messages()[0].Buttons, TMessageButtons::Ok);

    data.General.DataValid = true;
    EXPECT_FALSE(CropPatternActionRefusal(data, ValidateMeteoRecord).has_value());
    EXPECT_TRUE(ShowRefusal(std::nullopt));
    EXPECT_EQ(messages.Texts().size(), 1u);
}
