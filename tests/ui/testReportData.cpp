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
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QScrollBar>
#include <QTabBar>
#include <QTest>
#include <QToolButton>

#include <gtest/gtest.h>

#include <cmath>

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

// Ctrl+A and Delete with the texts an X11 display gives them.
void SelectAllAndDelete(QWidget* field) {
    X11Key(field, Qt::Key_A, Qt::ControlModifier);
    X11Key(field, Qt::Key_Delete);
}

int Decimals(const std::string& number) {
    const std::size_t point = number.find('.');
    return point == std::string::npos ? 0 : static_cast<int>(number.size() - point - 1);
}

// Where a label in font draws what follows the tab of line: the first column of pixels in which
// it differs from the same line with nothing after the tab.
int TabbedTextStart(const QString& line, const QFont& font) {
    const QString blank = line.left(line.indexOf(QLatin1Char('\t')) + 1);
    QImage images[2];
    for (int i = 0; i < 2; ++i) {
        QLabel label(i == 0 ? line : blank);
        label.setFont(font);
        label.resize(1000, 3 * label.fontMetrics().height());
        images[i] = label.grab().toImage();
    }
    for (int x = 0; x < images[0].width(); ++x)
        for (int y = 0; y < images[0].height(); ++y)
            if (images[0].pixel(x, y) != images[1].pixel(x, y))
                return x;
    return -1;
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

TEST_F(ReportDataTest, NumberOfDaysTakesTwoToThreeHundredSixtyFiveAndOtherwiseKeepsThePeriod) {
    JuneMaize(data, "Month");
    auto w = OpenWindow();
    Choose(w->cbxPeriod, QStringLiteral("Other"));
    ASSERT_EQ(w->grdTable->rowCount(), 1 + 36);
    // Typed key by key after Ctrl+A and Delete: every number in range on the way is taken, the
    // others leave the period as it was.
    struct Case {
        const char* Typed;
        int PeriodDays;
        bool InRange;
    };
    const Case cases[] = {
        {"0", 10, false},   // nothing, then 0: the 10 days stay
        {"400", 40, false}, // 4 and 40 are taken on the way
        {"30", 30, true},   {"366", 36, false}, {"365", 365, true},
        {"1", 365, false},  {"2", 2, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Typed);
        SelectAllAndDelete(w->edtDays);
        QTest::keyClicks(w->edtDays, QString::fromUtf8(c.Typed));
        EXPECT_EQ(w->edtDays->text().toStdString(), c.Typed);
        EXPECT_EQ(w->grdTable->rowCount(), 1 + 365 / c.PeriodDays);
        EXPECT_EQ(Cell(w->grdTable, 0, 0), "(" + std::to_string(c.PeriodDays) + " days)");
        EXPECT_EQ(w->edtDays->palette().color(QPalette::Text) == QColor(Qt::red), !c.InRange);
        EXPECT_EQ(w->lblDaysHint->isVisible(), !c.InRange);
    }
    EXPECT_EQ(w->lblDaysHint->text().toStdString(), "Range: 2 <= Number of days <= 365");
    // The up-down brings a number above the range back to its top.
    SelectAllAndDelete(w->edtDays);
    QTest::keyClicks(w->edtDays, QStringLiteral("400"));
    QTest::mouseClick(w->updDays->UpButton(), Qt::LeftButton);
    EXPECT_EQ(w->edtDays->text().toStdString(), "365");
    EXPECT_EQ(w->grdTable->rowCount(), 1 + 1);
    EXPECT_FALSE(w->lblDaysHint->isVisible());
    EXPECT_NE(w->edtDays->palette().color(QPalette::Text), QColor(Qt::red));
}

TEST_F(ReportDataTest, TheMarkerCaptionIsShownWholeOverEverySectionOfEveryTable) {
    ThreeCrops();
    auto w = OpenWindow();
    for (int k = 0; k < kReportTableCount; ++k) {
        ClickTab(*w, static_cast<K>(k));
        for (int section = 1; section < w->hdrTable->count(); ++section) {
            SCOPED_TRACE(std::to_string(k) + "/" + std::to_string(section));
            ClickSection(*w, section);
            QApplication::processEvents();
            const QString caption =
                w->hdrTable->model()->headerData(section, Qt::Horizontal).toString();
            EXPECT_EQ(w->lblMarker->text(), QStringLiteral("\u25BC ") + caption);
            EXPECT_GE(w->lblMarker->width(),
                      w->lblMarker->fontMetrics().horizontalAdvance(w->lblMarker->text()));
            // Its strip is as wide as the table: the caption ends inside it.
            EXPECT_LE(w->lblMarker->geometry().right(), w->lblMarker->parentWidget()->width() - 1);
        }
    }
}

TEST_F(ReportDataTest,
       NonIrrigatedTotalsHaveTheirColumnsDecimalsAndFallowAreaStandsOverItsColumns) {
    JuneMaize(data, "Month");
    data.CropPattern.KcFallow = 0.33;
    data.CropPattern.KcPermanent = 0.47;
    auto w = OpenWindow();
    EXPECT_FALSE(w->pnlGroups->isVisible());
    ClickTab(*w, K::NonIrrigated);
    QApplication::processEvents();
    EXPECT_EQ(
        HeaderTexts(w->hdrTable),
        (std::vector<std::string>{"Period", "Non irrigated area", "ETp Fallow (1)",
                                  "ETp Fallow (2)", "", "ETp Permanent (1)", "ETp Permanent (2)"}));
    EXPECT_EQ(Cell(w->grdTable, 0, 4), " "); // the spacer stays
    // Each total: its column's decimals, and the sum of the column's values to that precision.
    const TReportTable& t = w->Model().Table();
    std::string totals = "Total:\t\t";
    for (int c : {2, 3, 5, 6}) {
        SCOPED_TRACE(c);
        const std::string total = Cell(w->grdTotals, 0, c);
        EXPECT_EQ(Decimals(total), Decimals(Cell(w->grdTable, 1, c)));
        EXPECT_GE(Decimals(total), 1);
        double sum = 0;
        for (int r = 1; r < t.Rows(); ++r)
            sum += t.Grid[r][c].Value.value_or(0);
        EXPECT_NEAR(std::stod(total), sum, 0.5 * std::pow(10.0, -Decimals(total)));
        totals += total + (c == 3 ? "\t\t" : "\t");
    }
    QApplication::clipboard()->clear();
    w->ToolBar->CopyToClipboard->trigger();
    const std::string copied = QApplication::clipboard()->text().toStdString();
    EXPECT_EQ(copied.substr(copied.size() - totals.size() - 2), totals + "\r\n");
    // "Fallow area" over the three fallow columns, not beside the table.
    ASSERT_TRUE(w->pnlGroups->isVisible());
    QLabel* fallow = nullptr;
    for (QLabel* label : w->pnlGroups->findChildren<QLabel*>())
        if (label->isVisible() && label->text() == QStringLiteral("Fallow area"))
            fallow = label;
    ASSERT_NE(fallow, nullptr);
    EXPECT_EQ(fallow->x(), w->grdTable->columnViewportPosition(1));
    EXPECT_EQ(fallow->x() + fallow->width(),
              w->grdTable->columnViewportPosition(3) + w->grdTable->columnWidth(3));
    EXPECT_FALSE(w->lblNotes->isVisible() &&
                 w->lblNotes->text().contains(QStringLiteral("Fallow")));
    ClickTab(*w, K::ReferenceET);
    EXPECT_FALSE(w->pnlGroups->isVisible());
}

TEST_F(ReportDataTest, TheMonthsWithTooMuchCroppedAreaLineUpInTheMessage) {
    Site(data, "Month");
    // 100 + 80 ha on 150 ha for a few days of March, May, September and November.
    for (int planting : {60, 121, 244, 305}) {
        AddCrop(data, "A.crp", 100, planting, {5, 5, 5, 5}, 0.5, 1.0, 0.5);
        AddCrop(data, "B.crp", 80, planting + 5, {5, 5, 5, 5}, 0.5, 1.0, 0.5);
    }
    auto w = OpenWindow();
    ASSERT_EQ(messages.Texts().size(), 1u);
    const std::string text = messages.Texts()[0];
    const std::string head =
        "The cropped area exceeds the irrigable area in the following months:\r\r";
    ASSERT_EQ(text.rfind(head, 0), 0u) << text;
    const std::string list = text.substr(head.size(), text.find("\r\r\r") + 1 - head.size());
    EXPECT_EQ(list, "March     with \t30 (ha)\r"
                    "May       with \t30 (ha)\r"
                    "September with \t30 (ha)\r"
                    "November  with \t30 (ha)\r");
    // Drawn in the message box's font, and larger, the excesses start at one place.
    QMessageBox box;
    const QFont boxFont = box.findChild<QLabel*>(QStringLiteral("qt_msgbox_label"))->font();
    for (double scale : {1.0, 1.5, 2.0}) {
        QFont font = boxFont;
        font.setPointSizeF(boxFont.pointSizeF() * scale);
        std::vector<int> starts;
        std::size_t from = 0;
        for (std::size_t end; (end = list.find('\r', from)) != std::string::npos; from = end + 1)
            starts.push_back(
                TabbedTextStart(QString::fromStdString(list.substr(from, end - from)), font));
        ASSERT_EQ(starts.size(), 4u);
        for (int start : starts)
            EXPECT_EQ(start, starts.front()) << scale;
        EXPECT_GT(starts.front(), 0);
    }
}

TEST_F(ReportDataTest, ATableThatFitsTheWindowNeedsNoSidewaysScrollBar) {
    ThreeCrops();
    auto w = OpenWindow();
    // Long tables get a vertical scroll bar; the frame widens for it instead of scrolling sideways.
    for (const char* period : {"Day", "Week", "Other", "Month"})
        for (int k = 0; k < kReportTableCount; ++k) {
            SCOPED_TRACE(std::string(period) + " " + std::to_string(k));
            ClickTab(*w, static_cast<K>(k));
            if (w->cbxPeriod->isEnabled())
                Choose(w->cbxPeriod, QString::fromUtf8(period));
            QApplication::processEvents();
            EXPECT_EQ(w->grdTable->horizontalScrollBar()->maximum(), 0);
            EXPECT_FALSE(w->sbrTable->isVisible());
        }
}
