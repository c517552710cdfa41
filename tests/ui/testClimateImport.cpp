#include "UiTestSupport.h"

#include "calc/uClimateNormals.h"
#include "core/cFileIO.h"
#include "core/cGuiSettings.h"
#include "core/cNumberFormat.h"
#include "core/cUserMessages.h"
#include "data/cAllData.h"
#include "support/ClimateGenerator.h"
#include "support/TestSupport.h"
#include "ui/fClimateImport.h"
#include "ui/fMeteo.h"

#include <QAction>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QProgressBar>
#include <QPushButton>
#include <QSpinBox>
#include <QStandardItemModel>
#include <QTableWidget>
#include <QTest>

#include <gtest/gtest.h>

namespace {

std::string Text(const QLabel* label) {
    return label->text().toStdString();
}

std::string Cell(const QTableWidget* table, int row, int column) {
    const QTableWidgetItem* item = table->item(row, column);
    return item ? item->text().toStdString() : "";
}

void Click(QPushButton* button) {
    QTest::mouseClick(button, Qt::LeftButton);
}

class ClimateImport : public ::testing::Test {
protected:
    TTempDir dir;
    TMessageRecorder messages;
    TFileDialogScript dialogs;
    TAllData data;
    TfrmMeteo editor{data, nullptr};
    QAction* action = nullptr;

    void SetUp() override {
        data.General.Clear();
        data.General.Hemisphere = "North";
        data.General.Latitude = 37.24; // 37°24'
        data.GuiSettings.MeteoFolder = dir.File("Meteo");
        QDir().mkpath(QString::fromStdString(dir.File("Meteo")));
        editor.ShowEditor();
        DeliverPostedEvents();
        action = editor.findChild<QAction*>(QStringLiteral("actImportClimate"));
    }

    std::string Write(const std::string& name, const std::string& text) {
        WriteBytes(dir.File(name), text);
        return dir.File(name);
    }

    // Chooses the file in the editor's open dialog and runs check on the preview.
    bool Preview(const std::string& file, const std::function<void(TfrmClimateImport&)>& check) {
        dialogs.Answer(file);
        return RunModal<TfrmClimateImport>([&] { action->trigger(); }, check);
    }

    std::string GridCell(int row, int column) const {
        const QTableWidgetItem* item = editor.grdMeteo->item(row - 1, column);
        return item ? item->text().toStdString() : "";
    }
};

TEST_F(ClimateImport, ThePreviewShowsTheRecordAndImportFillsTheGridAsAnEdit) {
    ASSERT_NE(action, nullptr);
    EXPECT_EQ(action->text(), QStringLiteral("Import climate record..."));
    QMenu* file = editor.findChild<QMenuBar*>()->actions().at(0)->menu();
    EXPECT_TRUE(file->actions().contains(action));

    TSyntheticClimateSpec spec;
    spec.Layout = TGenLayout::NasaPower;
    spec.Years = 10;
    spec.GapShare = 0.02;
    const TSyntheticClimate record = MakeSyntheticClimate(spec);
    const std::string path = Write("power.csv", record.Text);
    std::vector<std::string> shown;
    ASSERT_TRUE(Preview(path, [&](TfrmClimateImport& d) {
        EXPECT_EQ(Text(d.lblLayout), "NASA POWER daily CSV; the date in YEAR, MO, DY");
        EXPECT_EQ(Text(d.lblSite), "Latitude 37.40 (the record), longitude -5.98, elevation "
                                   "29.21 m");
        EXPECT_EQ(Text(d.lblPeriod), "Period covered: 1991-01-01 to 2000-12-31, 3653 days");
        ASSERT_EQ(d.grdColumns->rowCount(), 6);
        EXPECT_EQ(Cell(d.grdColumns, 5, 1), "ALLSKY_SFC_SW_DWN");
        EXPECT_EQ(Cell(d.grdColumns, 5, 2), "Radiation");
        EXPECT_EQ(Cell(d.grdColumns, 5, 3), "MJ/m²/day");
        EXPECT_FALSE(d.cbxRadiation->isVisible()); // the header says the unit
        EXPECT_EQ(d.edtWindHeight->text(), QStringLiteral("2.00"));
        EXPECT_EQ(Text(d.lblWindHeight), "from the column WS2M");
        EXPECT_EQ(d.spnFrom->value(), 1991);
        EXPECT_EQ(d.spnTo->value(), 2000);
        // The gaps, per variable.
        ASSERT_EQ(d.grdSummary->rowCount(), 8);
        EXPECT_EQ(Cell(d.grdSummary, 0, 0), "Tmin");
        EXPECT_EQ(Cell(d.grdSummary, 0, 4), std::to_string(record.DaysMissing[0]));
        EXPECT_EQ(Cell(d.grdSummary, 3, 1), "from the radiation ALLSKY_SFC_SW_DWN (MJ/m²/day)");
        // The table as the editor will show it.
        ASSERT_EQ(d.grdResult->rowCount(), 12);
        EXPECT_EQ(Cell(d.grdResult, 0, 0), "Jan (1)");
        // Its captions name the quantity as the editor's two header rows do.
        const auto caption = [&d](int c) {
            return d.grdResult->horizontalHeaderItem(c)->text().toStdString();
        };
        EXPECT_EQ(caption(0), "Period\n(Month)");
        EXPECT_EQ(caption(2), "Temperature\nmax (°C)");
        EXPECT_EQ(caption(3), "Precipitation\n(mm)");
        EXPECT_EQ(caption(8), "Windspeed\nratio (-)");
        EXPECT_NEAR(TextToNumber(Cell(d.grdResult, 6, 2)), record.Normals[6][1], 0.051);
        EXPECT_TRUE(d.btnImport->isEnabled());

        // Dependable rainfall, then fewer years.
        const std::string meanJanuary = Cell(d.grdResult, 0, 3);
        Choose(d.cbxRain, QStringLiteral("Dependable rainfall, 80 %"));
        EXPECT_NEAR(TextToNumber(Cell(d.grdResult, 0, 3)),
                    *DependableRainfall(record.RainTotals[0], 80), 0.05 * 31 + 0.05);
        EXPECT_NE(Cell(d.grdResult, 0, 3), meanJanuary);
        ReplaceText(d.spnFrom->findChild<QLineEdit*>(), QStringLiteral("1995"));
        EXPECT_EQ(d.spnFrom->value(), 1995);
        EXPECT_EQ(Cell(d.grdSummary, 0, 2), "6");
        for (int r = 0; r < 12; ++r)
            shown.push_back(Cell(d.grdResult, r, 1) + " " + Cell(d.grdResult, r, 3) + " " +
                            Cell(d.grdResult, r, 4));
        Click(d.btnImport);
    }));
    EXPECT_TRUE(messages.Texts().empty());
    EXPECT_EQ(dialogs.Asked().back().Filter,
              "Climate records (*.csv *.txt)|*.csv;*.txt|All files (*.*)|*.*");
    for (int row = 1; row <= 12; ++row) {
        EXPECT_EQ(GridCell(row, 1) + " " + GridCell(row, 3) + " " + GridCell(row, 4),
                  shown[row - 1]);
        for (int column = 1; column <= 8; ++column) // imported values are never out of range
            EXPECT_NE(editor.CellState(row, column), TMeteoCellState::OutOfRange)
                << row << " " << column;
    }
    EXPECT_EQ(editor.edtWHeigth->text(), QStringLiteral("2.00"));
    EXPECT_EQ(data.Meteo.WindHeight, 2);
    // An edit: changed, not saved.
    EXPECT_TRUE(editor.Modified());
    EXPECT_EQ(data.Meteo.FileName, "");
    EXPECT_TRUE(QDir(QString::fromStdString(dir.File("Meteo"))).isEmpty());
    editor.ValidateMeteo();
    EXPECT_TRUE(data.Meteo.DataValid);
}

TEST_F(ClimateImport, CancelChangesNothing) {
    data.Meteo.Tmin.Fill(7);
    const TMeteo before = data.Meteo;
    const std::string path = Write("station.csv", MakeSyntheticClimate({}).Text);
    ASSERT_TRUE(Preview(path, [&](TfrmClimateImport& d) {
        EXPECT_TRUE(d.btnImport->isEnabled());
        // The wind height is a number field like the editor's: letters are dropped, Delete and
        // Ctrl+A work with X11's texts, a paste that is no number is refused.
        QLineEdit* height = d.edtWindHeight;
        height->setFocus();
        height->setText(QStringLiteral("2.00"));
        height->setCursorPosition(0);
        X11Key(height, Qt::Key_Delete);
        QTest::keyClicks(height, QStringLiteral("x3"));
        EXPECT_EQ(height->text(), QStringLiteral("3.00"));
        X11Key(height, Qt::Key_A, Qt::ControlModifier);
        EXPECT_EQ(height->selectedText(), QStringLiteral("3.00"));
        QGuiApplication::clipboard()->setText(QStringLiteral("abc"));
        QTest::keyClick(height, Qt::Key_V, Qt::ControlModifier);
        EXPECT_EQ(messages.Texts(), std::vector<std::string>{"Invalid value"});
        EXPECT_EQ(height->text(), QStringLiteral("3.00"));
        QGuiApplication::clipboard()->setText(QStringLiteral("10\n"));
        QTest::keyClick(height, Qt::Key_V, Qt::ControlModifier);
        EXPECT_EQ(height->text(), QStringLiteral("10"));
        EXPECT_TRUE(d.btnImport->isEnabled()); // the preview took the pasted height
        Click(d.btnCancel);
    }));
    for (int s = 0; s < TMeteo::kSeriesCount; ++s)
        EXPECT_EQ(*data.Meteo.Series()[s], *before.Series()[s]);
    EXPECT_FALSE(editor.Modified());
}

TEST_F(ClimateImport, BadInputIsNamedAndChangesNothing) {
    const TMeteo before = data.Meteo;
    const std::string bad = Write("bad.csv", "date,tmin,tmax,rain,sunshine,rh,wind\n"
                                             "2001-01-01,5,20,0,8,60,2\n"
                                             "2001-01-02,5,x,0,8,60,2\n");
    ASSERT_TRUE(Preview(bad, [&](TfrmClimateImport& d) {
        EXPECT_EQ(Text(d.lblMessage), "Line 3, column 3 \"tmax\": \"x\" is not a number");
        EXPECT_FALSE(d.btnImport->isEnabled());
        EXPECT_EQ(d.grdResult->rowCount(), 0);
    }));
    // A file that is no daily record at all is refused before any preview.
    const std::string normals = Write("normals.csv", "Month,Tmin,Tmax\nJan,5,20\n");
    dialogs.Answer(normals);
    action->trigger();
    EXPECT_EQ(messages.Texts(),
              std::vector<std::string>{"Error in procedure ImportClimateRecord: Line 1: not a "
                                       "daily climate record that Quelta knows: the header names "
                                       "no date (a \"date\" column, or \"year\" with \"month\" "
                                       "and \"day\", or \"year\" with \"doy\")"});
    for (int s = 0; s < TMeteo::kSeriesCount; ++s)
        EXPECT_EQ(*data.Meteo.Series()[s], *before.Series()[s]);
    EXPECT_FALSE(editor.Modified());
}

TEST_F(ClimateImport, TheRadiationUnitIsAskedWhenTheFileDoesNotSayIt) {
    TSyntheticClimateSpec spec;
    spec.Radiation = TGenRadiation::Megajoules;
    spec.StateRadiationUnit = false;
    spec.Years = 5;
    const TSyntheticClimate record = MakeSyntheticClimate(spec);
    ASSERT_TRUE(Preview(Write("station.csv", record.Text), [&](TfrmClimateImport& d) {
        EXPECT_TRUE(d.cbxRadiation->isVisible());
        EXPECT_EQ(Text(d.lblMessage), "Choose the unit of the radiation column \"radiation\": the "
                                      "file does not say it.");
        EXPECT_FALSE(d.btnImport->isEnabled());
        EXPECT_EQ(Cell(d.grdColumns, 3, 3), "");
        Choose(d.cbxRadiation, QStringLiteral("MJ/m²/day"));
        EXPECT_EQ(Text(d.lblMessage), "");
        EXPECT_TRUE(d.btnImport->isEnabled());
        // The record has no latitude: the general data's gives the astronomy.
        EXPECT_EQ(Text(d.lblSite), "Latitude 37.40 (the general data)");
        EXPECT_NEAR(TextToNumber(Cell(d.grdResult, 5, 4)), record.Normals[5][3], 0.051);
        // A wrong unit shows in what reaches the ground.
        Choose(d.cbxRadiation, QStringLiteral("kWh/m²/day"));
        EXPECT_NE(Text(d.lblMessage).find("is more than reaches the top of the atmosphere"),
                  std::string::npos)
            << Text(d.lblMessage);
        EXPECT_FALSE(d.btnImport->isEnabled());
    }));
}

TEST_F(ClimateImport, DailyNormalsAreOfferedOnlyWithADailyPeriod) {
    const std::string path = Write("station.csv", MakeSyntheticClimate({}).Text);
    ASSERT_TRUE(Preview(path, [&](TfrmClimateImport& d) {
        auto* model = qobject_cast<QStandardItemModel*>(d.cbxNormals->model());
        ASSERT_NE(model, nullptr);
        EXPECT_FALSE(model->item(1)->isEnabled());
        EXPECT_TRUE(d.lblNormals->isVisible());
        EXPECT_EQ(Text(d.lblNormals), "Daily normals need the calculation period Day; the "
                                      "project's period is Month.");
    }));

    data.GuiSettings.SetPeriodKind(1);
    data.General.CalcPeriod = "Day";
    bool taken = false;
    ASSERT_TRUE(
        RunModal<TfrmClimateImport>([&] { taken = TfrmClimateImport(data, path, nullptr).Run(); },
                                    [&](TfrmClimateImport& d) {
                                        EXPECT_FALSE(d.lblNormals->isVisible());
                                        Choose(d.cbxNormals, QStringLiteral("Daily normals"));
                                        EXPECT_EQ(d.grdResult->rowCount(), 365);
                                        EXPECT_EQ(Cell(d.grdResult, 59, 0), "01/03 (60)");
                                        EXPECT_FALSE(d.cbxRain->isEnabled());
                                        Click(d.btnImport);
                                    }));
    EXPECT_TRUE(taken);
    EXPECT_NE(data.Meteo.Tmax.GetDay(1), data.Meteo.Tmax.GetDay(2));
}

TEST_F(ClimateImport, ALongRecordShowsItsProgressAndCancelStopsTheRead) {
    TSyntheticClimateSpec spec;
    spec.Layout = TGenLayout::NasaPower;
    spec.Years = 50;
    spec.FirstYear = 1971;
    const std::string path = Write("long.csv", MakeSyntheticClimate(spec).Text);
    ASSERT_GT(ReadBytes(path).size(), TfrmClimateImport::kLongRecord);
    data.Meteo.Tmin.Fill(7);
    const TMeteo before = data.Meteo;

    TfrmClimateImport dialog(data, path, nullptr);
    std::vector<int> reported;
    bool barShown = false;
    QObject::connect(&dialog, &TfrmClimateImport::ReadProgress, [&](int percent) {
        reported.push_back(percent);
        barShown = dialog.prbRead->isVisible();
        if (reported.size() == 2)
            Click(dialog.btnCancel);
    });
    EXPECT_FALSE(dialog.Run());
    EXPECT_EQ(reported.size(), 2u);
    EXPECT_TRUE(barShown);
    EXPECT_GT(reported[1], reported[0]);
    EXPECT_FALSE(dialog.isVisible());
    for (int s = 0; s < TMeteo::kSeriesCount; ++s)
        EXPECT_EQ(*data.Meteo.Series()[s], *before.Series()[s]);
}

} // namespace
