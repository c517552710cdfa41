#include "UiTestSupport.h"

#include "core/cUserMessages.h"
#include "data/cAllData.h"
#include "support/ReportTestProject.h"
#include "ui/fReportCWR.h"
#include "ui/fReportData.h"
#include "ui/fReportGrid.h"
#include "ui/fToolBar.h"
#include "ui/fUpDown.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QTabBar>
#include <QTest>
#include <QToolButton>

#include <gtest/gtest.h>

namespace {

using K = TReportTableKind;

std::vector<std::string> Items(const QComboBox* box) {
    std::vector<std::string> items;
    for (int i = 0; i < box->count(); ++i)
        items.push_back(box->itemText(i).toStdString());
    return items;
}

std::vector<std::string> HeaderTexts(const QHeaderView* header) {
    std::vector<std::string> texts;
    for (int s = 0; s < header->count(); ++s)
        texts.push_back(header->model()->headerData(s, Qt::Horizontal).toString().toStdString());
    return texts;
}

std::string Cell(const TReportGridView* grid, int row, int column) {
    return grid->CellText(row, column).toStdString();
}

struct ReportDataTest : ::testing::Test {
    TMessageRecorder messages;
    TAllData data;
    TfrmReportCWR reportWindow{data.GuiSettings, nullptr};

    std::unique_ptr<TfrmReportData> OpenWindow() {
        auto w = std::make_unique<TfrmReportData>(data, reportWindow, nullptr);
        w->Open();
        QApplication::processEvents();
        return w;
    }

    void ClickTab(TfrmReportData& w, K kind) {
        ::ClickTab(w.tabTables, static_cast<int>(kind));
        ASSERT_EQ(w.ShownTable(), kind);
    }

    void ClickSection(TfrmReportData& w, int section) {
        QHeaderView* header = w.hdrTable;
        const QPoint at(header->sectionViewportPosition(section) + 5, header->height() / 2);
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, at);
    }

    void ThreeCrops() {
        Site(data, "Month");
        AddCrop(data, "Maize.crp", 60, 152, {10, 10, 10, 10}, 0.5, 1.0, 0.5);
        AddCrop(data, "Wheat.crp", 50, 20, {20, 20, 20, 20}, 0.4, 1.1, 0.3);
        AddCrop(data, "Beans.crp", 30, 100, {15, 15, 15, 15}, 0.4, 1.05, 0.35);
    }
};

} // namespace

TEST_F(ReportDataTest, OneCropShowsItsWaterRequirementsWithTheDepthColumn) {
    JuneMaize(data, "Month");
    auto w = OpenWindow();
    EXPECT_TRUE(messages.Messages().empty());
    EXPECT_EQ(w->windowTitle().toStdString(), "Report data");
    ASSERT_EQ(w->tabTables->count(), 6);
    EXPECT_EQ(w->tabTables->tabText(5).toStdString(), "Evapotranspiration non irrigated area");
    EXPECT_EQ(w->cbxMethod->currentText().toStdString(), "Penman - Monteith");
    EXPECT_EQ(w->cbxPeriod->currentText().toStdString(), "Month");
    EXPECT_FALSE(w->cbxCrop->isVisible());
    EXPECT_FALSE(w->edtDays->isVisible());
    // The reference table: two sections over three columns, the year's total beside it.
    EXPECT_EQ(HeaderTexts(w->hdrTable),
              (std::vector<std::string>{"Period", "Reference evapotranspiration"}));
    EXPECT_EQ(w->grdTable->columnCount(), 3);
    EXPECT_EQ(w->hdrTable->sectionSize(1),
              w->grdTable->columnWidth(1) + w->grdTable->columnWidth(2));
    EXPECT_EQ(Cell(w->grdTable, 0, 1), "(mm/day)");
    EXPECT_EQ(Cell(w->grdTable, 1, 0), "Jan (1)");
    EXPECT_FALSE(w->grdTotals->isVisible());

    ClickTab(*w, K::WaterRequirements);
    EXPECT_TRUE(w->cbxCrop->isVisible());
    EXPECT_EQ(Items(w->cbxCrop), std::vector<std::string>{"Maize.crp"});
    ASSERT_EQ(w->grdTable->columnCount(), 6);
    EXPECT_EQ(HeaderTexts(w->hdrTable),
              (std::vector<std::string>{"Period", "Total cropped", "Total ETp", "Pe",
                                        "ETp - Pe (1)", "ETp - Pe (2)"}));
    EXPECT_TRUE(w->grdTotals->isVisible());
    EXPECT_EQ(Cell(w->grdTotals, 0, 0), "Total:");
    EXPECT_TRUE(w->pnlRainfall->isVisible());
    EXPECT_EQ(Items(w->cbxRainfall),
              (std::vector<std::string>{"USDA Method", "Fixed % of precipitation"}));
    EXPECT_TRUE(w->lblNotes->text().contains(QStringLiteral("When USDA method is selected,")));
    EXPECT_FALSE(w->cbxPeriod->isEnabled()); // the USDA method works per month
    // Every column is wide enough for its widest value.
    for (int c = 0; c < 6; ++c)
        for (int r = 0; r < w->grdTable->rowCount(); ++r)
            EXPECT_GE(w->grdTable->columnWidth(c),
                      w->grdTable->fontMetrics().horizontalAdvance(w->grdTable->CellText(r, c)))
                << r << "," << c;
}

TEST_F(ReportDataTest, AllCropsHaveNoDepthColumnAndLeavingTheTableReturnsToAllCrops) {
    ThreeCrops();
    auto w = OpenWindow();
    ClickTab(*w, K::WaterRequirements);
    EXPECT_EQ(Items(w->cbxCrop),
              (std::vector<std::string>{"All crops", "Maize.crp", "Wheat.crp", "Beans.crp"}));
    EXPECT_EQ(w->grdTable->columnCount(), 5);
    EXPECT_EQ(w->hdrTable->count(), 5);
    EXPECT_EQ(w->grdTotals->columnCount(), 5);
    Choose(w->cbxCrop, QStringLiteral("Wheat.crp"));
    EXPECT_EQ(w->grdTable->columnCount(), 6);
    EXPECT_EQ(Cell(w->grdTable, 2, 1), "50.0");
    EXPECT_EQ(Cell(w->grdTable, 6, 1), ""); // June: wheat is out of the field

    ClickTab(*w, K::KcValues);
    EXPECT_FALSE(w->cbxCrop->isVisible());
    EXPECT_FALSE(w->pnlRainfall->isVisible());
    EXPECT_EQ(w->Model().CropEntry(), 0);
    EXPECT_EQ(Cell(w->grdTable, 0, 2), "Wheat");
    EXPECT_EQ(Cell(w->grdTable, 1, 0), "  Area (ha)");
    ClickTab(*w, K::WaterRequirements);
    EXPECT_EQ(w->cbxCrop->currentText().toStdString(), "All crops");
    EXPECT_EQ(w->grdTable->columnCount(), 5);
}

TEST_F(ReportDataTest, UsdaShowsMonthsWhateverThePeriodAndOtherMethodsFollowIt) {
    JuneMaize(data, "Week");
    auto w = OpenWindow();
    EXPECT_EQ(w->cbxPeriod->currentText().toStdString(), "Week");
    EXPECT_EQ(w->grdTable->rowCount(), 1 + 52);
    EXPECT_EQ(Cell(w->grdTable, 3, 0), "15/01 (3)");

    ClickTab(*w, K::WaterRequirements);
    EXPECT_EQ(w->grdTable->rowCount(), 1 + 12);
    EXPECT_EQ(Cell(w->grdTable, 12, 0), "Dec (12)");
    EXPECT_FALSE(w->cbxPeriod->isEnabled());
    Choose(w->cbxRainfall, QStringLiteral("Fixed % of precipitation"));
    EXPECT_EQ(w->grdTable->rowCount(), 1 + 52);
    EXPECT_TRUE(w->cbxPeriod->isEnabled());
    EXPECT_EQ(w->lblNotes->text().toStdString(), "Fixed % of eff. rainfall = 40");

    Choose(w->cbxMethod, QStringLiteral("Modified Hargreaves"));
    EXPECT_EQ(w->Model().Method(), TEt0Method::Hargreaves);
    EXPECT_EQ(w->grdTable->rowCount(), 1 + 52);
}

TEST_F(ReportDataTest, OtherPeriodTakesItsNumberOfDaysAboveOne) {
    JuneMaize(data, "Month");
    auto w = OpenWindow();
    Choose(w->cbxPeriod, QStringLiteral("Other"));
    EXPECT_TRUE(w->edtDays->isVisible());
    EXPECT_EQ(w->edtDays->text().toStdString(), "10");
    EXPECT_EQ(w->grdTable->rowCount(), 1 + 36);
    EXPECT_EQ(Cell(w->grdTable, 0, 0), "(10 days)");

    ReplaceText(w->edtDays, QStringLiteral("1")); // not above 1: ignored
    EXPECT_EQ(w->grdTable->rowCount(), 1 + 36);
    QTest::mouseClick(w->updDays->UpButton(), Qt::LeftButton);
    EXPECT_EQ(w->edtDays->text().toStdString(), "2");
    EXPECT_EQ(w->grdTable->rowCount(), 1 + 182);
    ReplaceText(w->edtDays, QStringLiteral("30"));
    EXPECT_EQ(w->grdTable->rowCount(), 1 + 12);
    Choose(w->cbxPeriod, QStringLiteral("Day"));
    EXPECT_FALSE(w->edtDays->isVisible());
    EXPECT_EQ(w->grdTable->rowCount(), 1 + 365);
}

TEST_F(ReportDataTest, TooMuchCroppedAreaInMarchIsToldOnActivationAndHidesTheCropTables) {
    Site(data, "Month");
    AddCrop(data, "A.crp", 100, 60, {5, 5, 5, 5}, 0.5, 1.0, 0.5); // 1 to 20 March
    AddCrop(data, "B.crp", 80, 65, {5, 5, 5, 5}, 0.5, 1.0, 0.5);
    auto w = OpenWindow();
    ASSERT_EQ(messages.Messages().size(), 1u);
    EXPECT_EQ(messages.Messages()[0].Kind, TMessageKind::Error);
    EXPECT_EQ(messages.Messages()[0].Buttons, TMessageButtons::Ok);
    const std::string text = messages.Texts()[0];
    EXPECT_EQ(text.rfind("The cropped area exceeds the irrigable area in the following "
                         "months:\r\rMarch     with \t30",
                         0),
              0u)
        << text;
    EXPECT_EQ(text.find("April"), std::string::npos);
    EXPECT_NE(text.find("To calculate the crop water requirements adjust the cropping pattern."),
              std::string::npos);
    for (int k = 0; k < 6; ++k)
        EXPECT_EQ(w->tabTables->isTabVisible(k), k == 0 || k == 5) << k;
    // Coming back to the window does not repeat the message.
    QEvent activate(QEvent::WindowActivate);
    QApplication::sendEvent(w.get(), &activate);
    EXPECT_EQ(messages.Messages().size(), 1u);
}

TEST_F(ReportDataTest, CopiesTheShownTableWithItsInfoAndTotals) {
    JuneMaize(data, "Month");
    auto w = OpenWindow();
    ClickTab(*w, K::CroppedArea);
    EXPECT_EQ(Cell(w->grdTable, 1, 1), ""); // a zero is shown empty, but copied
    EXPECT_EQ(Cell(w->grdTotals, 0, 0), "Average:");
    QApplication::clipboard()->clear();
    w->ToolBar->CopyToClipboard->trigger();
    const std::string copied = QApplication::clipboard()->text().toStdString();
    EXPECT_EQ(copied, w->Model().ClipboardText());
    EXPECT_EQ(copied.rfind("Irrigable area:\t150.0\t(ha)\t\r\n", 0), 0u);
    EXPECT_NE(copied.find("\r\nJan (1)\t0.0\t0.00\t\r\n"), std::string::npos);
    EXPECT_NE(copied.find("\r\nAverage:\t17\t0.11\t\r\n"), std::string::npos);
}

TEST_F(ReportDataTest, ClosingGivesThePeriodBack) {
    JuneMaize(data, "Month");
    data.GuiSettings.SetPeriodKind(2);
    auto w = OpenWindow();
    EXPECT_EQ(data.GuiSettings.PeriodKind, 3); // the general data's period
    Choose(w->cbxPeriod, QStringLiteral("Day"));
    EXPECT_EQ(data.GuiSettings.PeriodKind, 1);
    OpenMenu(w->mnuFile);
    w->ToolBar->FileExit1->trigger();
    EXPECT_FALSE(w->isVisible());
    EXPECT_EQ(data.GuiSettings.PeriodKind, 2);
}

TEST_F(ReportDataTest, TheClickedSectionIsMarkedAndCharted) {
    JuneMaize(data, "Week");
    auto w = OpenWindow();
    ClickTab(*w, K::WaterRequirements);
    Choose(w->cbxRainfall, QStringLiteral("Fixed % of precipitation"));
    EXPECT_EQ(w->MarkedSection(), 1);
    EXPECT_EQ(w->lblMarker->text().toStdString(), "\u25BC Total cropped");
    ClickSection(*w, 4);
    EXPECT_EQ(w->MarkedSection(), 4);
    EXPECT_EQ(w->lblMarker->text().toStdString(), "\u25BC ETp - Pe (1)");
    EXPECT_GE(w->lblMarker->x(), w->hdrTable->sectionViewportPosition(4));
    ClickSection(*w, 0); // the period column is never charted
    EXPECT_EQ(w->MarkedSection(), 4);

    EXPECT_EQ(w->ChartInput().Column, 4);
    EXPECT_EQ(w->ChartInput().Title, "ETp - Pe (1)");

    // Each table keeps its own marked column.
    ClickTab(*w, K::CroppedArea);
    EXPECT_EQ(w->MarkedSection(), 1);
    ClickSection(*w, 2);
    EXPECT_EQ(w->ChartInput().Title, "Area Ratio");
    ClickTab(*w, K::ReferenceET);
    EXPECT_TRUE(w->ChartInput().Multi);
}

TEST_F(ReportDataTest, TheTextReportGoesIntoTheReportWindow) {
    ThreeCrops();
    auto w = OpenWindow();
    ClickTab(*w, K::KcValues);
    TReportText shown;
    WhenShown(&reportWindow, [&] { shown = reportWindow.Lines(); });
    w->ToolBar->actShowReport->trigger();
    ASSERT_FALSE(shown.empty());
    EXPECT_EQ(shown, w->Model().TextReport());
    EXPECT_EQ(shown.front().Text, "Irrigation Water Requirements");
    EXPECT_TRUE(shown.front().Bold);
    EXPECT_EQ(shown.back().Text, "End of report.");
    // The Kc table is shown again, with its crops.
    EXPECT_EQ(w->ShownTable(), K::KcValues);
    EXPECT_EQ(w->tabTables->currentIndex(), static_cast<int>(K::KcValues));
    EXPECT_EQ(w->grdTable->columnCount(), 4);
}
