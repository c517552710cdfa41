#include "calc/uStrategyClipboard.h"
#include "calc/uStrategyModel.h"
#include "calc/uStrategyReport.h"
#include "core/cGuiSettings.h"
#include "core/cUserMessages.h"
#include "data/cAllData.h"
#include "data/cStrategy.h"
#include "data/cStrategyRatios.h"
#include "support/StrategyTestProject.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

namespace {

struct StrategyModelTest : ::testing::Test {
    TGuiSettings settings;
    TStrategy strategy;
    TMessageRecorder messages;

    void SetUp() override {
        settings.SetPeriodKind(1);
        strategy.Clear();
    }
    // Field data: change of the table 0.2 - 0.4 DF at DFs 0.30, 0.35, ... with 100 mm ETa,gross.
    void FillFieldData() {
        for (int m = 1; m <= 12; ++m) {
            const double df = 0.25 + 0.05 * m;
            strategy.ETaGross.SetMonth(m, 100);
            // DF = 100 / (40 + x)  =>  x = 100 / df - 40 mm over 120 ha
            strategy.DivertedWater.SetMonth(m, (100 / df - 40) * 1200);
            strategy.ChangeGWTableData.SetMonth(m, 0.2 - 0.4 * df);
        }
    }
};

} // namespace

TEST_F(StrategyModelTest, NewStrategyShowsDefaultsInMonthsWhileTheModelLives) {
    {
        TStrategyModel model(strategy, settings, SmallProject, "SITE.GEN");
        EXPECT_EQ(settings.PeriodKind, 3);
        EXPECT_EQ(model.DataInput().Cell(2, 0), "Feb (2)");
        model.New();
        EXPECT_EQ(model.WaterBalance().DFsustainable, "0.6");
        EXPECT_EQ(model.WaterBalance().UpDownPosition, 60);
        EXPECT_TRUE(model.WaterBalance().FieldDataAvailable);
        EXPECT_EQ(model.GeneralFile(), "SITE.GEN");
        EXPECT_EQ(model.DataInput().Cell(5, DataInputColumn::DivertedWater), "");
        EXPECT_EQ(model.DataInput().Total[DataInputColumn::DivertedWater], "0");
        EXPECT_EQ(model.Comparison().Total[ComparisonColumn::VcET], "0");
        EXPECT_EQ(model.Soil().SoilIndex, -1);
        EXPECT_EQ(model.WaterBalanceStrategy().Headings[StrategyColumn::VcDF], "(m3/month)");
        EXPECT_EQ(model.WaterRequirement().Grid.Headings[WaterRequirementColumn::DepthGW], "(m)");
        EXPECT_FALSE(model.ReportEnabled());
    }
    EXPECT_EQ(settings.PeriodKind, 1);
    EXPECT_EQ(settings.PeriodLength, 1);
}

TEST_F(StrategyModelTest, FieldDataGiveDFCalcDFUserAndDFsustainable) {
    FillFieldData();
    TStrategyModel model(strategy, settings, SmallProject, "SITE.GEN");
    model.ShowRecord();
    EXPECT_EQ(model.DataInput().Cell(1, DataInputColumn::DFCalc), "0.30");
    EXPECT_EQ(model.DataInput().Cell(12, DataInputColumn::DFCalc), "0.85");
    EXPECT_EQ(model.DataInput().Cell(1, DataInputColumn::Precipitation), "40.0");
    EXPECT_EQ(model.DataInput().Total[DataInputColumn::Precipitation], "480.0");
    EXPECT_EQ(model.DataInput().Average[DataInputColumn::Precipitation], "40.0");
    EXPECT_DOUBLE_EQ(strategy.DFCalc.GetMonth(3), 0.40);
    // The user's DFs start as the calculated ones, once.
    EXPECT_EQ(strategy.DFUserInitialised, 1);
    EXPECT_EQ(model.WaterBalanceStrategy().Cell(3, StrategyColumn::DFUser), "0.40");
    EXPECT_TRUE(messages.Messages().empty());

    // The first refresh saw no calculated DFs yet; once the window is active it fits the line.
    model.Activate();
    EXPECT_EQ(model.WaterBalance().DFsustainable, "0.50");
    EXPECT_EQ(model.WaterBalance().UpDownPosition, 50);
    EXPECT_DOUBLE_EQ(strategy.DFcrit, 0.5);
    EXPECT_EQ(model.WaterBalance().Charts.GWTPoints.size(), 12u);
    EXPECT_DOUBLE_EQ(model.WaterBalance().Charts.GWTPoints[0].Y, 0.08);

    // The strategy columns: change 0.2 - 0.4 DF; Vc,DF = (100 / DF - 40) * 120 * 10.
    model.ShowPage(TStrategyPage::WaterBalanceStrategy);
    EXPECT_EQ(model.WaterBalanceStrategy().Cell(1, StrategyColumn::ChangeGWTable), "0.08");
    EXPECT_EQ(model.WaterBalanceStrategy().Cell(1, StrategyColumn::VcDF), "352000");
    EXPECT_DOUBLE_EQ(strategy.VcDF.GetMonth(1), 352000);
    EXPECT_NEAR(strategy.ChangeGWTableStrategy.GetMonth(1), 0.08, 1e-12);
    EXPECT_EQ(model.WaterBalanceStrategy().Average[StrategyColumn::DFUser], "0.58");
    // Sums and means the page does not make are left empty, not shown as 0.
    const TStrategyGrid& grid = model.WaterBalanceStrategy();
    EXPECT_EQ(grid.Total[StrategyColumn::DFUser], "");
    EXPECT_EQ(grid.Average[StrategyColumn::Precipitation], "");
    EXPECT_EQ(grid.Average[StrategyColumn::ChangeGWTable], "");
    EXPECT_EQ(grid.Total[StrategyColumn::Precipitation], "480.0");
}

TEST_F(StrategyModelTest, ChangedCalculatedDFIsOfferedToTheStrategy) {
    FillFieldData();
    TStrategyModel model(strategy, settings, SmallProject, "SITE.GEN");
    model.ShowRecord();
    // January's ETa,gross up from 100 to 110 mm: DF 0.30 -> 0.33.
    model.EditDataInputCell(1, DataInputColumn::ETaGross, "110");
    EXPECT_EQ(model.DataInput().Cell(1, DataInputColumn::DFCalc), "0.33");
    messages.Answer(TMessageAnswer::No);
    model.ShowPage(TStrategyPage::WaterBalanceStrategy);
    ASSERT_EQ(messages.Messages().size(), 1u);
    EXPECT_EQ(messages.Messages()[0].Kind, TMessageKind::Information);
    EXPECT_EQ(messages.Messages()[0].Buttons, TMessageButtons::YesNo);
    EXPECT_EQ(model.WaterBalanceStrategy().Cell(1, StrategyColumn::DFUser), "0.30");
    // Asked once: the snapshot now holds the new value.
    model.ShowPage(TStrategyPage::WaterBalanceStrategy);
    EXPECT_EQ(messages.Messages().size(), 1u);

    model.EditDataInputCell(2, DataInputColumn::ETaGross, "110");
    messages.Answer(TMessageAnswer::Yes);
    model.ShowPage(TStrategyPage::WaterBalanceStrategy);
    EXPECT_EQ(messages.Messages().size(), 2u);
    EXPECT_EQ(model.WaterBalanceStrategy().Cell(2, StrategyColumn::DFUser), "0.39");
    EXPECT_EQ(model.WaterBalanceStrategy().Cell(1, StrategyColumn::DFUser), "0.30");
}

TEST_F(StrategyModelTest, EntryChecks) {
    FillFieldData();
    TStrategyModel model(strategy, settings, SmallProject, "SITE.GEN");
    model.ShowRecord();
    model.EditUserDF(3, "1.2");
    model.EditUserDF(4, "1");
    model.EditDataInputCell(5, DataInputColumn::DivertedWater, "-5");
    model.EditDataInputCell(6, DataInputColumn::ChangeGWTable, "-0.05");
    EXPECT_EQ(messages.Texts(),
              (std::vector<std::string>{"Depleted fraction must be <= 1", "Invalid value"}));
    EXPECT_EQ(model.WaterBalanceStrategy().Cell(3, StrategyColumn::DFUser), "");
    EXPECT_EQ(strategy.DFUser.GetMonth(3), 0);
    EXPECT_EQ(strategy.DFUser.GetMonth(4), 1);
    EXPECT_EQ(strategy.DivertedWater.GetMonth(5), 0);
    EXPECT_NEAR(strategy.ChangeGWTableData.GetMonth(6), -0.05, 1e-15);
    EXPECT_TRUE(model.Modified());
}

TEST_F(StrategyModelTest, WithoutFieldDataTheUpDownSetsDFsustainable) {
    strategy.FieldDataAvailable = false;
    TStrategyModel model(strategy, settings, SmallProject, "SITE.GEN");
    model.ShowRecord();
    model.SetDFsustainablePosition(45);
    EXPECT_EQ(model.WaterBalance().DFsustainable, "0.45");
    EXPECT_DOUBLE_EQ(strategy.DFcrit, 0.45);
    EXPECT_TRUE(model.WaterBalance().Charts.FixedGWTAxis);
    EXPECT_DOUBLE_EQ(model.WaterBalance().Charts.GWTLine[0].Y, 0.15);

    for (int m = 1; m <= 12; ++m)
        model.EditUserDF(m, "0.75");
    // Change (0.45 - 0.75) / 3 = -0.10 m; ETp 5 mm a day over the 50 ha cropped, fallow 1 mm on
    // the other 50: ETp,irr = 93 mm in January; ETa = 93 * (1 + 0.625 * -0.3) = 75.5625;
    // Vc,DF = (ETa / 0.75 - 40) * 1000 + 15.5 * 20 * 10.
    EXPECT_EQ(model.WaterBalanceStrategy().Cell(1, StrategyColumn::ChangeGWTable), "-0.10");
    EXPECT_EQ(model.WaterBalanceStrategy().Cell(1, StrategyColumn::VcDF), "63850");
    EXPECT_EQ(model.WaterBalanceStrategy().Total[StrategyColumn::ChangeGWTable], "-1.20");
}

TEST_F(StrategyModelTest, UncheckingFieldDataAndAnsweringNo) {
    FillFieldData();
    TStrategyModel model(strategy, settings, SmallProject, "SITE.GEN");
    model.ShowRecord();
    messages.Answer(TMessageAnswer::No);
    model.SetFieldDataAvailable(false);
    EXPECT_EQ(messages.Texts(),
              std::vector<std::string>{"Any strategy data currently in memory will be cleared"});
    EXPECT_TRUE(model.WaterBalance().FieldDataAvailable);
    EXPECT_TRUE(strategy.FieldDataAvailable);
    EXPECT_EQ(strategy.ETaGross.GetMonth(7), 100);

    messages.Answer(TMessageAnswer::Yes);
    model.SetFieldDataAvailable(false);
    EXPECT_FALSE(strategy.FieldDataAvailable);
    EXPECT_EQ(strategy.ETaGross.GetMonth(7), 0);
    EXPECT_EQ(model.WaterBalance().DFsustainable, "0.6");
}

TEST_F(StrategyModelTest, SoilPageChoices) {
    TStrategyModel model(strategy, settings, SmallProject, "SITE.GEN");
    model.ShowRecord();
    model.ChooseFieldApplMethod(6);           // Level basin, paddy rice
    EXPECT_TRUE(messages.Messages().empty()); // the field showed 0.00
    EXPECT_EQ(model.Soil().RaRatio, "0.95");
    EXPECT_EQ(strategy.RaRatio, 0.95);
    EXPECT_EQ(strategy.FieldApplMethod, FieldApplMethods()[6]);

    model.EditRaRatio("0.80");
    messages.Answer(TMessageAnswer::No);
    model.ChooseFieldApplMethod(0);
    EXPECT_EQ(messages.Texts(), std::vector<std::string>{"Overwrite Ra ratio?"});
    EXPECT_EQ(strategy.RaRatio, 0.8);

    model.ChooseSoilType(0);
    EXPECT_EQ(model.Soil().CapillaryRise[2], "0.90");
    EXPECT_EQ(strategy.CapRise05, 1.25);
    EXPECT_EQ(strategy.SoilType, "Sand");
    model.ChooseUniformity(2);
    model.ChooseDeliveryPattern(1);
    EXPECT_EQ(model.Soil().DeliveryRatio, "0.79");
    EXPECT_EQ(strategy.DeliveryRatio, 0.79);
    EXPECT_EQ(strategy.ZValue, 0.67);
    model.ChooseFlowRegime(1);
    EXPECT_EQ(model.Soil().ConveyRatio, "0.60");
    EXPECT_EQ(strategy.ConveyRatio, 0.6);

    // Shown again from the record, the choices are found by their texts and values.
    model.ShowPage(TStrategyPage::Soil);
    EXPECT_EQ(model.Soil().FieldApplMethodIndex, 0);
    EXPECT_EQ(model.Soil().UniformityIndex, 2);
    EXPECT_EQ(model.Soil().DeliveryPatternIndex, 1);
    EXPECT_EQ(model.Soil().SoilIndex, 0);
}

TEST_F(StrategyModelTest, ETTrackAndComparison) {
    strategy.FieldDataAvailable = false;
    strategy.DFUserInitialised = 1;
    strategy.SoilType = "Sand";
    strategy.CapRise05 = 1.25;
    strategy.CapRise10 = 1.05;
    strategy.CapRise20 = 0.90;
    strategy.DepthGW1Jan = 3;
    strategy.RaRatio = 0.8;
    strategy.DeliveryRatio = 0.5;
    strategy.ConveyRatio = 1;
    for (int m = 1; m <= 12; ++m) {
        strategy.DFUser.SetMonth(m, 0.6);
        strategy.ETaIrrigated.SetMonth(m, 100);
    }
    TStrategyModel model(strategy, settings, SmallProject, "SITE.GEN");
    model.ShowRecord();
    EXPECT_TRUE(model.ReportEnabled());
    const auto& wr = model.WaterRequirement().Grid;
    EXPECT_EQ(wr.Cell(1, WaterRequirementColumn::ETp), "155.0");
    EXPECT_EQ(wr.Cell(1, WaterRequirementColumn::DepthGW), "3.00");
    EXPECT_EQ(wr.Cell(1, WaterRequirementColumn::GWContribution), "0.0");
    // (100 mm * 50 ha * 10 - 31 * 500 m3 of effective rain) / 0.4
    EXPECT_EQ(wr.Cell(1, WaterRequirementColumn::VcET), "86250");
    EXPECT_EQ(model.Comparison().Cell(1, ComparisonColumn::VcET), "86250");
    EXPECT_EQ(model.Comparison().Cell(1, ComparisonColumn::DFUser), "0.60");
    // Vc,DF = (93 / 0.6 - 40) * 1000 + 15.5 * 200 = 118100, more than Vc,ET at DFsust.
    EXPECT_EQ(model.Comparison().Cell(1, ComparisonColumn::VcDF), "118100");
    EXPECT_EQ(model.Comparison().Cell(1, ComparisonColumn::Remark), "Apply water more uniformly");
    // 12 * 125000 - 1250 * 365
    EXPECT_EQ(model.Comparison().Total[ComparisonColumn::VcET], "1043750");
    EXPECT_EQ(MonthValue(strategy.VcET, 1), 86250);

    // The report stands on what the comparison page shows.
    TReportBuilder report;
    ASSERT_TRUE(WriteStrategyReport({}, StrategyReportTexts(model), report));
    EXPECT_EQ(report.Lines()[18].Text, "Jan (1)   0.60      118100           86250            "
                                       "Apply water more uniformly" +
                                           std::string(26, ' '));
    EXPECT_EQ(report.Lines()[35].Text, "Jan (1)    118100        Water balance track");
    EXPECT_EQ(report.Lines()[51].Text, "DFsustainable - DFaverage = 0.6 - 0.60 = 0");
    EXPECT_EQ(report.Lines()[52].Text.substr(0, 34), "Volume of water to be drained: 0 -");

    // Another page takes the Report command away again.
    model.ShowPage(TStrategyPage::Soil);
    EXPECT_FALSE(model.ReportEnabled());

    // Another ET0 method brings other series; the record is shown again.
    model.SetMethod(2);
    EXPECT_EQ(model.InputETa().Cell(1, InputETaColumn::ETp), "186.0");
    EXPECT_EQ(model.Method(), 2);
}

TEST_F(StrategyModelTest, StoreFieldsAndOpen) {
    TTempDir dir;
    TStrategyModel model(strategy, settings, SmallProject, "SITE.GEN");
    model.ShowRecord();
    model.ChooseSoilType(3);
    model.StoreFields(dir.File("a.str"));
    EXPECT_EQ(strategy.GeneralFileName, "");
    EXPECT_EQ(strategy.FileName, dir.File("a.str"));
    model.New();
    model.EditRaRatio("0.7");
    EXPECT_TRUE(model.Modified());
    model.Save(dir.File("a.str"));
    EXPECT_FALSE(model.Modified());
    EXPECT_EQ(strategy.GeneralFileName, "SITE.GEN");
    EXPECT_TRUE(model.HasCrops());

    strategy.GeneralFileName = "OTHER.GEN";
    strategy.Save(dir.File("b.str"));
    messages.Answer(TMessageAnswer::Ok);
    ASSERT_TRUE(model.Open(dir.File("b.str")));
    EXPECT_EQ(messages.Texts(),
              std::vector<std::string>{
                  "This strategy file belongs to general file OTHER.GEN. Continue?"});
    // Going on shows the strategy as it is, with the general file it names.
    EXPECT_EQ(strategy.GeneralFileName, "OTHER.GEN");
    EXPECT_EQ(model.GeneralFile(), "OTHER.GEN");
    EXPECT_EQ(model.Soil().RaRatio, "0.70");
    messages.Answer(TMessageAnswer::Cancel);
    messages.Clear();
    ASSERT_TRUE(model.Open(dir.File("b.str")));
    EXPECT_EQ(strategy.GeneralFileName, "");
    ASSERT_TRUE(model.Open(dir.File("a.str")));
    EXPECT_EQ(messages.Messages().size(), 1u);
    EXPECT_EQ(model.GeneralFile(), "SITE.GEN");
}

TEST_F(StrategyModelTest, ClipboardTexts) {
    TStrategyModel model(strategy, settings, SmallProject, "SITE.GEN");
    model.New();
    EXPECT_EQ(StrategyClipboardText(model, TStrategyPage::WaterBalance, settings), "");
    const std::string grid =
        StrategyClipboardText(model, TStrategyPage::WaterBalanceStrategy, settings);
    EXPECT_EQ(grid.substr(0, grid.find("\r\n") + 2),
              "\tPrecipitation\tDepleted fraction (user)\tChange of GW table\t"
              "Irrigation water req. (Vd,DF)\t\r\n");
    EXPECT_NE(grid.find("Month\t(mm/month)\t(-)\t(m/month)\t(m3/month)\t\r\n"), std::string::npos);
    EXPECT_NE(grid.find("Jan (1)\t\t\t\t\t\r\n"), std::string::npos);
    EXPECT_NE(grid.find("Total\t0\t0\t0\t0\t\r\nAverage\t0\t0\t0\t0\t\r\n"), std::string::npos);

    model.ChooseSoilType(0);
    model.ChooseUniformity(2);
    const std::string soil = StrategyClipboardText(model, TStrategyPage::Soil, settings);
    EXPECT_EQ(soil.substr(0, soil.find("\r\n")), "Dominant soil type:  Sand");
    EXPECT_NE(soil.find("Heigth of capillary rise (m) for a flow rate of\t0.5 mm/day\t1.25\r\n"),
              std::string::npos);
    EXPECT_NE(soil.find("\t2.0 mm/day\t0.90\r\n"), std::string::npos);
    EXPECT_NE(soil.find("Field Application Method:\t\r\n"), std::string::npos); // none chosen
    EXPECT_NE(soil.find("Uniformity\taverage\r\nStandard deviation\t0.3\r\n"), std::string::npos);
    EXPECT_NE(soil.find("Size of irrigable area (ha)\t100.0\r\n"), std::string::npos);
}

TEST_F(StrategyModelTest, UnitCaptionsFollowTheSettings) {
    strategy.FieldDataAvailable = false;
    strategy.DFUserInitialised = 1;
    for (int m = 1; m <= 12; ++m)
        strategy.DFUser.SetMonth(m, 0.5);
    TStrategyModel model(strategy, settings, SmallProject, "SITE.GEN");
    model.ShowRecord();
    EXPECT_EQ(model.WaterBalanceStrategy().Cell(1, StrategyColumn::VcDF), "149100");
    settings.VolumeUnit = 1;
    settings.LengthUnit = 1;
    settings.AreaUnit = 1;
    model.RefreshNotification();
    EXPECT_EQ(model.Comparison().Headings[ComparisonColumn::VcDF], "(acrft/month)");
    EXPECT_EQ(model.WaterRequirement().Grid.Headings[WaterRequirementColumn::DepthGW], "(ft)");
    EXPECT_EQ(model.Soil().IrrigableArea, "247.0");
    // 149100 m3 shows as 120.88 acre-feet, a whole 121, and is stored as 121 acre-feet.
    EXPECT_EQ(model.WaterBalanceStrategy().Cell(1, StrategyColumn::VcDF), "121");
    EXPECT_DOUBLE_EQ(MonthValue(strategy.VcDF, 1), 121 / 0.00081071);
}

TEST_F(StrategyModelTest, ShowingTheWindowReadsTheRecordAgain) {
    TTempDir dir;
    FillFieldData();
    strategy.Save(dir.File("a.str"));
    strategy.FileName = dir.File("a.str");
    strategy.ETaGross.Fill(0); // unsaved changes are dropped
    TStrategyModel model(strategy, settings, SmallProject, "SITE.GEN");
    model.Show();
    EXPECT_EQ(model.DataInput().Cell(1, DataInputColumn::ETaGross), "100.0");
    EXPECT_FALSE(model.Modified());

    strategy.FileName = dir.File("gone.str");
    model.Show();
    EXPECT_EQ(strategy.ETaGross.GetDay(1), 0);
    EXPECT_EQ(model.DataInput().Cell(1, DataInputColumn::ETaGross), "");
    EXPECT_EQ(model.WaterBalance().DFsustainable, "0.6");
}

TEST(StrategyReportHeader, SiteTextsAsTheMainWindowShowsThem) {
    TAllData data;
    data.General.Country = "Spain";
    data.General.Region = "Sevilla";
    data.General.IrrigableArea = 1000;
    data.General.FileName = "/p/General/Seville.gen";
    data.Meteo.FileName = "/p/Meteo/Seville.mtf";
    data.CropPattern.FileName = "/p/Pattern/Seville.pat";
    data.GuiSettings.AreaUnit = 1;
    const TStrategyReportHeader h = StrategyReportHeader(data);
    EXPECT_EQ(h.CountryLabel, "Country");
    EXPECT_EQ(h.RegionLabel, "Region / Project");
    EXPECT_EQ(h.AreaLabel, "Size of irrigable area (ac)");
    EXPECT_EQ(h.Area, "2470.0");
    EXPECT_EQ(h.GeneralFile, "/p/General/Seville.gen");
    EXPECT_EQ(h.PatternFile, "/p/Pattern/Seville.pat");
}

// The same pastes into the first entered cell of every grid a user types in: what lands in the
// twelve month cells of that column, and whether the user is told "Invalid value".
TEST_F(StrategyModelTest, EveryPasteIntoEveryEnteredGridLandsOrIsRefusedInOnePiece) {
    struct TGridCase {
        TStrategyPage Page;
        int Column;
    };
    const TGridCase grids[] = {{TStrategyPage::DataInput, DataInputColumn::ChangeGWTable},
                               {TStrategyPage::WaterBalanceStrategy, StrategyColumn::DFUser},
                               {TStrategyPage::InputETa, InputETaColumn::ETa}};
    std::string tenThousand;
    for (int i = 0; i < 10000; ++i)
        tenThousand += "0.1\n";
    struct TPasteCase {
        const char* Name;
        std::string Text;
        std::vector<std::string> Column; // months 1.. as shown after the paste
        bool Invalid;
    };
    const std::vector<std::string> twelve(12, "0.5");
    const TPasteCase pastes[] = {
        {"LF column", "0.5\n0.5\n0.5\n0.5\n0.5\n0.5\n0.5\n0.5\n0.5\n0.5\n0.5\n0.5\n", twelve,
         false},
        {"CRLF block", "0.2\t9\r\n0.3\t9\r\n", {"0.2", "0.3", "", ""}, false},
        {"CR lines", "0.2\r0.3", {"0.2", "0.3", ""}, false},
        {"text", "abc", {"", ""}, true},
        {"text in a block", "0.2\nabc\n", {"0.2", "", ""}, false},
        {"two points", "1.2.3\n0.4\n", {"", "0.4", ""}, true},
        {"empty", "", {"", ""}, false},
        {"10,000 lines", tenThousand, std::vector<std::string>(12, "0.1"), false},
        {"wider than the grid", "0.7\t1\t2\t3\t4\t5\t6\t7\n", {"0.7", ""}, false},
    };
    for (const TGridCase& grid : grids)
        for (const TPasteCase& paste : pastes) {
            strategy.Clear();
            TStrategyModel model(strategy, settings, SmallProject, "SITE.GEN");
            model.New();
            messages.Clear();
            const std::string name = paste.Name + std::string(" into page ") +
                                     std::to_string(static_cast<int>(grid.Page));
            ASSERT_NO_THROW(model.PasteIntoGrid(grid.Page, 1, grid.Column, paste.Text)) << name;
            for (std::size_t m = 0; m < paste.Column.size(); ++m) {
                std::string shown =
                    model.GridOf(grid.Page).Cell(static_cast<int>(m) + 1, grid.Column);
                EXPECT_EQ(shown, paste.Column[m]) << name << ", month " << m + 1;
            }
            const std::vector<std::string> invalid = paste.Invalid
                                                         ? std::vector<std::string>{"Invalid value"}
                                                         : std::vector<std::string>{};
            EXPECT_EQ(messages.Texts(), invalid) << name;
        }
}

TEST_F(StrategyModelTest, ASingleValueGoesInWholeOrNotAtAll) {
    TStrategyModel model(strategy, settings, SmallProject, "SITE.GEN");
    model.New();
    EXPECT_TRUE(model.PasteIntoGrid(TStrategyPage::InputETa, 3, InputETaColumn::ETa, " 120 "));
    EXPECT_EQ(model.InputETa().Cell(3, InputETaColumn::ETa), "120");
    EXPECT_DOUBLE_EQ(strategy.ETaIrrigated.GetMonth(3), 120);
    // Not a number: the cell keeps its value.
    EXPECT_FALSE(model.PasteIntoGrid(TStrategyPage::InputETa, 3, InputETaColumn::ETa, "12 mm"));
    EXPECT_EQ(model.InputETa().Cell(3, InputETaColumn::ETa), "120");
    EXPECT_EQ(messages.Texts(), std::vector<std::string>{"Invalid value"});
    // Nothing to paste, or a column nobody types in: nothing happens.
    EXPECT_FALSE(model.PasteIntoGrid(TStrategyPage::InputETa, 3, InputETaColumn::ETa, ""));
    EXPECT_FALSE(model.PasteIntoGrid(TStrategyPage::InputETa, 3, InputETaColumn::ETp, "5"));
    EXPECT_FALSE(model.PasteIntoGrid(TStrategyPage::Comparison, 3, ComparisonColumn::VcDF, "5"));
    // Typed or pasted into a field, a text that is no number is refused and the field emptied.
    messages.Clear();
    model.EditRaRatio("0.7x");
    model.EditConveyRatio("abc");
    model.EditDepthGW1Jan("1..2");
    model.EditUserDF(2, "0.4.");
    EXPECT_EQ(messages.Texts(), std::vector<std::string>(4, "Invalid value"));
    EXPECT_EQ(model.Soil().RaRatio, "");
    EXPECT_EQ(model.WaterRequirement().DepthGW1Jan, "");
    EXPECT_EQ(model.WaterBalanceStrategy().Cell(2, StrategyColumn::DFUser), "");
}

TEST_F(StrategyModelTest, PasteFillsEnteredColumnsAndDropsTheRest) {
    TStrategyModel model(strategy, settings, SmallProject, "SITE.GEN");
    model.New();
    // From the change of the GW table: the diverted water next to it, then the shown DF column
    // is skipped and ETa,gross takes the fourth part; a fifth part runs past the grid.
    model.PasteIntoGrid(TStrategyPage::DataInput, 11, DataInputColumn::ChangeGWTable,
                        "0.1\t12000\t9\t80\t7\r\n0.2\t13000\r\n0.3\r\n0.4");
    EXPECT_EQ(model.DataInput().Cell(11, DataInputColumn::ChangeGWTable), "0.1");
    EXPECT_EQ(model.DataInput().Cell(11, DataInputColumn::DivertedWater), "12000");
    EXPECT_EQ(model.DataInput().Cell(11, DataInputColumn::ETaGross), "80");
    EXPECT_EQ(model.DataInput().Cell(12, DataInputColumn::DivertedWater), "13000");
    EXPECT_NE(model.DataInput().Cell(11, DataInputColumn::DFCalc), "9");
    EXPECT_DOUBLE_EQ(strategy.ChangeGWTableData.GetMonth(12), 0.2);
    EXPECT_DOUBLE_EQ(strategy.ChangeGWTableData.GetMonth(1), 0); // nothing wraps round
    EXPECT_TRUE(model.Modified());
    EXPECT_TRUE(IsEnteredColumn(TStrategyPage::WaterBalanceStrategy, StrategyColumn::DFUser));
    EXPECT_FALSE(IsEnteredColumn(TStrategyPage::Comparison, ComparisonColumn::VcDF));
}

TEST_F(StrategyModelTest, TypedETaIsSavedWithoutVisitingTheETPage) {
    TTempDir dir;
    TStrategyModel model(strategy, settings, SmallProject, "SITE.GEN");
    model.New();
    model.ShowPage(TStrategyPage::InputETa);
    model.EditETa(6, "120");
    EXPECT_EQ(model.WaterRequirement().Grid.Cell(6, WaterRequirementColumn::ETa), "120.0");
    model.Save(dir.File("s.str"));
    TStrategy saved;
    ASSERT_TRUE(saved.Load(dir.File("s.str")));
    EXPECT_DOUBLE_EQ(saved.ETaIrrigated.GetMonth(6), 120);
}
