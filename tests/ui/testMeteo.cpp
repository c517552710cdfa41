#include "UiTestSupport.h"

#include "core/cFileIO.h"
#include "core/cGuiSettings.h"
#include "core/cUserMessages.h"
#include "data/cAllData.h"
#include "support/TestSupport.h"
#include "ui/fMeteo.h"
#include "ui/fToolBar.h"
#include "ui/platform/pWindowMessages.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QTableWidget>
#include <QTest>

#include <gtest/gtest.h>

namespace {

class MeteoEditor : public ::testing::Test {
protected:
    TTempDir dir;
    TMessageRecorder messages;
    TFileDialogScript dialogs;
    TAllData data;
    TfrmMeteo editor{data, nullptr};

    void SetUp() override {
        data.General.Clear();
        data.General.Hemisphere = "North";
        data.General.Latitude = 30;
        data.GuiSettings.MeteoFolder = dir.File("Meteo");
        editor.ShowEditor();
        DeliverPostedEvents();
    }

    std::string Cell(int row, int column) const {
        const QTableWidgetItem* item = editor.grdMeteo->item(row - 1, column);
        return item ? item->text().toStdString() : "";
    }
    bool Marked(int row, int column) const {
        return editor.CellState(row, column) == TMeteoCellState::OutOfRange;
    }
    // Types into a cell as a user would: select it, type, press Enter.
    void TypeCell(int row, int column, const QString& text) {
        editor.grdMeteo->setFocus();
        editor.grdMeteo->setCurrentCell(row - 1, column);
        QWidget* target = editor.grdMeteo;
        for (QChar c : text) {
            QTest::keyClick(target, c.toLatin1());
            if (QWidget* focused = QApplication::focusWidget(); focused && focused != target)
                target = focused; // the cell editor opened with the first key
        }
        QTest::keyClick(target, Qt::Key_Return);
    }
    // Fills every cell of the monthly grid with a valid row of values.
    void FillValidYear() {
        for (int r = 1; r <= 12; ++r) {
            editor.grdMeteo->setCurrentCell(r - 1, 1);
            QGuiApplication::clipboard()->setText(QStringLiteral("10\t25\t30\t8\t60\t80\t2\t2"));
            editor.grdMeteo->setFocus();
            QTest::keyClick(editor.grdMeteo, Qt::Key_V, Qt::ControlModifier);
        }
    }
};

} // namespace

TEST_F(MeteoEditor, NewShowsAnEmptyMonthlyGridWithItsCaptions) {
    EXPECT_EQ(editor.windowTitle().toStdString(), "Meteo data []");
    EXPECT_EQ(editor.edtWHeigth->text().toStdString(), "2.0");
    EXPECT_EQ(editor.lblWHeigth->text().toStdString(),
              "Height of windspeed measurements above ground level (m)");
    ASSERT_EQ(editor.grdMeteo->rowCount(), 12);
    EXPECT_EQ(Cell(1, 0), "Jan (1)");
    EXPECT_EQ(Cell(1, 1), "");
    EXPECT_EQ(editor.grdMeteo->horizontalHeaderItem(0)->text().toStdString(), "(Month)");
    EXPECT_EQ(editor.FooterText(0).toStdString(), "Total");
    EXPECT_EQ(editor.FooterText(3).toStdString(), "0");
    EXPECT_FALSE(editor.Modified());
}

TEST_F(MeteoEditor, TypedCellsAreStoredAndTotalledAndEnterGoesDown) {
    TypeCell(1, 3, QStringLiteral("31"));
    TypeCell(2, 3, QStringLiteral("12.5"));
    EXPECT_EQ(Cell(1, 3), "31");
    EXPECT_DOUBLE_EQ(data.Meteo.Precipitation.GetDay(1), 1);
    EXPECT_DOUBLE_EQ(data.Meteo.Precipitation.GetMonth(2), 12.5);
    EXPECT_EQ(editor.FooterText(3).toStdString(), "43.5");
    EXPECT_TRUE(editor.Modified());
    // Letters and a second separator are dropped as they are typed.
    TypeCell(3, 1, QStringLiteral("1a2.3.4"));
    EXPECT_EQ(Cell(3, 1), "12.34");
    // Enter takes the typing down the column.
    editor.grdMeteo->setFocus();
    editor.grdMeteo->setCurrentCell(0, 2);
    for (const char* value : {"20", "21", "22"}) {
        for (const char* c = value; *c; ++c) // the first key opens the cell editor
            QTest::keyClick(QApplication::focusWidget(), *c);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    }
    EXPECT_EQ(Cell(3, 2), "22");
    EXPECT_EQ(editor.grdMeteo->currentRow(), 3);
    EXPECT_DOUBLE_EQ(data.Meteo.Tmax.GetDay(70), 22);
}

TEST_F(MeteoEditor, TemperatureAndHumidityCellsAreMarkedByTheirPartners) {
    TypeCell(1, 1, QStringLiteral("20"));
    TypeCell(1, 2, QStringLiteral("20"));
    EXPECT_FALSE(Marked(1, 2));
    TypeCell(1, 1, QStringLiteral("21"));
    EXPECT_TRUE(Marked(1, 2));
    EXPECT_FALSE(Marked(1, 1));
    EXPECT_FALSE(data.Meteo.DataValid);

    TypeCell(2, 5, QStringLiteral("70"));
    TypeCell(2, 6, QStringLiteral("0"));
    EXPECT_FALSE(Marked(2, 6));
    TypeCell(2, 6, QStringLiteral("60"));
    EXPECT_TRUE(Marked(2, 6));
}

TEST_F(MeteoEditor, WindHeightFromHalfAMetreToFifteen) {
    auto type = [this](const char* text) {
        editor.edtWHeigth->setFocus();
        editor.edtWHeigth->selectAll();
        QTest::keyClick(editor.edtWHeigth, Qt::Key_Delete);
        QTest::keyClicks(editor.edtWHeigth, QString::fromUtf8(text));
    };
    type("0.5");
    EXPECT_DOUBLE_EQ(data.Meteo.WindHeight, 0.5);
    type("15");
    EXPECT_DOUBLE_EQ(data.Meteo.WindHeight, 15);
    EXPECT_EQ(editor.edtWHeigth->palette().color(QPalette::Text), QColor(Qt::black));
    type("0.4");
    EXPECT_DOUBLE_EQ(data.Meteo.WindHeight, 15); // refused: the last valid height stays
    EXPECT_EQ(editor.edtWHeigth->palette().color(QPalette::Text), QColor(Qt::red));
    EXPECT_FALSE(data.Meteo.DataValid);
    EXPECT_EQ(editor.RangeHint()->text().toStdString(),
              "Range: 0.5 < Height windspeed measurement <= 15 m");
    // The field takes no clipboard shortcut through its filter: Ctrl+V types no "v".
    QTest::keyClicks(editor.edtWHeigth, QStringLiteral("x"));
    EXPECT_EQ(editor.edtWHeigth->text().toStdString(), "0.4");
}

TEST_F(MeteoEditor, PastingTwoLinesSpreadsThemAndAMinusBeforeATabBecomesZero) {
    QGuiApplication::clipboard()->setText(QStringLiteral("12.5\t30.1\t-3\r\n-3\t4\t5"));
    editor.grdMeteo->setFocus();
    editor.grdMeteo->setCurrentCell(0, 1);
    QTest::keyClick(editor.grdMeteo, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(Cell(1, 1), "12.5");
    EXPECT_EQ(Cell(1, 2), "30.1");
    EXPECT_EQ(Cell(1, 3), "0.0"); // rain has no minus
    EXPECT_EQ(Cell(2, 1), "-3");  // frost has
    EXPECT_EQ(Cell(2, 2), "4");
    EXPECT_DOUBLE_EQ(data.Meteo.Tmin.GetDay(1), 12.5);
    EXPECT_DOUBLE_EQ(data.Meteo.Tmin.GetDay(40), -3);
    EXPECT_DOUBLE_EQ(data.Meteo.Tmax.GetDay(40), 4);
    EXPECT_TRUE(editor.Modified());
}

TEST_F(MeteoEditor, PastingIntoAnOpenCellEditorSpreadsToo) {
    TypeCell(1, 1, QStringLiteral("5"));
    editor.grdMeteo->setCurrentCell(0, 5);
    QTest::keyClick(editor.grdMeteo, Qt::Key_F2);
    QWidget* cellEditor = QApplication::focusWidget();
    ASSERT_NE(cellEditor, editor.grdMeteo);
    QGuiApplication::clipboard()->setText(QStringLiteral("65\t80\r\n70\t90\r\n"));
    QTest::keyClick(cellEditor, Qt::Key_V, Qt::ControlModifier);
    QTest::keyClick(cellEditor, Qt::Key_Return);
    EXPECT_EQ(Cell(1, 5), "65");
    EXPECT_EQ(Cell(1, 6), "80");
    EXPECT_EQ(Cell(2, 5), "70");
    EXPECT_EQ(Cell(2, 6), "90");
    EXPECT_EQ(Cell(3, 5), ""); // the trailing line end empties nothing
    EXPECT_DOUBLE_EQ(data.Meteo.RHmax.GetDay(45), 90);
}

TEST_F(MeteoEditor, TheMethodShadesTheColumnsItDoesNotUse) {
    auto shaded = [this] {
        std::vector<int> columns;
        for (int c = 1; c <= 8; ++c)
            if (editor.Shaded(c))
                columns.push_back(c);
        return columns;
    };
    EXPECT_EQ(shaded(), (std::vector<int>{3, 6, 8}));
    editor.cbxMethod->setFocus();
    QTest::keyClick(editor.cbxMethod, Qt::Key_Down);
    QTest::keyClick(editor.cbxMethod, Qt::Key_Down);
    EXPECT_EQ(editor.cbxMethod->currentText().toStdString(), "Modified Hargreaves");
    EXPECT_EQ(shaded(), (std::vector<int>{4, 5, 6, 7, 8}));
    QTest::keyClick(editor.cbxMethod, Qt::Key_Up);
    EXPECT_EQ(shaded(), (std::vector<int>{3, 6, 8}));
    EXPECT_FALSE(editor.Modified()); // the method is not part of the data
}

TEST_F(MeteoEditor, WeeksAndTenDayPeriodsGiveTheirRows) {
    data.Meteo.FileName = dir.File("site.mtf");
    data.Meteo.Tmin.Fill(11);
    data.GuiSettings.SetPeriodKind(2);
    editor.ShowEditor();
    EXPECT_EQ(editor.windowTitle().toStdString(), "Meteo data [" + dir.File("site.mtf") + "]");
    ASSERT_EQ(editor.grdMeteo->rowCount(), 52);
    EXPECT_EQ(editor.grdMeteo->horizontalHeaderItem(0)->text().toStdString(), "(Week)");
    EXPECT_EQ(Cell(52, 1), "11.0");
    TypeCell(2, 3, QStringLiteral("14"));
    EXPECT_DOUBLE_EQ(data.Meteo.Precipitation.GetDay(8), 2);
    data.GuiSettings.SetOtherPeriod(10);
    editor.ShowEditor();
    ASSERT_EQ(editor.grdMeteo->rowCount(), 36);
    EXPECT_EQ(editor.grdMeteo->horizontalHeaderItem(0)->text().toStdString(), "(10 days)");

    // However many rows, the Total stands under the grid and the hint under the Total, inside
    // the window, at the sizes a user gives it; what does not fit scrolls.
    const QWidget* footer = editor.findChild<QWidget*>(QStringLiteral("hdrFooter"));
    ASSERT_TRUE(footer);
    for (const QSize size : {QSize(860, 560), QSize(860, 900), QSize(860, 420)}) {
        editor.resize(size);
        QApplication::processEvents();
        const auto bottom = [this](const QWidget* w) {
            return w->mapTo(&editor, w->rect().bottomLeft()).y();
        };
        const auto top = [this](const QWidget* w) { return w->mapTo(&editor, QPoint(0, 0)).y(); };
        EXPECT_LE(bottom(editor.grdMeteo), top(footer)) << size.height();
        EXPECT_LT(bottom(footer), top(editor.RangeHint())) << size.height();
        EXPECT_LE(bottom(editor.RangeHint()), editor.height()) << size.height();
    }
}

TEST_F(MeteoEditor, DeleteEmptiesACellAndFullValidationFindsIt) {
    FillValidYear();
    editor.ValidateMeteo();
    EXPECT_TRUE(data.Meteo.DataValid);
    editor.grdMeteo->setFocus();
    editor.grdMeteo->setCurrentCell(6, 7);
    QTest::keyClick(editor.grdMeteo, Qt::Key_Delete);
    EXPECT_EQ(Cell(7, 7), "");
    EXPECT_DOUBLE_EQ(data.Meteo.WindSpeed.GetDay(190), 0); // an empty cell counts as 0
    editor.ValidateMeteo();
    EXPECT_FALSE(data.Meteo.DataValid);
}

TEST_F(MeteoEditor, SaveWritesAnMtfFileAndAnnouncesIt) {
    TWindowMessageLog log;
    TypeCell(1, 1, QStringLiteral("9"));
    dialogs.Answer(dir.File("site"));
    editor.ToolBar()->FileSaveAs1->trigger();
    EXPECT_TRUE(FileExists(dir.File("site.mtf")));
    EXPECT_EQ(editor.windowTitle().toStdString(), "Meteo data [" + dir.File("site.mtf") + "]");
    DeliverPostedEvents();
    EXPECT_EQ(log.Received, std::vector<int>{WM_REFRESH_MAIN});
}

TEST_F(MeteoEditor, ImportCsvFromTheFileMenu) {
    std::string csv = "month,TMIN,Tmax,precipitation,Sunshine,RHmean,RHmax,WindSpeed,WindRatio\n";
    for (int m = 1; m <= 12; ++m)
        csv += std::to_string(m) + ",8,24," + std::to_string(10 * m) + ",7.5,60,85,2.5,2\n";
    WriteBytes(dir.File("normals.csv"), csv);
    QAction* import = editor.findChild<QAction*>(QStringLiteral("actImportCsv"));
    ASSERT_NE(import, nullptr);
    QMenu* file = editor.findChild<QMenuBar*>()->actions().at(0)->menu();
    EXPECT_TRUE(file->actions().contains(import));
    dialogs.Answer(dir.File("normals.csv"));
    import->trigger();
    EXPECT_TRUE(messages.Texts().empty());
    EXPECT_EQ(dialogs.Asked().back().Filter, "CSV files (*.csv)|*.csv|All files (*.*)|*.*");
    EXPECT_EQ(Cell(3, 3), "30.0");
    EXPECT_EQ(Cell(12, 6), "85.0");
    EXPECT_EQ(editor.FooterText(3).toStdString(), "780.0");
    EXPECT_DOUBLE_EQ(data.Meteo.Tmax.GetDay(200), 24);
    EXPECT_TRUE(editor.Modified());

    // A bad file is refused with its reason and changes nothing.
    WriteBytes(dir.File("bad.csv"), "Tmin,Tmax\n1,2\n");
    dialogs.Answer(dir.File("bad.csv"));
    import->trigger();
    EXPECT_EQ(messages.Texts(),
              std::vector<std::string>{"Error in procedure ImportCsv: The column \"Precipitation\" "
                                       "is missing"});
    EXPECT_EQ(Cell(3, 3), "30.0");
    EXPECT_DOUBLE_EQ(data.Meteo.Tmax.GetDay(200), 24);
}

TEST_F(MeteoEditor, ClipboardHoldsTheWindHeightGroupsRowsAndTotal) {
    TypeCell(1, 3, QStringLiteral("31"));
    editor.ToolBar()->CopyToClipboard->trigger();
    const std::string text = QGuiApplication::clipboard()->text().toStdString();
    EXPECT_EQ(text.rfind("\r\n\r\nMeteo Data\r\n\r\n,Height of windspeed measurements above ground "
                         "level (m)\t2.0\r\n\tTemperature\tTemperature\tPrecipitation\t",
                         0),
              0u);
    EXPECT_NE(text.find("\r\nJan (1)\t\t\t31\t\t\t\t\t\t\r\n"), std::string::npos);
    EXPECT_NE(text.find("\r\nTotal\t\t\t31.0\t\t\t\t\t\t\r\n"), std::string::npos);
}
