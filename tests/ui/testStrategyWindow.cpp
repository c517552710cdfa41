#include "UiTestSupport.h"

#include "calc/uStrategyClipboard.h"
#include "calc/uStrategyModel.h"
#include "core/cGuiSettings.h"
#include "core/cUserMessages.h"
#include "data/cAllData.h"
#include "data/cStrategyRatios.h"
#include "support/StrategyTestProject.h"
#include "support/TestSupport.h"
#include "ui/fReportCWR.h"
#include "ui/fStrategy.h"
#include "ui/fStrategyCharts.h"
#include "ui/fStrategyGrid.h"
#include "ui/fToolBar.h"

#include <QAction>
#include <QApplication>
#include <QChart>
#include <QChartView>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTabWidget>
#include <QTest>
#include <QToolButton>

#include <gtest/gtest.h>

namespace {

int IndexStartingWith(const std::vector<std::string>& lines, const std::string& start) {
    for (std::size_t i = 0; i < lines.size(); ++i)
        if (lines[i].rfind(start, 0) == 0)
            return static_cast<int>(i);
    return -1;
}

// A choice made from the open list: selected, then reported as the user's.
void Choose(QComboBox* box, int index) {
    box->setCurrentIndex(index);
    emit box->activated(index);
}

QString CellText(TStrategyGridView* grid, int month, int column) {
    return grid->item(TStrategyGridView::RowOfMonth(month), column)->text();
}

struct StrategyWindowTest : ::testing::Test {
    TAllData data;
    TMessageRecorder messages;
    TTempDir dir;
    TfrmReportCWR reportWindow{data.GuiSettings, nullptr};

    void SetUp() override {
        data.General.FileName = dir.File("SITE.gen");
        data.GuiSettings.SetPeriodKind(1);
    }

    TStrategySources Sources(TStrategyModel::TProjectSource project = SmallProject) {
        TStrategySources s;
        s.Project = std::move(project);
        s.ReportHeader = [] {
            TStrategyReportHeader h;
            h.Country = "Egypt";
            return h;
        };
        s.ReportWindow = &reportWindow;
        return s;
    }

    std::unique_ptr<TfrmStrategy> OpenWindow() {
        auto w = std::make_unique<TfrmStrategy>(data, Sources(), nullptr);
        w->Open();
        return w;
    }

    // Starts typing into a cell of a grid, as a click and keys would.
    QLineEdit* EditCell(TStrategyGridView* grid, int month, int column) {
        const int row = TStrategyGridView::RowOfMonth(month);
        grid->setFocus();
        if (grid->currentRow() != row || grid->currentColumn() != column)
            grid->setCurrentCell(row, column); // a new current cell opens its editor
        else
            grid->editItem(grid->item(row, column));
        QApplication::processEvents();
        return qobject_cast<QLineEdit*>(QApplication::focusWidget());
    }

    // A strategy file with some field data, made for the given general file.
    std::string StrategyFile(const std::string& generalFile) {
        TStrategy s;
        s.Clear();
        s.GeneralFileName = generalFile;
        s.DFcrit = 0.55;
        s.FieldDataAvailable = true;
        for (int m = 1; m <= 12; ++m) {
            s.ETaGross.SetMonth(m, 100);
            s.DivertedWater.SetMonth(m, 60000 + 1000 * m);
            s.ChangeGWTableData.SetMonth(m, 0.01 * (m - 6));
        }
        const std::string name = dir.File("other.str");
        s.Save(name);
        return name;
    }
};

} // namespace

TEST_F(StrategyWindowTest, NewStrategyShowsTheDefaultsAndEmptyGrids) {
    auto w = OpenWindow();
    EXPECT_TRUE(w->isVisible());
    EXPECT_EQ(w->windowTitle(), QStringLiteral("Water Management Strategy []"));
    EXPECT_EQ(w->edtGeneralFile->text(), QStringLiteral("SITE.gen"));
    EXPECT_EQ(w->cbxMethod->currentText(), QStringLiteral("Penman - Monteith"));
    EXPECT_EQ(w->edtDFsust->text(), QStringLiteral("0.6"));
    EXPECT_TRUE(w->chkFieldData->isChecked());
    EXPECT_FALSE(w->btnDFsustUp->isEnabled());
    EXPECT_EQ(w->ShownPage(), TStrategyPage::WaterBalance);
    EXPECT_EQ(CellText(w->grdDataInput, 3, DataInputColumn::DivertedWater), QString());
    EXPECT_EQ(w->grdDataInput->item(13, DataInputColumn::DivertedWater)->text(),
              QStringLiteral("0"));
    EXPECT_EQ(w->grdDataInput->item(0, DataInputColumn::DivertedWater)->text(),
              QStringLiteral("(m3/month)"));
    EXPECT_EQ(CellText(w->grdStrategy, 1, 0), QStringLiteral("Jan (1)"));
    EXPECT_EQ(w->grdComparison->item(13, ComparisonColumn::VcET)->text(), QStringLiteral("0"));
    EXPECT_EQ(w->cbxSoil->currentIndex(), -1);
    EXPECT_EQ(w->edtRaRatio->text(), QString());
    EXPECT_FALSE(w->Modified());
    EXPECT_TRUE(messages.Messages().empty());
    // The period is Month while the window lives and comes back afterwards.
    EXPECT_EQ(data.GuiSettings.PeriodKind, 3);
    w.reset();
    EXPECT_EQ(data.GuiSettings.PeriodKind, 1);
}

TEST_F(StrategyWindowTest, ReportOnlyOnTheComparisonPage) {
    auto w = OpenWindow();
    for (TStrategyPage page :
         {TStrategyPage::WaterBalance, TStrategyPage::DataInput,
          TStrategyPage::WaterBalanceStrategy, TStrategyPage::InputETa, TStrategyPage::Soil,
          TStrategyPage::WaterRequirementET, TStrategyPage::Comparison, TStrategyPage::DataInput}) {
        w->ShowPage(page);
        EXPECT_EQ(w->ShownPage(), page);
        const bool comparison = page == TStrategyPage::Comparison;
        EXPECT_EQ(w->actReport->isEnabled(), comparison) << static_cast<int>(page);
        EXPECT_EQ(w->ToolBar()->CopyToClipboard->isEnabled(), page != TStrategyPage::WaterBalance);
    }
    w->ShowPage(TStrategyPage::Comparison);
    TReportText shown;
    WhenShown(&reportWindow, [&] { shown = reportWindow.Lines(); });
    w->actReport->trigger();
    TReportBuilder expected;
    TStrategyReportHeader header;
    header.Country = "Egypt";
    WriteStrategyReport(header, StrategyReportTexts(w->Model()), expected);
    EXPECT_EQ(shown, expected.Lines()); // written into the report window, which was shown
    EXPECT_FALSE(reportWindow.isVisible());
}

TEST_F(StrategyWindowTest, UncheckingFieldDataAnsweredNoKeepsEverything) {
    auto w = OpenWindow();
    w->ShowPage(TStrategyPage::DataInput);
    QLineEdit* cell = EditCell(w->grdDataInput, 2, DataInputColumn::DivertedWater);
    ASSERT_NE(cell, nullptr);
    TypeText(cell, QStringLiteral("5000"));
    EXPECT_EQ(CellText(w->grdDataInput, 2, DataInputColumn::DivertedWater), QStringLiteral("5000"));
    EXPECT_DOUBLE_EQ(data.Strategy.DivertedWater.GetMonth(2), 5000);
    w->ShowPage(TStrategyPage::WaterBalance);

    messages.Answer(TMessageAnswer::No);
    QTest::mouseClick(w->chkFieldData, Qt::LeftButton);
    ASSERT_EQ(messages.Texts(),
              std::vector<std::string>{"Any strategy data currently in memory will be cleared"});
    EXPECT_EQ(messages.Messages()[0].Buttons, TMessageButtons::YesNo);
    EXPECT_TRUE(w->chkFieldData->isChecked());
    EXPECT_TRUE(data.Strategy.FieldDataAvailable);
    EXPECT_DOUBLE_EQ(data.Strategy.DivertedWater.GetMonth(2), 5000);
    EXPECT_TRUE(w->pgcWaterBalance->isTabVisible(1));

    // Yes clears the strategy and leaves the box unchecked; the up-down takes over.
    messages.Answer(TMessageAnswer::Yes);
    QTest::mouseClick(w->chkFieldData, Qt::LeftButton);
    EXPECT_FALSE(w->chkFieldData->isChecked());
    EXPECT_FALSE(data.Strategy.FieldDataAvailable);
    EXPECT_DOUBLE_EQ(data.Strategy.DivertedWater.GetMonth(2), 0);
    EXPECT_FALSE(w->pgcWaterBalance->isTabVisible(1));
    EXPECT_TRUE(w->btnDFsustUp->isEnabled());
    QTest::mouseClick(w->btnDFsustUp, Qt::LeftButton);
    EXPECT_EQ(w->edtDFsust->text(), QStringLiteral("0.61"));
    EXPECT_DOUBLE_EQ(data.Strategy.DFcrit, 0.61);
    EXPECT_TRUE(w->Modified());
}

TEST_F(StrategyWindowTest, FieldApplicationMethodProposesRa) {
    auto w = OpenWindow();
    w->ShowPage(TStrategyPage::Soil);
    const int basin = IndexStartingWith(FieldApplMethods(), "Level basin, paddy rice");
    ASSERT_GE(basin, 0);
    Choose(w->cbxFieldApplMethod, basin);
    EXPECT_TRUE(messages.Messages().empty());
    EXPECT_EQ(w->edtRaRatio->text(), QStringLiteral("0.95"));
    // The choice shows its numbers in columns; the strategy keeps the method's own line.
    EXPECT_TRUE(
        w->cbxFieldApplMethod->currentText().endsWith(QStringLiteral("0.00             0.95")));
    EXPECT_EQ(data.Strategy.FieldApplMethod, FieldApplMethods()[basin]);

    w->edtRaRatio->selectAll();
    TypeText(w->edtRaRatio, QStringLiteral("0.80"));
    EXPECT_EQ(w->edtRaRatio->text(), QStringLiteral("0.80"));
    EXPECT_DOUBLE_EQ(data.Strategy.RaRatio, 0.8);
    messages.Answer(TMessageAnswer::No);
    Choose(w->cbxFieldApplMethod, basin);
    EXPECT_EQ(messages.Texts(), std::vector<std::string>{"Overwrite Ra ratio?"});
    EXPECT_EQ(w->edtRaRatio->text(), QStringLiteral("0.80"));
    messages.Answer(TMessageAnswer::Yes);
    Choose(w->cbxFieldApplMethod, basin);
    EXPECT_EQ(w->edtRaRatio->text(), QStringLiteral("0.95"));

    // A soil type fills the heights of capillary rise; the ET page shows the ratios.
    Choose(w->cbxSoil, 0);
    EXPECT_FALSE(w->lblCapRise[0]->text().isEmpty());
    Choose(w->cbxFlowRegime, 0);
    EXPECT_FALSE(w->edtConveyRatio->text().isEmpty());
    w->ShowPage(TStrategyPage::WaterRequirementET);
    EXPECT_EQ(w->lblWRRa->text(), QStringLiteral("0.95"));
    EXPECT_EQ(w->lblWRSoil->text(), w->cbxSoil->itemText(0));
    EXPECT_EQ(w->lblWRRc->text(), w->edtConveyRatio->text());
}

TEST_F(StrategyWindowTest, StrategyOfAnotherGeneralFileIsShownOnlyWhenTheUserGoesOn) {
    const std::string name = StrategyFile("OTHER.GEN");
    const std::string warning = "This strategy file belongs to general file OTHER.GEN. Continue?";
    auto w = OpenWindow();
    TFileDialogScript dialogs;
    dialogs.Answer(name);
    messages.Answer(TMessageAnswer::Ok);
    w->ToolBar()->FileOpen1->trigger();
    ASSERT_EQ(messages.Texts(), std::vector<std::string>{warning});
    EXPECT_EQ(messages.Messages()[0].Kind, TMessageKind::Warning);
    EXPECT_EQ(dialogs.Asked().at(0).Filter,
              "Water Balance Strategy files (*.str)|*.str|All files (*.*)|*.*");
    // Going on shows the strategy as it is, naming the general file it was made for.
    EXPECT_EQ(CellText(w->grdDataInput, 4, DataInputColumn::DivertedWater),
              QStringLiteral("64000"));
    EXPECT_EQ(w->edtGeneralFile->text(), QStringLiteral("OTHER.GEN"));
    EXPECT_EQ(data.Strategy.GeneralFileName, "OTHER.GEN");
    EXPECT_EQ(w->windowTitle(), QString::fromStdString("Water Management Strategy [" + name + "]"));
    EXPECT_FALSE(w->Modified());

    // Cancel clears the record.
    messages.Clear();
    dialogs.Answer(name);
    messages.Answer(TMessageAnswer::Cancel);
    w->ToolBar()->FileOpen1->trigger();
    EXPECT_EQ(messages.Texts().size(), 1u);
    EXPECT_EQ(data.Strategy.GeneralFileName, "");
    EXPECT_DOUBLE_EQ(data.Strategy.DivertedWater.GetMonth(4), 0);
    EXPECT_EQ(CellText(w->grdDataInput, 4, DataInputColumn::DivertedWater), QString());
}

// The window reads its strategy file again each time it is shown: after the user has switched to
// another site, the same question comes before another site's data are used.
TEST_F(StrategyWindowTest, ShowingAStrategyOfAnotherGeneralFileAsksFirst) {
    const std::string name = StrategyFile("OTHER.GEN");
    data.Strategy.FileName = name;
    messages.Answer(TMessageAnswer::Cancel);
    {
        auto w = OpenWindow();
        EXPECT_EQ(messages.Texts(),
                  std::vector<std::string>{
                      "This strategy file belongs to general file OTHER.GEN. Continue?"});
        EXPECT_EQ(data.Strategy.FileName, "");
        EXPECT_EQ(CellText(w->grdDataInput, 4, DataInputColumn::DivertedWater), QString());
    }
    messages.Clear();
    data.Strategy.FileName = name;
    messages.Answer(TMessageAnswer::Ok);
    auto w = OpenWindow();
    EXPECT_EQ(messages.Texts().size(), 1u);
    EXPECT_EQ(CellText(w->grdDataInput, 4, DataInputColumn::DivertedWater),
              QStringLiteral("64000"));
    EXPECT_FALSE(w->Modified());
}

TEST_F(StrategyWindowTest, StrategyOfThisProjectIsShownAndSavedAgain) {
    const std::string name = StrategyFile("SITE.gen");
    data.Strategy.FileName = name;
    auto w = OpenWindow();
    EXPECT_TRUE(messages.Messages().empty());
    EXPECT_EQ(CellText(w->grdDataInput, 4, DataInputColumn::DivertedWater),
              QStringLiteral("64000"));
    EXPECT_FALSE(CellText(w->grdDataInput, 4, DataInputColumn::DFCalc).isEmpty());
    // With field data the regression sets DFsustainable.
    EXPECT_EQ(w->edtDFsust->text(),
              QString::fromStdString(w->Model().WaterBalance().DFsustainable));
    EXPECT_FALSE(w->charts->GWTChart->chart()->series().isEmpty());

    w->ShowPage(TStrategyPage::InputETa);
    QLineEdit* cell = EditCell(w->grdInputETa, 6, InputETaColumn::ETa);
    ASSERT_NE(cell, nullptr);
    TypeText(cell, QStringLiteral("120"));
    EXPECT_EQ(CellText(w->grdInputETa, 6, InputETaColumn::Ratio),
              QString::fromStdString(w->Model().InputETa().Cell(6, InputETaColumn::Ratio)));
    EXPECT_FALSE(CellText(w->grdInputETa, 6, InputETaColumn::Ratio).isEmpty());
    EXPECT_TRUE(w->ToolBar()->FileSave1->isEnabled());
    w->ToolBar()->FileSave1->trigger();
    EXPECT_FALSE(w->Modified());
    TStrategy saved;
    ASSERT_TRUE(saved.Load(name));
    EXPECT_DOUBLE_EQ(saved.ETaIrrigated.GetMonth(6), 120);
    EXPECT_EQ(saved.GeneralFileName, "SITE.gen");
}

TEST_F(StrategyWindowTest, UserDepletedFractionAboveOneIsRefused) {
    auto w = OpenWindow();
    w->ShowPage(TStrategyPage::WaterBalanceStrategy);
    QLineEdit* cell = EditCell(w->grdStrategy, 3, StrategyColumn::DFUser);
    ASSERT_NE(cell, nullptr);
    TypeText(cell, QStringLiteral("1.2"));
    EXPECT_EQ(messages.Texts(), std::vector<std::string>{"Depleted fraction must be <= 1"});
    EXPECT_EQ(messages.Messages()[0].Kind, TMessageKind::Error);
    EXPECT_EQ(CellText(w->grdStrategy, 3, StrategyColumn::DFUser), QString());
    EXPECT_EQ(cell->text(), QString());
    // A minus sign never reaches a user DF cell.
    TypeText(cell, QStringLiteral("-1"));
    EXPECT_EQ(cell->text(), QStringLiteral("1"));
    EXPECT_EQ(messages.Texts().size(), 1u);
    EXPECT_DOUBLE_EQ(data.Strategy.DFUser.GetMonth(3), 1);
    EXPECT_EQ(data.Strategy.DFUserInitialised, 1);
    EXPECT_FALSE(CellText(w->grdStrategy, 3, StrategyColumn::VcDF).isEmpty());
}

TEST_F(StrategyWindowTest, PastedBlockSpreadsOverTheGrid) {
    auto w = OpenWindow();
    w->ShowPage(TStrategyPage::DataInput);
    QApplication::clipboard()->setText(QStringLiteral("1.5\t2\r\n3\t4"));
    w->grdDataInput->setFocus();
    w->grdDataInput->setCurrentCell(1, DataInputColumn::ChangeGWTable);
    QTest::keyClick(w->grdDataInput, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(CellText(w->grdDataInput, 1, DataInputColumn::ChangeGWTable), QStringLiteral("1.5"));
    EXPECT_EQ(CellText(w->grdDataInput, 1, DataInputColumn::DivertedWater), QStringLiteral("2"));
    EXPECT_EQ(CellText(w->grdDataInput, 2, DataInputColumn::ChangeGWTable), QStringLiteral("3"));
    EXPECT_EQ(CellText(w->grdDataInput, 2, DataInputColumn::DivertedWater), QStringLiteral("4"));
    EXPECT_DOUBLE_EQ(data.Strategy.ChangeGWTableData.GetMonth(2), 3);
    EXPECT_TRUE(w->Modified());

    // Inside a cell being typed in, the minus sign of a pasted value is dropped.
    QLineEdit* cell = EditCell(w->grdDataInput, 5, DataInputColumn::ETaGross);
    ASSERT_NE(cell, nullptr);
    QApplication::clipboard()->setText(QStringLiteral("-0.2\t"));
    QTest::keyClick(cell, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(CellText(w->grdDataInput, 5, DataInputColumn::ETaGross), QStringLiteral("0.2"));
    EXPECT_TRUE(messages.Messages().empty());

    // Typed, the groundwater change takes a minus sign; the diverted water refuses it.
    cell = EditCell(w->grdDataInput, 3, DataInputColumn::ChangeGWTable);
    ASSERT_NE(cell, nullptr);
    TypeText(cell, QStringLiteral("-0.1"));
    EXPECT_EQ(CellText(w->grdDataInput, 3, DataInputColumn::ChangeGWTable), QStringLiteral("-0.1"));
    EXPECT_TRUE(messages.Messages().empty());
    cell = EditCell(w->grdDataInput, 3, DataInputColumn::DivertedWater);
    ASSERT_NE(cell, nullptr);
    TypeText(cell, QStringLiteral("-"));
    EXPECT_EQ(messages.Texts(), std::vector<std::string>{"Invalid value"});
    EXPECT_EQ(CellText(w->grdDataInput, 3, DataInputColumn::DivertedWater), QString());
}

TEST_F(StrategyWindowTest, CopyPutsTheShownPageOnTheClipboard) {
    auto w = OpenWindow();
    for (TStrategyPage page : {TStrategyPage::DataInput, TStrategyPage::Soil,
                               TStrategyPage::WaterRequirementET, TStrategyPage::Comparison}) {
        w->ShowPage(page);
        w->ToolBar()->CopyToClipboard->trigger();
        EXPECT_EQ(QApplication::clipboard()->text().toStdString(),
                  StrategyClipboardText(w->Model(), page, data.GuiSettings));
    }
    EXPECT_TRUE(QApplication::clipboard()->text().startsWith(QStringLiteral("\t")));
}

TEST_F(StrategyWindowTest, CroppedAreaAboveIrrigableAreaClosesTheWindow) {
    TfrmStrategy w(data, Sources([](int method) {
                       TStrategyProject p = SmallProject(method);
                       for (int d = 121; d <= 160; ++d)
                           p.CroppedAreaOfDay[d - 1] = 120; // May and June, 20 ha too much
                       return p;
                   }),
                   nullptr);
    w.Open();
    ASSERT_EQ(messages.Messages().size(), 1u);
    EXPECT_EQ(messages.Messages()[0].Kind, TMessageKind::Error);
    EXPECT_EQ(messages.Texts()[0],
              "The cropped area exceeds the irrigable area in the following months:\r\r"
              "May       with \t20 (ha)\rJune      with \t20 (ha)\r\r\r"
              "Adjust the cropping pattern before you can use the strategy option.");
    EXPECT_FALSE(w.isVisible());
}

TEST_F(StrategyWindowTest, MethodChoiceRecomputesWithItsSeries) {
    auto w = OpenWindow();
    w->ShowPage(TStrategyPage::InputETa);
    const QString penman = CellText(w->grdInputETa, 1, InputETaColumn::ETp);
    Choose(w->cbxMethod, 2);
    EXPECT_EQ(w->Model().Method(), 2);
    EXPECT_NE(CellText(w->grdInputETa, 1, InputETaColumn::ETp), penman);
}

// A pattern without crops: only the pages that need none are shown, and the window opens on the
// first of them with its own page and its commands.
TEST_F(StrategyWindowTest, APatternWithoutCropsShowsItsFirstVisiblePage) {
    auto w = std::make_unique<TfrmStrategy>(data, Sources([](int method) {
                                                TStrategyProject p = SmallProject(method);
                                                p.Crops.clear();
                                                return p;
                                            }),
                                            nullptr);
    w->Open();
    EXPECT_FALSE(w->pgcWaterBalance->isTabVisible(0));
    EXPECT_FALSE(w->pgcWaterBalance->isTabVisible(1));
    EXPECT_TRUE(w->pgcWaterBalance->isTabVisible(2));
    EXPECT_FALSE(w->pgcWaterRequirement->isTabVisible(1));
    EXPECT_FALSE(w->pgcWaterRequirement->isTabVisible(2));
    EXPECT_EQ(w->pgcWaterBalance->currentIndex(), 2);
    EXPECT_EQ(w->pgcWaterBalance->currentWidget(), w->grdStrategy);
    EXPECT_EQ(w->ShownPage(), TStrategyPage::WaterBalanceStrategy);
    EXPECT_TRUE(w->ToolBar()->CopyToClipboard->isEnabled());
    ClickTab(w->pgcTracks, 1);
    EXPECT_EQ(w->ShownPage(), TStrategyPage::InputETa);
    ClickTab(w->pgcTracks, 0);
    EXPECT_EQ(w->pgcWaterBalance->currentWidget(), w->grdStrategy);
}

TEST_F(StrategyWindowTest, TheRemarksHeadingStandsWhereTheRemarksBegin) {
    auto w = OpenWindow();
    const auto left = [](const QTableWidgetItem* item) {
        return (item->textAlignment() & Qt::AlignHorizontal_Mask) == Qt::AlignLeft;
    };
    EXPECT_TRUE(left(w->grdComparison->horizontalHeaderItem(ComparisonColumn::Remark)));
    EXPECT_TRUE(left(w->grdComparison->item(1, ComparisonColumn::Remark)));
}
