#include "UiTestSupport.h"

#include "core/cFileIO.h"
#include "core/cGuiSettings.h"
#include "core/cNumberFormat.h"
#include "core/cUserMessages.h"
#include "data/cAllData.h"
#include "support/TestSupport.h"
#include "ui/fEditorBase.h"
#include "ui/fToolBar.h"
#include "ui/platform/pWindowMessages.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QTest>
#include <QVBoxLayout>

#include <gtest/gtest.h>

namespace {

// The smallest editor the base supports: two fields of the general data record.
class TTestEditor : public TEditorBase {
public:
    explicit TTestEditor(TAllData& data, TEditorValues values = Values())
        : TEditorBase(std::move(values), AccessTo(data.General), data, nullptr) {
        edtCountry = new QLineEdit(Body());
        edtAlti = new QLineEdit(Body());
        auto* layout = new QVBoxLayout(Body());
        layout->addWidget(edtCountry);
        layout->addWidget(edtAlti);
        WatchTextField(edtCountry);
        WatchNumberField(edtAlti, TNumberEntry::SignedDecimal, true);
        SetRangeHint(edtAlti, [this] {
            return "Range: -500 <= Altitude <= 4500 " +
                   Units().CurrentUnitLabel(QuantityKind::Length);
        });
    }

    static TEditorValues Values() {
        TEditorValues v;
        v.CaptionFormat = "General data [%s]";
        v.ClipboardTitle = "General Data";
        v.OpenFilter = "General files (*.gen)|*.gen|All files (*.*)|*.*";
        v.Extension = ".gen";
        v.Folder = &TGuiSettings::GeneralFolder;
        v.Notifications = {WM_REFRESH_MAIN, WM_REFRESH_METEO, WM_REFRESH_CROPFACTOR};
        v.RefreshMessage = WM_REFRESH_GENERAL;
        v.NewPrompt = "Save changes?";
        return v;
    }

    QLineEdit* edtCountry;
    QLineEdit* edtAlti;
    int shown = 0;
    bool refuse = false; // as the crop factor editor refuses an invalid record

protected:
    void SetUnitCaptions() override {}
    void ShowDefaults() override {
        edtCountry->setText(QString());
        edtAlti->setText(QStringLiteral("0"));
    }
    void ShowRecord() override {
        ++shown;
        edtCountry->setText(QString::fromStdString(Data().General.Country));
        edtAlti->setText(QString::fromStdString(
            Units().FormatValue(QuantityKind::Length, Data().General.Altitude)));
    }
    void StoreFields(const std::string& fileName) override {
        TGeneral& g = Data().General;
        g.FileName = fileName;
        g.Country = edtCountry->text().toStdString();
        g.Altitude =
            Units().ParseValue(QuantityKind::Length, TextToNumber(edtAlti->text().toStdString()));
    }
    std::vector<std::string> ClipboardBody() override {
        return {"Country\t" + edtCountry->text().toStdString()};
    }
    bool SaveRefused() override {
        if (refuse)
            ShowWarning("Can't save this file because one or more data are out of range or zero");
        return refuse;
    }
    // As the real editors do: every key release writes the fields into the record.
    void FieldKeyReleased(QWidget*) override { StoreFields(RecordFileName()); }
};

class EditorBase : public ::testing::Test {
protected:
    TTempDir dir;
    TMessageRecorder messages;
    TFileDialogScript dialogs;
    TAllData data;
    TWindowMessageLog log;
    TTestEditor editor{data};

    void SetUp() override {
        ASSERT_TRUE(data.GuiSettings.OpenProgramFolder(dir.Path(), dir.File("quelta.INI")));
        editor.ShowEditor();
        DeliverPostedEvents();
        log.Received.clear();
    }

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

    void Edit(const QString& country) {
        editor.edtCountry->selectAll();
        TypeText(editor.edtCountry, country);
    }
};

} // namespace

TEST_F(EditorBase, ANewRecordOpensOnTheDefaultsWithSaveDisabled) {
    EXPECT_EQ(editor.windowTitle().toStdString(), "General data []");
    EXPECT_EQ(editor.edtAlti->text().toStdString(), "0");
    EXPECT_FALSE(editor.Modified());
    EXPECT_FALSE(editor.ToolBar()->FileSave1->isEnabled());
    EXPECT_FALSE(editor.ToolBar()->FileSaveAs1->isEnabled());
    EXPECT_TRUE(editor.ToolBar()->FileNew1->isEnabled());
    EXPECT_FALSE(editor.ToolBar()->FileExit1->isVisible());
    EXPECT_TRUE(messages.Messages().empty());
}

TEST_F(EditorBase, TheCommandsCarryTheirCaptionsHintsAndShortcuts) {
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
    EXPECT_EQ(file->title().toStdString(), "File");
    EXPECT_TRUE(file->actions().contains(bar->FileSave1));
    EXPECT_TRUE(bar->PopupMenu->actions().contains(bar->CopyToClipboard));
}

TEST_F(EditorBase, WithoutChangesNewOpenExitAndClosingAskNothing) {
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

TEST_F(EditorBase, AKeyInAFieldMarksAChangeAndEnablesSave) {
    QTest::keyClick(editor.edtCountry, Qt::Key_Shift);
    EXPECT_TRUE(editor.Modified());
    EXPECT_TRUE(editor.ToolBar()->FileSave1->isEnabled());
    EXPECT_TRUE(editor.ToolBar()->FileSaveAs1->isEnabled());
}

TEST_F(EditorBase, OpenLoadsTheFileShowsItAndClearsTheChange) {
    const std::string path = GeneralFile("site.gen", "Peru");
    Edit(QStringLiteral("x"));
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

TEST_F(EditorBase, OpenWithChangesAndYesSavesAndShowsNoOpenDialog) {
    const std::string path = GeneralFile("site.gen", "Peru");
    dialogs.Answer(path);
    editor.Open();
    Edit(QStringLiteral("Chile"));
    messages.Answer(TMessageAnswer::Yes);
    editor.Open();
    EXPECT_EQ(dialogs.Asked().size(), 1u); // only the first Open showed a dialog
    TGeneral saved;
    ASSERT_TRUE(saved.Load(path));
    EXPECT_EQ(saved.Country, "Chile");
    EXPECT_FALSE(editor.Modified());
}

TEST_F(EditorBase, CancelStopsTheCommandAndKeepsTheChange) {
    Edit(QStringLiteral("Chile"));
    messages.Answer(TMessageAnswer::Cancel);
    editor.New();
    EXPECT_EQ(messages.Texts(), std::vector<std::string>{"Save changes?"});
    EXPECT_TRUE(editor.Modified());
    EXPECT_EQ(editor.edtCountry->text().toStdString(), "Chile");
}

TEST_F(EditorBase, NewWithNoDropsTheChanges) {
    data.General.Country = "Chile";
    Edit(QStringLiteral("Chile"));
    messages.Answer(TMessageAnswer::No);
    editor.New();
    EXPECT_EQ(data.General.Country, "");
    EXPECT_EQ(editor.edtCountry->text().toStdString(), "");
    EXPECT_FALSE(editor.Modified());
}

TEST_F(EditorBase, NewWithYesOnAnUnsavedRecordAsksForANameFirst) {
    Edit(QStringLiteral("Chile"));
    messages.Answer(TMessageAnswer::Yes);
    dialogs.Answer(dir.File("General/chile"));
    editor.New();
    ASSERT_EQ(dialogs.Asked().size(), 1u);
    EXPECT_TRUE(dialogs.Asked()[0].Save);
    EXPECT_EQ(dialogs.Asked()[0].Filter, "All Files (*.*)|*.*");
    TGeneral saved;
    ASSERT_TRUE(saved.Load(dir.File("General/chile.gen")));
    EXPECT_EQ(saved.Country, "Chile");
    EXPECT_EQ(data.General.FileName, ""); // then cleared for the new record
}

TEST_F(EditorBase, NewWithYesButACancelledSaveDialogKeepsTheData) {
    Edit(QStringLiteral("Chile"));
    messages.Answer(TMessageAnswer::Yes);
    editor.New(); // the save dialog is cancelled
    EXPECT_EQ(editor.edtCountry->text().toStdString(), "Chile");
    EXPECT_TRUE(editor.Modified());
}

TEST_F(EditorBase, SaveForcesTheExtensionAndShowsThePathInTheCaption) {
    const std::string path = GeneralFile("site.txt", "Peru");
    dialogs.Answer(path);
    editor.Open();
    Edit(QStringLiteral("Chile"));
    editor.Save();
    const std::string target = dir.File("site.gen");
    EXPECT_TRUE(FileExists(target));
    EXPECT_EQ(data.General.FileName, target);
    EXPECT_EQ(editor.windowTitle().toStdString(), "General data [" + target + "]");
    TGeneral old;
    ASSERT_TRUE(old.Load(path));
    EXPECT_EQ(old.Country, "Peru");
}

TEST_F(EditorBase, SaveAsProposesTheFileNameAndACancelChangesNothing) {
    const std::string path = GeneralFile("site.gen", "Peru");
    dialogs.Answer(path);
    editor.Open();
    Edit(QStringLiteral("Chile"));
    editor.SaveAs();
    ASSERT_EQ(dialogs.Asked().size(), 2u);
    EXPECT_EQ(dialogs.Asked()[1].Proposed, path);
    EXPECT_TRUE(editor.Modified());
    TGeneral file;
    ASSERT_TRUE(file.Load(path));
    EXPECT_EQ(file.Country, "Peru");
}

TEST_F(EditorBase, AFailedSaveIsReportedAndKeepsTheChange) {
    data.General.FileName = dir.File("no-such-folder/site.gen");
    Edit(QStringLiteral("Chile"));
    editor.Save();
    ASSERT_EQ(messages.Messages().size(), 1u);
    EXPECT_EQ(messages.Messages()[0].Kind, TMessageKind::Error);
    EXPECT_TRUE(editor.Modified());
}

TEST_F(EditorBase, ExitWithNoOnANeverSavedRecordKeepsTheValues) {
    Edit(QStringLiteral("Chile"));
    messages.Answer(TMessageAnswer::No);
    editor.Exit();
    EXPECT_FALSE(editor.isVisible());
    EXPECT_EQ(data.General.Country, "Chile");
    EXPECT_FALSE(editor.Modified());
}

TEST_F(EditorBase, ExitWithNoOnALoadedRecordRestoresTheFilesValues) {
    dialogs.Answer(GeneralFile("site.gen", "Peru"));
    editor.Open();
    Edit(QStringLiteral("Chile"));
    EXPECT_EQ(data.General.Country, "Chile"); // edited in place
    messages.Answer(TMessageAnswer::No);
    editor.Exit();
    EXPECT_FALSE(editor.isVisible());
    EXPECT_EQ(data.General.Country, "Peru");
}

TEST_F(EditorBase, ExitWithCancelKeepsTheWindowOpen) {
    Edit(QStringLiteral("Chile"));
    messages.Answer(TMessageAnswer::Cancel);
    editor.Exit();
    EXPECT_TRUE(editor.isVisible());
    EXPECT_TRUE(editor.Modified());
}

TEST_F(EditorBase, ClosingByTheFrameWithNoKeepsTheEditedValues) {
    dialogs.Answer(GeneralFile("site.gen", "Peru"));
    editor.Open();
    Edit(QStringLiteral("Chile"));
    messages.Answer(TMessageAnswer::No);
    EXPECT_TRUE(editor.close());
    EXPECT_EQ(data.General.Country, "Chile");
    EXPECT_FALSE(editor.Modified());
}

TEST_F(EditorBase, ClosingByTheFrameWithYesSavesAndWithCancelStays) {
    const std::string path = GeneralFile("site.gen", "Peru");
    dialogs.Answer(path);
    editor.Open();
    Edit(QStringLiteral("Chile"));
    messages.Answer(TMessageAnswer::Cancel);
    EXPECT_FALSE(editor.close());
    EXPECT_TRUE(editor.isVisible());
    messages.Answer(TMessageAnswer::Yes);
    EXPECT_TRUE(editor.close());
    TGeneral saved;
    ASSERT_TRUE(saved.Load(path));
    EXPECT_EQ(saved.Country, "Chile");
}

TEST_F(EditorBase, NumberFieldsDropWhatTheirKindRefuses) {
    editor.edtAlti->clear();
    TypeText(editor.edtAlti, QStringLiteral("-12a.5.3x"));
    EXPECT_EQ(editor.edtAlti->text().toStdString(), "-12.53");
    QTest::keyClick(editor.edtAlti, Qt::Key_Backspace);
    EXPECT_EQ(editor.edtAlti->text().toStdString(), "-12.5");
}

TEST_F(EditorBase, ClipboardShortcutsPassThroughANumberField) {
    QApplication::clipboard()->setText(QStringLiteral("45.5"));
    editor.edtAlti->clear();
    editor.edtAlti->setFocus();
    QTest::keyClick(editor.edtAlti, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(editor.edtAlti->text().toStdString(), "45.5");
    EXPECT_TRUE(editor.Modified());
}

TEST_F(EditorBase, TheRangeHintFollowsTheFocusInTheCurrentUnits) {
    editor.activateWindow();
    editor.edtAlti->setFocus();
    DeliverPostedEvents();
    EXPECT_EQ(editor.RangeHint()->text().toStdString(), "Range: -500 <= Altitude <= 4500 m");
    editor.edtCountry->setFocus();
    DeliverPostedEvents();
    EXPECT_EQ(editor.RangeHint()->text().toStdString(), "");
}

TEST_F(EditorBase, RefreshesOnItsOwnMessageOnlyWhileVisible) {
    data.General.Country = "Peru";
    const int before = editor.shown;
    BroadCastBoodschap(WM_REFRESH_METEO);
    DeliverPostedEvents();
    EXPECT_EQ(editor.shown, before);
    BroadCastBoodschap(WM_REFRESH_GENERAL);
    DeliverPostedEvents();
    EXPECT_EQ(editor.shown, before + 1);
    EXPECT_EQ(editor.edtCountry->text().toStdString(), "Peru");
    editor.hide();
    BroadCastBoodschap(WM_REFRESH_GENERAL);
    DeliverPostedEvents();
    EXPECT_EQ(editor.shown, before + 1);
}

TEST_F(EditorBase, CopyPutsTheHeadAndBodyOnTheClipboard) {
    Edit(QStringLiteral("Peru"));
    editor.ToolBar()->CopyToClipboard->trigger();
    EXPECT_EQ(QApplication::clipboard()->text().toStdString(),
              "\r\n\r\nGeneral Data\r\n\r\nCountry\tPeru\r\n");
}

TEST_F(EditorBase, AMinimisedEditorIsRestoredWhenOpenedAgain) {
    editor.showMinimized();
    editor.ShowEditor();
    EXPECT_FALSE(editor.windowState() & Qt::WindowMinimized);
    EXPECT_TRUE(editor.isVisible());
}

TEST_F(EditorBase, AFailedLoadChangesNothingElse) {
    const std::string good = GeneralFile("good.gen", "Peru");
    dialogs.Answer(good);
    editor.Open();
    WriteBytes(dir.File("bad.gen"), Bytes({2, 2, 0}));
    Edit(QStringLiteral("Chile"));
    messages.Answer(TMessageAnswer::No);
    dialogs.Answer(dir.File("bad.gen"));
    editor.Open();
    ASSERT_EQ(messages.Messages().size(), 2u); // the question, then the read error
    EXPECT_EQ(messages.Messages()[1].Kind, TMessageKind::Error);
    EXPECT_EQ(data.General.FileName, good);
    EXPECT_EQ(editor.edtCountry->text().toStdString(), "Chile");
    EXPECT_TRUE(editor.Modified());
}

TEST(EditorBaseRefusal, ARefusedSaveKeepsTheWindowOpenAndWritesNothing) {
    TTempDir dir;
    TMessageRecorder messages;
    TFileDialogScript dialogs;
    TAllData data;
    TEditorValues values = TTestEditor::Values();
    values.Extension = ".udc";
    values.SaveAsFilter = "User defined Cropfactor files (*.udc)|*.udc";
    values.ProposeWithExtension = true;
    TTestEditor editor(data, values);
    editor.ShowEditor();
    data.General.FileName = dir.File("maize.crp");
    editor.SetModified(true);
    editor.refuse = true;
    messages.Answer(TMessageAnswer::Yes);
    EXPECT_FALSE(editor.close());
    EXPECT_EQ(messages.Texts(),
              (std::vector<std::string>{
                  "Save changes to file?",
                  "Can't save this file because one or more data are out of range or zero"}));
    EXPECT_TRUE(dialogs.Asked().empty());

    editor.refuse = false;
    dialogs.Answer(dir.File("maize"));
    EXPECT_TRUE(editor.SaveAs());
    ASSERT_EQ(dialogs.Asked().size(), 1u);
    EXPECT_EQ(dialogs.Asked()[0].Proposed, dir.File("maize.udc"));
    EXPECT_EQ(dialogs.Asked()[0].Filter, "User defined Cropfactor files (*.udc)|*.udc");
    EXPECT_TRUE(FileExists(dir.File("maize.udc")));
}
