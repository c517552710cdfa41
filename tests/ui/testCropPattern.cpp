#include "UiTestSupport.h"

#include "core/cFileIO.h"
#include "core/cUserMessages.h"
#include "data/cAllData.h"
#include "support/TestProject.h"
#include "support/TestSupport.h"
#include "ui/fCropPattern.h"
#include "ui/fCropPatternLine.h"
#include "ui/fToolBar.h"
#include "ui/fUpDown.h"
#include "ui/platform/pWindowMessages.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QTableWidget>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include <functional>

#include <gtest/gtest.h>

namespace {

std::string Text(const QLineEdit* field) {
    return field->text().toStdString();
}

// Runs act on the crop dialog as soon as it shows; a dialog that act leaves open is closed by
// its frame, as a user cancels it.
void OnCropDialog(std::function<void(TfrmCropPatternLine&)> act) {
    QTimer::singleShot(0, [act] {
        TfrmCropPatternLine* dialog = VisibleWindow<TfrmCropPatternLine>();
        if (!dialog)
            return;
        act(*dialog);
        if (dialog->isVisible())
            dialog->close();
    });
}

// The main window's project: a valid site of 100 ha irrigable, and crop factor files a user wrote.
class CropPatternEditor : public ::testing::Test {
protected:
    TTempDir dir;
    TMessageRecorder messages;
    TFileDialogScript dialogs;
    TAllData data;
    TfrmCropPattern editor{data, nullptr};

    void SetUp() override {
        LoadValidProject(data);
        data.CropPattern.FileName.clear();
        data.General.IrrigableArea = 100;
        data.GuiSettings.CropFolder = dir.Path();
        data.GuiSettings.PatternFolder = dir.Path();
        WriteCrop("maize.udc", "Maize", {30, 40, 60, 30});
        WriteCrop("early.udc", "Early potatoes", {20, 30, 50, 23}); // 1 May to 31 August
        WriteCrop("june.udc", "Beans", {30, 40, 30, 20});
        editor.ShowEditor();
        DeliverPostedEvents();
    }

    void WriteCrop(const std::string& name, const std::string& description,
                   std::array<int, 4> stages) {
        TCropFactor crop;
        crop.Description = description;
        crop.Kc1 = {0.4, 0};
        crop.Kc3 = {1.15, 1.15};
        crop.Kc4 = {0.6, 0.6};
        crop.RootingDepth = 1.2;
        crop.StageLength = stages;
        crop.Save(dir.File(name));
    }

    // Add crop with the given crop file, area and date typed into the dialog; the dialog's
    // refusals are left to the caller's messages.
    void AddCrop(const std::string& file, const char* area, int month, const char* day,
                 std::function<void(TfrmCropPatternLine&)> afterSave = nullptr) {
        OnCropDialog([=, this](TfrmCropPatternLine& dialog) {
            dialogs.Answer(dir.File(file));
            dialog.ToolBar()->FileOpen1->trigger();
            ReplaceText(dialog.edtArea, QString::fromUtf8(area));
            Choose(dialog.cbxMonth, dialog.cbxMonth->itemText(month - 1));
            ReplaceText(dialog.edtDay, QString::fromUtf8(day));
            dialog.ToolBar()->SaveToPattern->trigger();
            if (afterSave)
                afterSave(dialog);
        });
        editor.ToolBar()->PatternLineAdd->trigger();
    }

    QRect RowRect(int row) const {
        return editor.grdCropPattern->visualRect(editor.grdCropPattern->model()->index(row - 1, 0));
    }
    void ClickRow(int row) {
        QTest::mouseClick(editor.grdCropPattern->viewport(), Qt::LeftButton, {},
                          RowRect(row).center());
    }
    std::string Cell(int row, int col) const {
        return editor.grdCropPattern->item(row - 1, col)->text().toStdString();
    }
    std::vector<std::string> Row(int row) const {
        std::vector<std::string> cells;
        for (int col = 0; col < 5; ++col)
            cells.push_back(Cell(row, col));
        return cells;
    }
    std::string Section(const QHeaderView* bar, int i) const {
        return bar->model()->headerData(i, Qt::Horizontal).toString().toStdString();
    }
    // Runs a command that must not open the crop dialog; true when none showed.
    bool NoDialogFrom(const std::function<void()>& command) {
        bool shown = false;
        QTimer::singleShot(0, [&shown] {
            if (TfrmCropPatternLine* dialog = VisibleWindow<TfrmCropPatternLine>()) {
                shown = true;
                dialog->close();
            }
        });
        command();
        DeliverPostedEvents();
        return !shown;
    }
};

const std::string kExceeds =
    "The cropped area exceeds the irrigable area in the following months:\r\r";

} // namespace

TEST_F(CropPatternEditor, OpensOnANewPatternWithItsGridHeaderAndFooter) {
    EXPECT_EQ(editor.windowTitle().toStdString(), "Cropping pattern []");
    EXPECT_EQ(editor.grdCropPattern->horizontalHeaderItem(1)->text().toStdString(), "area (ha)");
    EXPECT_EQ(editor.grdCropPattern->rowCount(), 40);
    EXPECT_EQ(Section(editor.hdrCropPattern, 1), "Cropped");
    EXPECT_EQ(Section(editor.hdrFooter, 0), "Total");
    EXPECT_EQ(Section(editor.hdrFooter, 1), "0.0");
    EXPECT_EQ(editor.hdrCropPattern->sectionSize(1), editor.grdCropPattern->columnWidth(1));
    EXPECT_EQ(Text(editor.edtKcFallow), "0.00");
    TfrmToolBar* strip = editor.ToolBar();
    for (QAction* shown : {strip->FileNew1, strip->FileOpen1, strip->FileSave1, strip->FileSaveAs1,
                           strip->CopyToClipboard, strip->PatternLineAdd, strip->PatternLineDelete,
                           strip->PatternLineEdit})
        EXPECT_TRUE(shown->isVisible()) << shown->objectName().toStdString();
    EXPECT_FALSE(strip->SaveToPattern->isVisible());
    EXPECT_FALSE(strip->actChart->isVisible());
    // Nothing to edit or delete in an empty pattern.
    EXPECT_TRUE(strip->PatternLineAdd->isEnabled());
    EXPECT_FALSE(strip->PatternLineEdit->isEnabled());
    EXPECT_FALSE(strip->PatternLineDelete->isEnabled());
    EXPECT_TRUE(messages.Messages().empty());
}

TEST_F(CropPatternEditor, TheCropDialogTakesACropFileAnAreaAndAPlantingDate) {
    OnCropDialog([this](TfrmCropPatternLine& dialog) {
        EXPECT_EQ(dialog.windowTitle().toStdString(), "Add crop to pattern []");
        EXPECT_EQ(dialog.lblArea->text().toStdString(), "Cropped area (ha)");
        EXPECT_EQ(dialog.cbxMonth->count(), 12);
        EXPECT_EQ(dialog.cbxMonth->currentIndex(), -1); // a new crop has no date yet
        EXPECT_EQ(Text(dialog.edtDay), "1");
        QAction* save = dialog.ToolBar()->SaveToPattern;
        EXPECT_FALSE(save->isEnabled());
        ReplaceText(dialog.edtDay, QStringLiteral("30"));
        EXPECT_FALSE(save->isEnabled()); // a typed day alone is no change

        dialogs.Answer(dir.File("maize.udc"));
        dialog.ToolBar()->FileOpen1->trigger();
        EXPECT_EQ(dialogs.Asked().back().Folder, dir.Path());
        // Both kinds together first: the supplied crop library is all ".crp".
        EXPECT_EQ(dialogs.Asked().back().Filter,
                  "Crop factor files (*.udc *.crp)|*.udc;*.crp|User defined Cropfactor files "
                  "(*.udc)|*.udc|Pre defined Cropfactor files (*.crp)|*.crp|All files (*.*)|*.*");
        EXPECT_EQ(dialog.windowTitle().toStdString(),
                  "Add crop to pattern [" + dir.File("maize.udc") + "]");
        EXPECT_EQ(Text(dialog.edtCrop), "maize.udc");
        EXPECT_EQ(Text(dialog.edtDescription), "Maize");
        EXPECT_EQ(Text(dialog.edtGrowingPeriod), "160");
        EXPECT_TRUE(save->isEnabled());

        Choose(dialog.cbxMonth, QStringLiteral("February"));
        EXPECT_EQ(dialog.cbxMonth->currentText().toStdString(), "February");
        EXPECT_EQ(Text(dialog.edtDay), "28");
        EXPECT_EQ(dialog.updDay->Max(), 28);
        QTest::mouseClick(dialog.updDay->UpButton(), Qt::LeftButton);
        EXPECT_EQ(Text(dialog.edtDay), "28");
        Choose(dialog.cbxMonth, QStringLiteral("June"));
        EXPECT_EQ(dialog.updDay->Max(), 30);
        QTest::mouseClick(dialog.updDay->DownButton(), Qt::LeftButton);
        QTest::mouseClick(dialog.updDay->DownButton(), Qt::LeftButton);
        EXPECT_EQ(Text(dialog.edtDay), "26");
        ReplaceText(dialog.edtDay, QStringLiteral("1x"));
        ReplaceText(dialog.edtArea, QStringLiteral("6a0.5.0"));
        EXPECT_EQ(Text(dialog.edtArea), "60.50");
        dialog.ToolBar()->SaveToPattern->trigger();
        EXPECT_FALSE(dialog.isVisible()); // accepted
    });
    editor.ToolBar()->PatternLineAdd->trigger();
    EXPECT_TRUE(messages.Messages().empty());
    ASSERT_EQ(data.CropPattern.Count(), 1);
    const TCropPatternLine& line = data.CropPattern.GetCropLine(1);
    EXPECT_EQ(line.Area, 60.5);
    EXPECT_EQ(line.PlantingDay, 152);
    EXPECT_EQ(line.CropFileName, dir.File("maize.udc"));
    EXPECT_EQ(Row(1), (std::vector<std::string>{"maize.udc", "60.5", "160", "June / 1", "Maize"}));
    EXPECT_EQ(Row(2)[0], "");
    EXPECT_EQ(Section(editor.hdrFooter, 1), "60.5");
    EXPECT_TRUE(editor.Modified());
    EXPECT_TRUE(editor.ToolBar()->PatternLineEdit->isEnabled());
    // The editor's daily area holds the crop on its growing days.
    EXPECT_EQ(editor.DailyArea()[152 - 1], 60.5);
    EXPECT_EQ(editor.DailyArea()[151 - 1], 0);
}

TEST_F(CropPatternEditor, ClosingTheAddDialogLeavesThePatternAsItWas) {
    AddCrop("maize.udc", "30", 4, "10");
    ASSERT_EQ(data.CropPattern.Count(), 1);
    editor.SetModified(false);
    OnCropDialog([this](TfrmCropPatternLine& dialog) {
        EXPECT_EQ(data.CropPattern.Count(), 2); // the new line while the dialog runs
        dialogs.Answer(dir.File("june.udc"));
        dialog.ToolBar()->FileOpen1->trigger();
        ReplaceText(dialog.edtArea, QStringLiteral("20"));
    });
    editor.ToolBar()->PatternLineAdd->trigger();
    EXPECT_EQ(data.CropPattern.Count(), 1);
    EXPECT_EQ(data.CropPattern.GetCropLine(1).CropFileName, dir.File("maize.udc"));
    EXPECT_EQ(Cell(2, 0), "");
    EXPECT_FALSE(editor.Modified());
}

TEST_F(CropPatternEditor, ACropOverTheIrrigableAreaIsRefusedUntilTheDialogIsCancelled) {
    AddCrop("early.udc", "60", 5, "1");
    ASSERT_EQ(data.CropPattern.Count(), 1);
    ASSERT_TRUE(messages.Messages().empty());
    // 50 ha from 1 June for 120 days: 10 ha too much in June, July and August.
    AddCrop("june.udc", "50", 6, "1", [this](TfrmCropPatternLine& dialog) {
        EXPECT_TRUE(dialog.isVisible());
        ASSERT_EQ(messages.Messages().size(), 1u);
        EXPECT_EQ(messages.Messages()[0].Kind, TMessageKind::Error);
        EXPECT_EQ(
            messages.Texts()[0],
            kExceeds +
                "June      with \t10 (ha)\rJuly      with \t10 (ha)\rAugust    with \t10 (ha)\r\r\r"
                "To calculate the crop water requirements adjust the cropping pattern.");
        ASSERT_EQ(data.CropPattern.Count(), 2);
        EXPECT_EQ(data.CropPattern.GetCropLine(2).Area, 50); // kept while adding
        EXPECT_EQ(data.CropPattern.GetCropLine(2).PlantingDay, 0);
        // The excess is forgotten: a second click is checked and refused again.
        dialog.ToolBar()->SaveToPattern->trigger();
        EXPECT_EQ(messages.Messages().size(), 2u);
    });
    EXPECT_EQ(data.CropPattern.Count(), 1);
    EXPECT_EQ(Section(editor.hdrFooter, 1), "60.0");

    // 40 ha fit: a cropped area equal to the irrigable area is no excess.
    messages.Clear();
    AddCrop("june.udc", "40", 6, "1");
    EXPECT_TRUE(messages.Messages().empty());
    EXPECT_EQ(data.CropPattern.Count(), 2);
    EXPECT_EQ(Section(editor.hdrFooter, 1), "100.0");
}

TEST_F(CropPatternEditor, EditingACropIntoAnExcessIsRefusedAndKeepsItsArea) {
    AddCrop("early.udc", "60", 5, "1");
    AddCrop("early.udc", "40", 5, "1");
    ASSERT_EQ(data.CropPattern.Count(), 2);
    ASSERT_TRUE(messages.Messages().empty());
    ClickRow(2);
    OnCropDialog([this](TfrmCropPatternLine& dialog) {
        EXPECT_EQ(dialog.windowTitle().toStdString(),
                  "Edit crop to pattern [" + dir.File("early.udc") + "]");
        EXPECT_EQ(Text(dialog.edtArea), "40.0");
        EXPECT_EQ(dialog.cbxMonth->currentText().toStdString(), "May");
        EXPECT_FALSE(dialog.ToolBar()->SaveToPattern->isEnabled());
        ReplaceText(dialog.edtArea, QStringLiteral("45"));
        dialog.ToolBar()->SaveToPattern->trigger();
        EXPECT_TRUE(dialog.isVisible());
        ASSERT_EQ(messages.Texts().size(), 1u);
        EXPECT_EQ(messages.Texts()[0].substr(0, kExceeds.size() + 23),
                  kExceeds + "May       with \t5 (ha)\r");
        EXPECT_EQ(data.CropPattern.GetCropLine(2).Area, 40);
        EXPECT_EQ(data.CropPattern.GetCropLine(2).PlantingDay, 121);
    });
    QTest::mouseDClick(editor.grdCropPattern->viewport(), Qt::LeftButton, {}, RowRect(2).center());
    EXPECT_EQ(messages.Texts().size(), 1u); // the double click opened the dialog
    EXPECT_EQ(data.CropPattern.GetCropLine(2).Area, 40);
    EXPECT_EQ(Cell(2, 1), "40.0");

    // Within the irrigable area the edit is taken.
    OnCropDialog([](TfrmCropPatternLine& dialog) {
        ReplaceText(dialog.edtArea, QStringLiteral("35"));
        dialog.ToolBar()->SaveToPattern->trigger();
    });
    editor.ToolBar()->PatternLineEdit->trigger();
    EXPECT_EQ(data.CropPattern.GetCropLine(2).Area, 35);
    EXPECT_EQ(Cell(2, 1), "35.0");
    EXPECT_EQ(Section(editor.hdrFooter, 1), "95.0");
}

TEST_F(CropPatternEditor, ACancelledEditLeavesTheCropAsItWas) {
    AddCrop("maize.udc", "30", 4, "10");
    editor.SetModified(false);
    OnCropDialog([this](TfrmCropPatternLine& dialog) {
        dialogs.Answer(dir.File("june.udc"));
        dialog.ToolBar()->FileOpen1->trigger();
        ReplaceText(dialog.edtArea, QStringLiteral("0"));
        dialog.ToolBar()->SaveToPattern->trigger(); // refused: no area
        EXPECT_EQ(messages.Texts().back(), "Area must be > 0");
    });
    editor.ToolBar()->PatternLineEdit->trigger();
    const TCropPatternLine& line = data.CropPattern.GetCropLine(1);
    EXPECT_EQ(line.CropFileName, dir.File("maize.udc"));
    EXPECT_EQ(line.Description, "Maize");
    EXPECT_EQ(line.Area, 30);
    EXPECT_EQ(line.PlantingDay, 100);
    EXPECT_FALSE(editor.Modified());
}

TEST_F(CropPatternEditor, AFortyFirstCropIsRefused) {
    for (int i = 0; i < 40; ++i) {
        TCropPatternLine& line = data.CropPattern.AddCropLine();
        line.Load(dir.File("maize.udc"));
        line.CropFileName = line.FileName;
        line.Area = 1;
        line.PlantingDay = 1 + i;
    }
    BroadCastBoodschap(WM_REFRESH_PATTERN);
    DeliverPostedEvents();
    ASSERT_EQ(Cell(40, 0), "maize.udc");
    EXPECT_TRUE(NoDialogFrom([this] { editor.ToolBar()->PatternLineAdd->trigger(); }));
    ASSERT_EQ(messages.Messages().size(), 1u);
    EXPECT_EQ(messages.Messages()[0].Kind, TMessageKind::Information);
    EXPECT_EQ(messages.Texts()[0], "You can't load more than 40 crops into a pattern");
    EXPECT_EQ(data.CropPattern.Count(), 40);
    EXPECT_EQ(data.CropPattern.GetCropLine(40).PlantingDay, 40);
    EXPECT_FALSE(editor.Modified());
}

TEST_F(CropPatternEditor, EditAndDeleteWorkOnCropRowsOnly) {
    AddCrop("maize.udc", "30", 4, "10");
    AddCrop("june.udc", "20", 6, "1");
    ClickRow(5);
    EXPECT_FALSE(editor.ToolBar()->PatternLineEdit->isEnabled());
    EXPECT_FALSE(editor.ToolBar()->PatternLineDelete->isEnabled());
    EXPECT_TRUE(NoDialogFrom([this] { editor.EditCrop(); }));
    editor.DeleteCrop();
    EXPECT_TRUE(messages.Messages().empty());
    EXPECT_EQ(data.CropPattern.Count(), 2);

    ClickRow(1);
    EXPECT_TRUE(editor.ToolBar()->PatternLineDelete->isEnabled());
    messages.Answer(TMessageAnswer::Cancel);
    editor.ToolBar()->PatternLineDelete->trigger();
    ASSERT_EQ(messages.Messages().size(), 1u);
    EXPECT_EQ(messages.Messages()[0].Kind, TMessageKind::Confirmation);
    EXPECT_EQ(messages.Messages()[0].Buttons, TMessageButtons::OkCancel);
    EXPECT_EQ(messages.Texts()[0], "Delete row?");
    EXPECT_EQ(data.CropPattern.Count(), 2);
    editor.SetModified(false);
    messages.Answer(TMessageAnswer::Ok);
    editor.ToolBar()->PatternLineDelete->trigger();
    ASSERT_EQ(data.CropPattern.Count(), 1);
    EXPECT_EQ(Cell(1, 0), "june.udc");
    EXPECT_EQ(Cell(2, 0), "");
    EXPECT_EQ(Section(editor.hdrFooter, 1), "20.0");
    EXPECT_TRUE(editor.Modified());
    // The last crop deleted: nothing left to edit.
    messages.Answer(TMessageAnswer::Ok);
    editor.ToolBar()->PatternLineDelete->trigger();
    EXPECT_EQ(data.CropPattern.Count(), 0);
    EXPECT_FALSE(editor.ToolBar()->PatternLineEdit->isEnabled());
    EXPECT_FALSE(editor.ToolBar()->PatternLineDelete->isEnabled());
}

TEST_F(CropPatternEditor, APatternIsOpenedAndSavedWithItsCropFilesBesideIt) {
    TCropPattern pattern;
    pattern.KcFallow = 0.3;
    pattern.KcPermanent = 0.5;
    for (const auto& [file, area, day] :
         {std::tuple{"maize.udc", 300.0, 105}, std::tuple{"june.udc", 250.0, 319}}) {
        TCropPatternLine& line = pattern.AddCropLine();
        line.CropFileName = dir.File(file);
        line.Area = area;
        line.PlantingDay = day;
    }
    pattern.Save(dir.File("valley.pat"));

    data.General.IrrigableArea = 1000;
    TWindowMessageLog log;
    dialogs.Answer(dir.File("valley.pat"));
    editor.ToolBar()->FileOpen1->trigger();
    EXPECT_EQ(dialogs.Asked().back().Folder, dir.Path());
    EXPECT_EQ(dialogs.Asked().back().Filter,
              "Cropping pattern files (*.pat)|*.pat|All files (*.*)|*.*");
    EXPECT_TRUE(messages.Messages().empty());
    EXPECT_EQ(editor.windowTitle().toStdString(),
              "Cropping pattern [" + dir.File("valley.pat") + "]");
    EXPECT_EQ(Row(1),
              (std::vector<std::string>{"maize.udc", "300.0", "160", "April / 15", "Maize"}));
    EXPECT_EQ(Section(editor.hdrFooter, 1), "550.0");
    EXPECT_EQ(Text(editor.edtKcFallow), "0.30");
    EXPECT_EQ(Text(editor.edtKcPermanent), "0.50");
    EXPECT_EQ(editor.DailyArea()[1 - 1], 250); // the winter crop over the new year
    EXPECT_EQ(editor.DailyArea()[120 - 1], 300);
    EXPECT_FALSE(editor.Modified());
    DeliverPostedEvents();
    EXPECT_EQ(log.Received, std::vector<int>{WM_REFRESH_MAIN});

    // The Kc fields take digits and one separator, and reach the record as they are typed: a
    // crop added, edited or deleted shows the pattern again without losing them.
    ReplaceText(editor.edtKcFallow, QStringLiteral("0.3x5."));
    EXPECT_EQ(Text(editor.edtKcFallow), "0.35");
    EXPECT_TRUE(editor.Modified());
    EXPECT_EQ(data.CropPattern.KcFallow, 0.35);
    ReplaceText(editor.edtKcPermanent, QStringLiteral("0.45"));
    editor.grdCropPattern->setCurrentCell(0, 0);
    RunModal<TfrmCropPatternLine>(
        [&] { editor.ToolBar()->PatternLineEdit->trigger(); },
        [](TfrmCropPatternLine& dialog) { dialog.ToolBar()->SaveToPattern->trigger(); });
    EXPECT_EQ(Text(editor.edtKcFallow), "0.35");
    EXPECT_EQ(Text(editor.edtKcPermanent), "0.45");
    dialogs.Answer(dir.File("copy"));
    editor.ToolBar()->FileSaveAs1->trigger();
    ASSERT_TRUE(FileExists(dir.File("copy.pat")));
    EXPECT_EQ(data.CropPattern.FileName, dir.File("copy.pat"));
    TCropPattern read;
    ASSERT_TRUE(read.Load(dir.File("copy.pat")));
    EXPECT_EQ(read.KcFallow, 0.35);
    EXPECT_EQ(read.KcPermanent, 0.45);
    ASSERT_EQ(read.Count(), 2);
    EXPECT_EQ(read.GetCropLine(2).CropFileName, dir.File("june.udc"));
    EXPECT_EQ(read.GetCropLine(2).PlantingDay, 319);
    EXPECT_EQ(read.GetCropLine(1).Description, "Maize");
    EXPECT_FALSE(editor.Modified());
}

TEST_F(CropPatternEditor, APatternWithAMissingCropFileIsEmptied) {
    TCropPattern pattern;
    pattern.AddCropLine().CropFileName = dir.File("maize.udc");
    pattern.AddCropLine().CropFileName = dir.File("gone.udc");
    pattern.Save(dir.File("broken.pat"));
    dialogs.Answer(dir.File("broken.pat"));
    editor.ToolBar()->FileOpen1->trigger();
    ASSERT_EQ(messages.Messages().size(), 1u);
    EXPECT_EQ(
        messages.Texts()[0].rfind("Cannot load cropping pattern.\rCrop factor file gone.udc", 0),
        0u);
    EXPECT_EQ(data.CropPattern.Count(), 0);
    EXPECT_EQ(data.CropPattern.FileName, "");
    EXPECT_EQ(editor.windowTitle().toStdString(), "Cropping pattern []");
    EXPECT_EQ(Cell(1, 0), "");
    EXPECT_TRUE(PatternCropsFound);
}

TEST_F(CropPatternEditor, TheClipboardHoldsHeaderGridRowsAndFooter) {
    AddCrop("maize.udc", "30", 4, "10");
    editor.ToolBar()->CopyToClipboard->trigger();
    EXPECT_EQ(QApplication::clipboard()->text().toStdString(),
              "\r\n\r\nCropping Pattern\r\n\r\n"
              "\tCropped\tGrowing\tPlanting\t\t\r\n"
              "Crop\tarea (ha)\tperiod (days)\tmonth/day\tDescription of the crop\t\r\n"
              "maize.udc\t30.0\t160\tApril / 10\tMaize\t\r\n"
              "Total\t30.0\t\r\n");
}

TEST_F(CropPatternEditor, AcresAreShownAndTypedAfterAChangeOfUnits) {
    AddCrop("maize.udc", "30", 4, "10");
    data.GuiSettings.AreaUnit = 1;
    BroadCastBoodschap(WM_REFRESH_PATTERN); // as the settings editor sends it
    DeliverPostedEvents();
    EXPECT_EQ(editor.grdCropPattern->horizontalHeaderItem(1)->text().toStdString(), "area (ac)");
    EXPECT_EQ(Cell(1, 1), "74.1");
    EXPECT_EQ(Section(editor.hdrFooter, 1), "74.1");
    OnCropDialog([](TfrmCropPatternLine& dialog) {
        EXPECT_EQ(dialog.lblArea->text().toStdString(), "Cropped area (ac)");
        EXPECT_EQ(Text(dialog.edtArea), "74.1");
        ReplaceText(dialog.edtArea, QStringLiteral("24.7"));
        dialog.ToolBar()->SaveToPattern->trigger();
    });
    editor.ToolBar()->PatternLineEdit->trigger();
    EXPECT_DOUBLE_EQ(data.CropPattern.GetCropLine(1).Area, 10);
    EXPECT_EQ(Cell(1, 1), "24.7");
}
