#include "UiTestSupport.h"

#include "core/cFileIO.h"
#include "core/cGuiSettings.h"
#include "core/cUserMessages.h"
#include "data/cAllData.h"
#include "support/TestProject.h"
#include "support/TestSupport.h"
#include "ui/fGeneral.h"
#include "ui/fToolBar.h"
#include "ui/fUpDown.h"
#include "ui/platform/pWindowMessages.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QTest>
#include <QToolButton>

#include <gtest/gtest.h>

namespace {

std::string Text(const QLineEdit* field) {
    return field->text().toStdString();
}

bool Red(const QWidget* field) {
    return field->palette().color(QPalette::Text) == QColor(Qt::red);
}

class GeneralEditor : public ::testing::Test {
protected:
    TTempDir dir;
    TMessageRecorder messages;
    TFileDialogScript dialogs;
    TAllData data;
    TfrmGeneral editor{data, nullptr};

    void SetUp() override {
        data.GuiSettings.GeneralFolder = dir.File("General");
        editor.ShowEditor();
        DeliverPostedEvents();
    }

    void Type(QLineEdit* field, const QString& text) { ReplaceText(field, text); }
    // A general data file on disk with the given country.
    std::string GeneralFile(const std::string& name, const std::string& country) {
        TGeneral g;
        g.Clear();
        g.Country = country;
        g.Altitude = 12;
        const std::string path = dir.File(name);
        g.Save(path);
        return path;
    }
    // Opens a file of Peru and types Chile over it; the file's path.
    std::string OpenPeruAndTypeChile() {
        const std::string path = GeneralFile("site.gen", "Peru");
        dialogs.Answer(path);
        editor.Open();
        Type(editor.edtCountry, QStringLiteral("Chile"));
        return path;
    }
};

} // namespace

TEST_F(GeneralEditor, NewShowsTheDefaults) {
    EXPECT_EQ(editor.windowTitle().toStdString(), "General data []");
    EXPECT_EQ(Text(editor.edtLatiDegrees), "0");
    EXPECT_EQ(Text(editor.edtLatiMinutes), "0");
    EXPECT_EQ(editor.cbxHemis->currentText().toStdString(), "North");
    EXPECT_EQ(editor.cbxCalcPer->currentText().toStdString(), "Month");
    EXPECT_EQ(Text(editor.edtDm_of_watappl), "75");
    EXPECT_EQ(editor.cbxApplInt->currentText().toStdString(), "20");
    EXPECT_EQ(editor.cbxCNM1->currentIndex(), 0);
    EXPECT_EQ(editor.cbxCNM2->currentText().toStdString(), "A");
    EXPECT_EQ(editor.lblSelectedCNValue->text().toStdString(), "77");
    EXPECT_TRUE(editor.lblSelectedCNValue->font().bold());
    EXPECT_FALSE(editor.ckbxCNM->isEnabled());
    EXPECT_FALSE(editor.ckbxCNM->isChecked());
    EXPECT_FALSE(editor.cbxCNM1->isEnabled());
    EXPECT_EQ(Text(editor.edtFixedpercent), "40");
    EXPECT_EQ(data.GuiSettings.PeriodKind, 3);
    // Only shown: the record keeps its cleared values until a field is stored.
    EXPECT_EQ(data.General.MeanDepth, 0);
    EXPECT_FALSE(editor.Modified());
    EXPECT_EQ(editor.lblAlti->text().toStdString(), "Altitude above mean sea level (m)");
    EXPECT_EQ(editor.lblTot_Area->text().toStdString(), "Size of gross command area (ha)");
    EXPECT_EQ(editor.lblDm_of_watappl->text().toStdString(),
              "Mean depth of water application (mm)");
    // Nothing to save yet; a key that types into a field marks a change, a key that changes
    // nothing (Shift, Ctrl, a cursor key) does not.
    EXPECT_FALSE(editor.ToolBar()->FileSave1->isEnabled());
    EXPECT_FALSE(editor.ToolBar()->FileSaveAs1->isEnabled());
    EXPECT_TRUE(editor.ToolBar()->FileNew1->isEnabled());
    EXPECT_FALSE(editor.ToolBar()->FileExit1->isVisible());
    EXPECT_TRUE(messages.Messages().empty());
    for (Qt::Key key : {Qt::Key_Shift, Qt::Key_Control, Qt::Key_Left, Qt::Key_End})
        QTest::keyClick(editor.edtCountry, key);
    EXPECT_FALSE(editor.Modified());
    QTest::keyClick(editor.edtCountry, Qt::Key_A);
    EXPECT_TRUE(editor.Modified());
    EXPECT_TRUE(editor.ToolBar()->FileSave1->isEnabled());
    EXPECT_TRUE(editor.ToolBar()->FileSaveAs1->isEnabled());
}

TEST_F(GeneralEditor, ImperialUnitsRewriteCaptionsAndTheDefaultDepth) {
    data.GuiSettings.LengthUnit = 1;
    data.GuiSettings.AreaUnit = 1;
    data.GuiSettings.PrecipitationUnit = 1;
    editor.ShowEditor();
    EXPECT_EQ(Text(editor.edtDm_of_watappl), "3.0");
    EXPECT_EQ(editor.lblAlti->text().toStdString(), "Altitude above mean sea level (ft)");
    EXPECT_EQ(editor.lblS_Area->text().toStdString(), "Size of irrigable area (ac)");
    EXPECT_EQ(editor.lblDm_of_watappl->text().toStdString(),
              "Mean depth of water application (in)");
}

TEST_F(GeneralEditor, DegreesSixtySixLocksTheMinutesTypedOrStepped) {
    Type(editor.edtLatiMinutes, QStringLiteral("12"));
    Type(editor.edtLatiDegrees, QStringLiteral("66"));
    EXPECT_EQ(Text(editor.edtLatiMinutes), "0");
    EXPECT_FALSE(editor.updLatiMinutes->isEnabled());
    Type(editor.edtLatiDegrees, QStringLiteral("65"));
    EXPECT_TRUE(editor.updLatiMinutes->isEnabled());
    EXPECT_DOUBLE_EQ(data.General.Latitude, 65);
    // The up-downs step within their limits, and so do the arrow keys in the field.
    Type(editor.edtLatiMinutes, QStringLiteral("59"));
    QTest::mouseClick(editor.updLatiMinutes->UpButton(), Qt::LeftButton);
    EXPECT_EQ(Text(editor.edtLatiMinutes), "59");
    QTest::mouseClick(editor.updLatiDegrees->UpButton(), Qt::LeftButton);
    EXPECT_EQ(Text(editor.edtLatiDegrees), "66");
    EXPECT_EQ(Text(editor.edtLatiMinutes), "0");
    EXPECT_FALSE(editor.updLatiMinutes->isEnabled());
    EXPECT_DOUBLE_EQ(data.General.Latitude, 66);
    editor.edtLatiDegrees->setFocus();
    QTest::keyClick(editor.edtLatiDegrees, Qt::Key_Down);
    EXPECT_EQ(Text(editor.edtLatiDegrees), "65");
    EXPECT_TRUE(editor.updLatiMinutes->isEnabled());
}

TEST_F(GeneralEditor, LatitudeAboveItsLimitsIsCutBack) {
    Type(editor.edtLatiMinutes, QStringLiteral("20"));
    Type(editor.edtLatiDegrees, QStringLiteral("70"));
    EXPECT_EQ(Text(editor.edtLatiDegrees), "66");
    EXPECT_EQ(Text(editor.edtLatiMinutes), "0");
    Type(editor.edtLatiDegrees, QStringLiteral("10"));
    Type(editor.edtLatiMinutes, QStringLiteral("75"));
    EXPECT_EQ(Text(editor.edtLatiMinutes), "59");
    EXPECT_DOUBLE_EQ(data.General.Latitude, 10.59);
}

TEST_F(GeneralEditor, LatitudeIsStoredAsDegreesDotMinutesAndShownBack) {
    Type(editor.edtLatiDegrees, QStringLiteral("52"));
    Type(editor.edtLatiMinutes, QStringLiteral("30"));
    EXPECT_DOUBLE_EQ(data.General.Latitude, 52.3);
    Type(editor.edtLatiDegrees, QStringLiteral("5"));
    Type(editor.edtLatiMinutes, QStringLiteral("3"));
    EXPECT_DOUBLE_EQ(data.General.Latitude, 5.03);

    data.General.FileName = dir.File("site.gen");
    data.General.Latitude = 52.3;
    editor.ShowEditor();
    EXPECT_EQ(Text(editor.edtLatiDegrees), "52");
    EXPECT_EQ(Text(editor.edtLatiMinutes), "30");
    data.General.Latitude = 5.03;
    editor.ShowEditor();
    EXPECT_EQ(Text(editor.edtLatiDegrees), "5");
    EXPECT_EQ(Text(editor.edtLatiMinutes), "3");
}

TEST_F(GeneralEditor, IrrigableAboveGrossTurnsOnlyTheIrrigableFieldRed) {
    Type(editor.edtAlti, QStringLiteral("10"));
    Type(editor.edtTot_Area, QStringLiteral("100"));
    Type(editor.edtS_Area, QStringLiteral("120"));
    EXPECT_TRUE(Red(editor.edtS_Area));
    EXPECT_FALSE(Red(editor.edtTot_Area));
    EXPECT_FALSE(data.General.DataValid);
    Type(editor.edtS_Area, QStringLiteral("90"));
    EXPECT_FALSE(Red(editor.edtS_Area));
    EXPECT_TRUE(data.General.DataValid);
}

TEST_F(GeneralEditor, AltitudeRangeInMetresAndInFeet) {
    Type(editor.edtTot_Area, QStringLiteral("100"));
    Type(editor.edtS_Area, QStringLiteral("100"));
    for (auto [text, red] :
         {std::pair{"-500", false}, {"4500", false}, {"-501", true}, {"4501", true}}) {
        Type(editor.edtAlti, QString::fromUtf8(text));
        EXPECT_EQ(Red(editor.edtAlti), red) << text;
    }
    data.GuiSettings.LengthUnit = 1;
    messages.Answer(TMessageAnswer::No); // New asks about the typed values
    editor.ShowEditor();
    editor.edtAlti->setFocus();
    EXPECT_EQ(editor.RangeHint()->text().toStdString(), "Range: -1640 <= Altitude <= 14763 ft");
    // The check is on metres: -1640 ft is -499.9 m, -1641 ft is -500.2 m.
    for (auto [text, red] :
         {std::pair{"-1640", false}, {"14763", false}, {"-1641", true}, {"14764", true}}) {
        Type(editor.edtAlti, QString::fromUtf8(text));
        EXPECT_EQ(Red(editor.edtAlti), red) << text;
    }
}

TEST_F(GeneralEditor, AMinusAfterTheFirstPositionIsRefused) {
    Type(editor.edtAlti, QStringLiteral("-12"));
    EXPECT_TRUE(messages.Texts().empty()); // a leading minus, and the lone "-" while typing
    EXPECT_DOUBLE_EQ(data.General.Altitude, -12);
    QTest::keyClicks(editor.edtAlti, QStringLiteral("-"));
    EXPECT_EQ(messages.Texts(), std::vector<std::string>{"Invalid value"});
    EXPECT_EQ(messages.Messages().at(0).Kind, TMessageKind::Error);
    EXPECT_EQ(Text(editor.edtAlti), "");
}

TEST_F(GeneralEditor, DepthOfTwentyMillimetresIsTheLowestValid) {
    editor.edtDm_of_watappl->setFocus();
    EXPECT_EQ(editor.RangeHint()->text().toStdString(), "Range: 20 < Application depth <= 200 mm");
    Type(editor.edtDm_of_watappl, QStringLiteral("20"));
    EXPECT_FALSE(Red(editor.edtDm_of_watappl));
    Type(editor.edtDm_of_watappl, QStringLiteral("19.9"));
    EXPECT_TRUE(Red(editor.edtDm_of_watappl));
    editor.edtCountry->setFocus();
    EXPECT_EQ(editor.RangeHint()->text().toStdString(), "");
}

TEST_F(GeneralEditor, WeekDisablesTheCurveNumberBoxWhateverItsState) {
    Choose(editor.cbxCalcPer, QStringLiteral("Day"));
    EXPECT_EQ(editor.cbxCalcPer->currentText().toStdString(), "Day");
    EXPECT_TRUE(editor.ckbxCNM->isEnabled());
    EXPECT_TRUE(data.General.CurveNumberOffered);
    EXPECT_EQ(data.GuiSettings.PeriodKind, 1);
    editor.ckbxCNM->setFocus();
    QTest::keyClick(editor.ckbxCNM, Qt::Key_Space);
    EXPECT_TRUE(editor.ckbxCNM->isChecked());
    EXPECT_TRUE(editor.cbxCNM1->isEnabled());
    EXPECT_TRUE(data.General.UseCurveNumber);

    Choose(editor.cbxCalcPer, QStringLiteral("Week"));
    EXPECT_FALSE(editor.ckbxCNM->isEnabled());
    EXPECT_TRUE(editor.ckbxCNM->isChecked()); // keeps its state
    EXPECT_FALSE(editor.cbxCNM1->isEnabled());
    EXPECT_FALSE(data.General.CurveNumberOffered);
    EXPECT_EQ(data.General.CalcPeriod, "Week");
    EXPECT_EQ(data.GuiSettings.PeriodKind, 2);
    EXPECT_TRUE(editor.Modified());
}

TEST_F(GeneralEditor, LandUseAndSoilGroupPickTheCurveNumber) {
    Choose(editor.cbxCalcPer, QStringLiteral("Day"));
    editor.ckbxCNM->setFocus();
    QTest::keyClick(editor.ckbxCNM, Qt::Key_Space);
    Choose(editor.cbxCNM1, editor.cbxCNM1->itemText(30));
    EXPECT_EQ(editor.cbxCNM1->currentIndex(), 30);
    EXPECT_EQ(editor.lblSelectedCNValue->text().toStdString(), "6");
    EXPECT_EQ(data.General.CurveNumber, 6);
    Choose(editor.cbxCNM2, QStringLiteral("C"));
    EXPECT_EQ(editor.lblSelectedCNValue->text().toStdString(), "70");
    // Storing takes the row and group along.
    Type(editor.edtCountry, QStringLiteral("Peru"));
    EXPECT_EQ(data.General.LandUseIndex, 30);
    EXPECT_EQ(data.General.SoilGroupIndex, 2);
    EXPECT_EQ(data.General.CurveNumber, 70);
}

TEST_F(GeneralEditor, NumberFieldsDropWhatTheyCannotHold) {
    Type(editor.edtTot_Area, QStringLiteral("12.5.3abc"));
    EXPECT_EQ(Text(editor.edtTot_Area), "12.53");
    Type(editor.edtLatiDegrees, QStringLiteral("4.5"));
    EXPECT_EQ(Text(editor.edtLatiDegrees), "45");
    Type(editor.edtTot_Area, QStringLiteral("-7"));
    EXPECT_EQ(Text(editor.edtTot_Area), "7");
}

TEST_F(GeneralEditor, CtrlVPastesIntoAField) {
    QGuiApplication::clipboard()->setText(QStringLiteral("1500"));
    editor.edtTot_Area->setFocus();
    editor.edtTot_Area->selectAll();
    QTest::keyClick(editor.edtTot_Area, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(Text(editor.edtTot_Area), "1500");
    EXPECT_DOUBLE_EQ(data.General.GrossArea, 1500);
    EXPECT_TRUE(editor.Modified());
}

TEST_F(GeneralEditor, ATypedChangeIsStoredAndAnnounced) {
    TWindowMessageLog log;
    Type(editor.edtCountry, QStringLiteral("Chile"));
    DeliverPostedEvents();
    EXPECT_EQ(data.General.Country, "Chile");
    ASSERT_FALSE(log.Received.empty());
    for (int id : {WM_REFRESH_MAIN, WM_REFRESH_METEO, WM_REFRESH_CROPFACTOR})
        EXPECT_NE(std::find(log.Received.begin(), log.Received.end(), id), log.Received.end());
    // Choosing a land use stores nothing and announces nothing.
    Choose(editor.cbxCalcPer, QStringLiteral("Day"));
    editor.ckbxCNM->setFocus();
    DeliverPostedEvents();
    log.Received.clear();
    QTest::keyClick(editor.ckbxCNM, Qt::Key_Space);
    DeliverPostedEvents();
    EXPECT_TRUE(log.Received.empty());
}

TEST_F(GeneralEditor, FixedPercentIsStoredAsEnteredWhateverTheAreaUnit) {
    data.GuiSettings.AreaUnit = 1;
    editor.ShowEditor();
    EXPECT_FALSE(editor.edtFixedpercent->isEnabled());
    editor.ckbxFixedPercent->setFocus();
    QTest::keyClick(editor.ckbxFixedPercent, Qt::Key_Space);
    EXPECT_TRUE(editor.edtFixedpercent->isEnabled());
    EXPECT_TRUE(data.General.UseFixedPercent);
    Type(editor.edtFixedpercent, QStringLiteral("40"));
    EXPECT_DOUBLE_EQ(data.General.FixedPercent, 40);
    data.General.FileName = dir.File("site.gen");
    editor.ShowEditor();
    EXPECT_EQ(Text(editor.edtFixedpercent), "40");
}

TEST_F(GeneralEditor, SaveWritesAGenFileAndShowsItsPath) {
    Type(editor.edtCountry, QStringLiteral("Peru"));
    dialogs.Answer(dir.File("lima.txt"));
    editor.ToolBar()->FileSave1->trigger();
    const std::string saved = dir.File("lima.gen");
    EXPECT_TRUE(FileExists(saved));
    EXPECT_EQ(editor.windowTitle().toStdString(), "General data [" + saved + "]");
    EXPECT_FALSE(editor.Modified());
    EXPECT_EQ(dialogs.Asked().at(0).Folder, dir.File("General"));

    // A record named with another extension is saved beside it as .gen.
    data.General.FileName = GeneralFile("old.dat", "Peru");
    Type(editor.edtCountry, QStringLiteral("Chile"));
    editor.ToolBar()->FileSave1->trigger();
    EXPECT_TRUE(FileExists(dir.File("old.gen")));
    EXPECT_EQ(editor.windowTitle().toStdString(), "General data [" + dir.File("old.gen") + "]");
    TGeneral reread;
    ASSERT_TRUE(reread.Load(dir.File("old.gen")));
    EXPECT_EQ(reread.Country, "Chile");
    EXPECT_EQ(reread.MeanDepth, 75); // the shown default went in with the first store
    EXPECT_EQ(reread.ApplInterval, 20);
    ASSERT_TRUE(reread.Load(dir.File("old.dat"))); // the file it was read from stays
    EXPECT_EQ(reread.Country, "Peru");
}

TEST_F(GeneralEditor, ClipboardHoldsEveryFieldAsShown) {
    LoadValidProject(data);
    data.General.Hemisphere = "South";
    data.General.Latitude = 5.03;
    editor.ShowEditor();
    editor.ToolBar()->CopyToClipboard->trigger();
    EXPECT_EQ(QGuiApplication::clipboard()->text().toStdString(),
              data.General.FileName +
                  "\r\n\r\nGeneral Data\r\n\r\n"
                  "Country\tEgypt\r\n"
                  "Name of region or project\tNile delta\r\n"
                  "Description of irrigated area\t" +
                  data.General.Description +
                  "\r\n"
                  "Hemisphere\tSouth\r\n"
                  "Latitude (degrees.minutes)\t5.3\r\n"
                  "Altitude above mean sea level (m)\t100.00\r\n"
                  "Size of gross command area (ha)\t1200.0\r\n"
                  "Size of irrigable area (ha)\t1000.0\r\n"
                  "Calculation period\tMonth\r\n"
                  "Mean depth of water application (mm)\t75.0\r\n"
                  "Interval between applications (days)\t10\r\n");
}

TEST_F(GeneralEditor, ShowingALoadedRecordAppliesThePeriodAndTheCurveNumber) {
    data.General.Clear();
    data.General.FileName = dir.File("site.gen");
    data.General.CalcPeriod = "Day";
    data.General.UseCurveNumber = true;
    data.General.LandUseIndex = 30;
    data.General.SoilGroupIndex = 1;
    data.General.IrrigableArea = 10;
    data.General.GrossArea = 10;
    data.General.MeanDepth = 50;
    editor.ShowEditor();
    EXPECT_TRUE(editor.ckbxCNM->isEnabled());
    EXPECT_TRUE(editor.cbxCNM1->isEnabled());
    EXPECT_EQ(editor.lblSelectedCNValue->text().toStdString(), "35");
    EXPECT_EQ(data.General.CurveNumber, 35);
    EXPECT_TRUE(data.General.CurveNumberOffered);
    EXPECT_TRUE(data.General.DataValid);
    EXPECT_EQ(data.GuiSettings.PeriodKind, 1);
}

// ---- the commands every data editor shares ----

TEST_F(GeneralEditor, TheCommandsCarryTheirCaptionsHintsAndShortcuts) {
    TfrmToolBar* bar = editor.ToolBar();
    EXPECT_EQ(bar->FileNew1->text().toStdString(), "&New");
    EXPECT_EQ(bar->FileNew1->toolTip().toStdString(), "New");
    EXPECT_EQ(bar->FileNew1->statusTip().toStdString(), "Create a new file");
    EXPECT_EQ(bar->FileNew1->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_N));
    EXPECT_EQ(bar->FileSaveAs1->text().toStdString(), "Save &As...");
    EXPECT_EQ(bar->FileSaveAs1->statusTip().toStdString(), "Save current file with different name");
    EXPECT_EQ(bar->FileSave1->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_S));
    EXPECT_FALSE(bar->PatternLineAdd->isVisible());
    QMenu* file = editor.findChild<QMenuBar*>()->actions().at(0)->menu();
    ASSERT_NE(file, nullptr);
    EXPECT_EQ(file->title().toStdString(), "&File");
    EXPECT_TRUE(file->actions().contains(bar->FileSave1));
    EXPECT_TRUE(bar->PopupMenu->actions().contains(bar->CopyToClipboard));
}

TEST_F(GeneralEditor, WithoutChangesNewOpenExitAndClosingAskNothing) {
    editor.New();
    editor.Open(); // the dialog is cancelled
    editor.Exit();
    editor.show();
    editor.close();
    EXPECT_TRUE(messages.Messages().empty());
    ASSERT_EQ(dialogs.Asked().size(), 1u);
    EXPECT_EQ(dialogs.Asked()[0].Folder, data.GuiSettings.GeneralFolder);
    EXPECT_EQ(dialogs.Asked()[0].Filter, "General files (*.gen)|*.gen|All files (*.*)|*.*");
}

TEST_F(GeneralEditor, OpenLoadsTheFileShowsItAndClearsTheChange) {
    TWindowMessageLog log;
    const std::string path = GeneralFile("site.gen", "Peru");
    Type(editor.edtCountry, QStringLiteral("x"));
    DeliverPostedEvents();
    log.Received.clear(); // what typing announced
    messages.Answer(TMessageAnswer::No);
    dialogs.Answer(path);
    editor.Open();
    EXPECT_EQ(messages.Texts(), std::vector<std::string>{"Save changes to file?"});
    EXPECT_EQ(data.General.Country, "Peru");
    EXPECT_EQ(editor.edtCountry->text().toStdString(), "Peru");
    EXPECT_EQ(editor.windowTitle().toStdString(), "General data [" + path + "]");
    EXPECT_FALSE(editor.ToolBar()->FileSave1->isEnabled());
    DeliverPostedEvents();
    EXPECT_EQ(log.Received,
              (std::vector<int>{WM_REFRESH_MAIN, WM_REFRESH_METEO, WM_REFRESH_CROPFACTOR}));
}

TEST_F(GeneralEditor, SaveAsProposesTheNameAndOpenWithYesSavesWithoutADialog) {
    const std::string path = OpenPeruAndTypeChile();
    editor.SaveAs(); // cancelled: nothing changes
    ASSERT_EQ(dialogs.Asked().size(), 2u);
    EXPECT_EQ(dialogs.Asked()[1].Proposed, path);
    EXPECT_TRUE(editor.Modified());
    TGeneral file;
    ASSERT_TRUE(file.Load(path));
    EXPECT_EQ(file.Country, "Peru");

    messages.Answer(TMessageAnswer::Yes);
    editor.Open();
    EXPECT_EQ(dialogs.Asked().size(), 2u); // no open dialog after the save
    ASSERT_TRUE(file.Load(path));
    EXPECT_EQ(file.Country, "Chile");
    EXPECT_FALSE(editor.Modified());
}

TEST_F(GeneralEditor, NewAsksCancelKeepsTheChangeAndNoDropsIt) {
    data.General.Country = "Chile";
    Type(editor.edtCountry, QStringLiteral("Chile"));
    messages.Answer(TMessageAnswer::Cancel);
    editor.New();
    EXPECT_EQ(messages.Texts(), std::vector<std::string>{"Save changes?"});
    EXPECT_TRUE(editor.Modified());
    EXPECT_EQ(editor.edtCountry->text().toStdString(), "Chile");
    messages.Answer(TMessageAnswer::No);
    editor.New();
    EXPECT_EQ(data.General.Country, "");
    EXPECT_EQ(editor.edtCountry->text().toStdString(), "");
    EXPECT_FALSE(editor.Modified());
}

TEST_F(GeneralEditor, NewWithYesOnAnUnsavedRecordAsksForANameFirst) {
    Type(editor.edtCountry, QStringLiteral("Chile"));
    messages.Answer(TMessageAnswer::Yes);
    editor.New(); // the save dialog is cancelled: nothing changes
    EXPECT_EQ(editor.edtCountry->text().toStdString(), "Chile");
    EXPECT_TRUE(editor.Modified());
    messages.Answer(TMessageAnswer::Yes);
    dialogs.Answer(dir.File("chile"));
    editor.New();
    ASSERT_EQ(dialogs.Asked().size(), 2u);
    EXPECT_TRUE(dialogs.Asked()[1].Save);
    EXPECT_EQ(dialogs.Asked()[1].Filter, "All Files (*.*)|*.*");
    TGeneral saved;
    ASSERT_TRUE(saved.Load(dir.File("chile.gen")));
    EXPECT_EQ(saved.Country, "Chile");
    EXPECT_EQ(data.General.FileName, ""); // then cleared for the new record
}

TEST_F(GeneralEditor, AFailedSaveIsReportedAndKeepsTheChange) {
    data.General.FileName = dir.File("no-such-folder/site.gen");
    Type(editor.edtCountry, QStringLiteral("Chile"));
    messages.Answer(TMessageAnswer::Yes); // save the unfinished data all the same
    editor.Save();
    ASSERT_EQ(messages.Messages().size(), 2u);
    EXPECT_EQ(messages.Messages()[1].Kind, TMessageKind::Error);
    EXPECT_TRUE(editor.Modified());
}

// Unfinished work is worth keeping, but a value out of range is named before it is saved.
TEST_F(GeneralEditor, SavingAValueOutOfRangeAsksFirstAndNoSavesNothing) {
    ReplaceText(editor.edtTot_Area, QStringLiteral("100"));
    ReplaceText(editor.edtS_Area, QStringLiteral("120"));
    dialogs.Answer(dir.File("site.gen"));
    messages.Answer(TMessageAnswer::No);
    EXPECT_FALSE(editor.Save());
    EXPECT_EQ(messages.Texts(),
              std::vector<std::string>{
                  "Out of range: Size of irrigable area = 120.0 (Range: 1 < Irrigable area <= "
                  "1000000 ha and Irrigable area <= Gross area).\rSave anyway?"});
    EXPECT_EQ(messages.Messages()[0].Kind, TMessageKind::Warning);
    EXPECT_EQ(messages.Messages()[0].Buttons, TMessageButtons::YesNo);
    EXPECT_TRUE(dialogs.Asked().empty()); // no name asked for what is not saved
    EXPECT_FALSE(FileExists(dir.File("site.gen")));
    EXPECT_TRUE(editor.Modified());
    messages.Answer(TMessageAnswer::Yes);
    EXPECT_TRUE(editor.SaveAs());
    EXPECT_TRUE(FileExists(dir.File("site.gen")));
    EXPECT_FALSE(editor.Modified());
}

TEST_F(GeneralEditor, ExitWithNoKeepsANewRecordsValuesButRestoresALoadedOne) {
    Type(editor.edtCountry, QStringLiteral("Chile"));
    messages.Answer(TMessageAnswer::Cancel);
    editor.Exit();
    EXPECT_TRUE(editor.isVisible());
    EXPECT_TRUE(editor.Modified());
    messages.Answer(TMessageAnswer::No);
    editor.Exit();
    EXPECT_FALSE(editor.isVisible());
    EXPECT_EQ(data.General.Country, "Chile");
    EXPECT_FALSE(editor.Modified());

    editor.ShowEditor();
    OpenPeruAndTypeChile();
    EXPECT_EQ(data.General.Country, "Chile"); // edited in place
    messages.Answer(TMessageAnswer::No);
    editor.Exit();
    EXPECT_FALSE(editor.isVisible());
    EXPECT_EQ(data.General.Country, "Peru");
}

TEST_F(GeneralEditor, ClosingByTheFrameCancelStaysNoKeepsTheEditsYesSaves) {
    const std::string path = OpenPeruAndTypeChile();
    messages.Answer(TMessageAnswer::Cancel);
    EXPECT_FALSE(editor.close());
    EXPECT_TRUE(editor.isVisible());
    messages.Answer(TMessageAnswer::No);
    EXPECT_TRUE(editor.close());
    EXPECT_EQ(data.General.Country, "Chile"); // unlike Exit
    EXPECT_FALSE(editor.Modified());

    editor.ShowEditor();
    Type(editor.edtCountry, QStringLiteral("Chile"));
    messages.Answer(TMessageAnswer::Yes);
    EXPECT_TRUE(editor.close());
    TGeneral saved;
    ASSERT_TRUE(saved.Load(path));
    EXPECT_EQ(saved.Country, "Chile");
}

TEST_F(GeneralEditor, RefreshesOnItsOwnMessageOnlyWhileVisible) {
    data.General.Country = "Peru";
    BroadCastBoodschap(WM_REFRESH_METEO);
    DeliverPostedEvents();
    EXPECT_EQ(Text(editor.edtCountry), "");
    BroadCastBoodschap(WM_REFRESH_GENERAL);
    DeliverPostedEvents();
    EXPECT_EQ(Text(editor.edtCountry), "Peru");
    editor.hide();
    data.General.Country = "Chile";
    BroadCastBoodschap(WM_REFRESH_GENERAL);
    DeliverPostedEvents();
    EXPECT_EQ(Text(editor.edtCountry), "Peru");
}

TEST_F(GeneralEditor, AMinimisedEditorIsRestoredWhenOpenedAgain) {
    editor.showMinimized();
    editor.ShowEditor();
    EXPECT_FALSE(editor.windowState() & Qt::WindowMinimized);
    EXPECT_TRUE(editor.isVisible());
}

TEST_F(GeneralEditor, AFailedLoadChangesNothingElse) {
    const std::string good = GeneralFile("good.gen", "Peru");
    dialogs.Answer(good);
    editor.Open();
    WriteBytes(dir.File("bad.gen"), Bytes({2, 2, 0}));
    Type(editor.edtCountry, QStringLiteral("Chile"));
    messages.Answer(TMessageAnswer::No);
    dialogs.Answer(dir.File("bad.gen"));
    editor.Open();
    ASSERT_EQ(messages.Messages().size(), 2u); // the question, then the read error
    EXPECT_EQ(messages.Messages()[1].Kind, TMessageKind::Error);
    EXPECT_EQ(data.General.FileName, good);
    EXPECT_EQ(editor.edtCountry->text().toStdString(), "Chile");
    EXPECT_TRUE(editor.Modified());
}
