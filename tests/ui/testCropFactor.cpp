#include "UiTestSupport.h"

#include "calc/uCropET.h"
#include "core/cFileIO.h"
#include "core/cUserMessages.h"
#include "data/cAllData.h"
#include "support/TestProject.h"
#include "support/TestSupport.h"
#include "ui/fCropFactor.h"
#include "ui/fToolBar.h"
#include "ui/platform/pWindowMessages.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QTest>

#include <gtest/gtest.h>

namespace {

std::string Text(const QLineEdit* field) {
    return field->text().toStdString();
}

class CropFactorEditor : public ::testing::Test {
protected:
    TTempDir dir;
    TMessageRecorder messages;
    TFileDialogScript dialogs;
    TAllData data;
    TfrmCropFactor editor{data, nullptr};

    void SetUp() override {
        data.GuiSettings.CropFolder = dir.Path();
        editor.ShowEditor();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&editor));
        DeliverPostedEvents();
    }

    void Type(QLineEdit* field, const QString& text) { ReplaceText(field, text); }
    void EnterCrop(const char* kc1, const char* kc3, const char* kc4, const char* depth,
                   std::array<const char*, 4> stages) {
        auto q = [](const char* text) { return QString::fromUtf8(text); };
        Type(editor.edtDescription, QStringLiteral("Maize"));
        if (editor.edtKc1->isEnabled())
            Type(editor.edtKc1, q(kc1));
        Type(editor.edtKc3, q(kc3));
        Type(editor.edtKc4, q(kc4));
        Type(editor.edtRootingDepth, q(depth));
        QLineEdit* fields[] = {editor.edtStage1, editor.edtStage2, editor.edtStage3,
                               editor.edtStage4};
        for (int i = 0; i < 4; ++i)
            Type(fields[i], q(stages[i]));
    }
    void ClickBox() { QTest::mouseClick(editor.ckbxStandCalcKc0, Qt::LeftButton); }
    bool SaveAs(const std::string& name) {
        dialogs.Answer(name);
        editor.ToolBar()->FileSaveAs1->trigger();
        return FileExists(name);
    }
    // A project whose general and meteo data count as loaded, with the weather to compute ET0.
    void LoadProject(bool withMeteo) {
        LoadValidProject(data);
        if (!withMeteo)
            data.Meteo.FileName.clear();
    }
};

const std::string kCannotSave =
    "Can't save this file because one or more data are out of range or zero";

} // namespace

TEST_F(CropFactorEditor, OpensOnAnEmptyCropFactor) {
    EXPECT_EQ(editor.windowTitle().toStdString(), "Crop factor data []");
    EXPECT_EQ(Text(editor.edtKc1), "0.00");
    EXPECT_EQ(Text(editor.edtKc2), "0.00");
    EXPECT_EQ(Text(editor.edtStageTotal), "0");
    EXPECT_EQ(Text(editor.edtKc3), "");
    EXPECT_EQ(Text(editor.edtStage1), "");
    EXPECT_FALSE(editor.ckbxStandCalcKc0->isChecked());
    EXPECT_TRUE(editor.edtKc1->isEnabled());
    EXPECT_FALSE(editor.edtKc2->isEnabled());
    EXPECT_EQ(editor.lblRootingDepth->text().toStdString(), "Rooting depth (m)");
    EXPECT_FALSE(editor.Modified());
    EXPECT_TRUE(editor.Active());
    EXPECT_TRUE(messages.Messages().empty());
}

TEST_F(CropFactorEditor, StagesAddUpToTheGrowingPeriodAndAYearIsTheLimit) {
    EnterCrop("0.4", "1.15", "0.6", "1.2", {"30", "40", "60", "30"});
    EXPECT_EQ(Text(editor.edtStageTotal), "160");
    EXPECT_TRUE(messages.Messages().empty());
    EXPECT_TRUE(data.CropFactor.DataValid);
    EXPECT_EQ(data.CropFactor.StageLength, (std::array<int, 4>{30, 40, 60, 30}));

    EnterCrop("0.4", "1.15", "0.6", "1.2", {"100", "100", "100", "66"});
    EXPECT_EQ(Text(editor.edtStageTotal), "366");
    ASSERT_FALSE(messages.Messages().empty());
    const TRecordedMessage& last = messages.Messages().back();
    EXPECT_EQ(last.Kind, TMessageKind::Error);
    EXPECT_EQ(last.Text, "Total length of growing season cannot be longer than 365 days ");
    EXPECT_FALSE(data.CropFactor.DataValid);
    EXPECT_FALSE(SaveAs(dir.File("long.udc")));
    EXPECT_EQ(messages.Texts().back(), kCannotSave);
}

TEST_F(CropFactorEditor, Kc2IsTheMeanOfKc1AndKc3) {
    Type(editor.edtKc1, QStringLiteral("1.05"));
    Type(editor.edtKc3, QStringLiteral("1.15"));
    EXPECT_EQ(Text(editor.edtKc2), "1.10");
    EXPECT_DOUBLE_EQ(data.CropFactor.Kc1[0], 1.05);
    EXPECT_DOUBLE_EQ(data.CropFactor.Kc3[0], 1.15);
    EXPECT_DOUBLE_EQ(data.CropFactor.Kc3[1], 1.15);
    EXPECT_TRUE(editor.Modified());
}

TEST_F(CropFactorEditor, AValidCropIsSavedWithItsExtension) {
    EnterCrop("0.4", "1.15", "0.6", "1.2", {"30", "40", "60", "30"});
    SaveAs(dir.File("maize")); // the extension is added
    ASSERT_TRUE(FileExists(dir.File("maize.udc")));
    EXPECT_EQ(data.CropFactor.FileName, dir.File("maize.udc"));
    EXPECT_EQ(editor.windowTitle().toStdString(),
              "Crop factor data [" + dir.File("maize.udc") + "]");
    EXPECT_FALSE(editor.Modified());
    EXPECT_EQ(dialogs.Asked().back().Filter, "User defined Cropfactor files (*.udc)|*.udc");
}

TEST_F(CropFactorEditor, ACropWithAZeroIsNotSaved) {
    const std::pair<const char*, std::function<void()>> zeros[] = {
        {"rooting depth", [&] { Type(editor.edtRootingDepth, QStringLiteral("0")); }},
        {"stage", [&] { Type(editor.edtStage3, QStringLiteral("0")); }},
        {"Kc,4", [&] { Type(editor.edtKc4, QStringLiteral("0")); }},
    };
    for (const auto& [what, zero] : zeros) {
        EnterCrop("0.4", "1.15", "0.6", "1.2", {"30", "40", "60", "30"});
        zero();
        const std::string name = dir.File(std::string("zero ") + what + ".udc");
        EXPECT_FALSE(SaveAs(name)) << what;
        ASSERT_FALSE(messages.Messages().empty());
        EXPECT_EQ(messages.Messages().back().Kind, TMessageKind::Warning);
        EXPECT_EQ(messages.Messages().back().Text, kCannotSave) << what;
        EXPECT_TRUE(editor.Modified()) << what;
    }
    // The frame's close prompt: Yes is refused the same way, before any save dialog, and the
    // window stays.
    const std::size_t asked = dialogs.Asked().size();
    messages.Answer(TMessageAnswer::Yes);
    EXPECT_FALSE(editor.CloseQuery());
    EXPECT_EQ(messages.Texts().back(), kCannotSave);
    EXPECT_EQ(dialogs.Asked().size(), asked);
}

TEST_F(CropFactorEditor, TheComputedKc1IsShownAndNotChecked) {
    LoadProject(true);
    EnterCrop("0", "1.15", "0.6", "1.2", {"30", "40", "60", "30"});
    ClickBox();
    EXPECT_TRUE(editor.ckbxStandCalcKc0->isChecked());
    EXPECT_FALSE(editor.edtKc1->isEnabled());
    EXPECT_TRUE(messages.Messages().empty());
    TCropFactor crop = data.CropFactor;
    const double kc1 = CalcKcIni(data, nullptr, crop, 1);
    ASSERT_GT(kc1, 0);
    EXPECT_EQ(Text(editor.edtKc1), data.GuiSettings.FormatValue(7, kc1));
    EXPECT_EQ(data.CropFactor.Kc1[0], 0); // only shown, not stored
    // A refresh (the general data editor stored a change) keeps the computed value in view.
    BroadCastBoodschap(WM_REFRESH_CROPFACTOR);
    DeliverPostedEvents();
    EXPECT_EQ(Text(editor.edtKc1), data.GuiSettings.FormatValue(7, kc1));
    EXPECT_EQ(Text(editor.edtKc3), "1.15");
    ASSERT_TRUE(SaveAs(dir.File("computed.udc")));
    TCropFactor read;
    ASSERT_TRUE(read.Load(dir.File("computed.udc")));
    EXPECT_TRUE(read.StandardKc);
    EXPECT_EQ(read.Kc1[0], 0);
    // Unticked, the entered value returns and the box's click marks a change.
    ClickBox();
    EXPECT_TRUE(editor.edtKc1->isEnabled());
    EXPECT_EQ(Text(editor.edtKc1), "0.00");
    EXPECT_TRUE(editor.Modified());
}

TEST_F(CropFactorEditor, TickingWithoutAMeteoFileWarnsAndClearsTheBox) {
    LoadProject(false);
    ClickBox();
    ASSERT_EQ(messages.Messages().size(), 1u);
    EXPECT_EQ(messages.Messages()[0].Kind, TMessageKind::Warning);
    EXPECT_EQ(messages.Messages()[0].Text,
              "Load General-file and Meteo-file first to calculate Kc,1");
    EXPECT_FALSE(editor.ckbxStandCalcKc0->isChecked());
    EXPECT_TRUE(editor.edtKc1->isEnabled());
    EXPECT_FALSE(data.CropFactor.StandardKc);
}

TEST_F(CropFactorEditor, APredefinedCropIsSavedAsAUserDefinedOne) {
    TCropFactor crp;
    crp.Description = "Wheat";
    crp.Kc1 = {0.3, 0};
    crp.Kc3 = {1.1, 1.1};
    crp.Kc4 = {0.4, 0.4};
    crp.RootingDepth = 1.5;
    crp.StageLength = {20, 30, 60, 40};
    crp.Save(dir.File("wheat.crp"));
    dialogs.Answer(dir.File("wheat.crp"));
    editor.ToolBar()->FileOpen1->trigger();
    EXPECT_EQ(Text(editor.edtDescription), "Wheat");
    EXPECT_EQ(Text(editor.edtKc1), "0.30");
    EXPECT_EQ(Text(editor.edtKc2), "0.70");
    EXPECT_EQ(Text(editor.edtStageTotal), "150");
    EXPECT_FALSE(editor.Modified());
    Type(editor.edtDescription, QStringLiteral("Wheat, late"));
    editor.ToolBar()->FileSaveAs1->trigger(); // proposes the user defined name; cancelled
    EXPECT_EQ(dialogs.Asked().back().Proposed, dir.File("wheat.udc"));
    editor.ToolBar()->FileSave1->trigger();
    ASSERT_TRUE(FileExists(dir.File("wheat.udc")));
    TCropFactor read;
    ASSERT_TRUE(read.Load(dir.File("wheat.udc")));
    EXPECT_EQ(read.Description, "Wheat, late");
    EXPECT_EQ(editor.windowTitle().toStdString(),
              "Crop factor data [" + dir.File("wheat.udc") + "]");
    TCropFactor original;
    ASSERT_TRUE(original.Load(dir.File("wheat.crp")));
    EXPECT_EQ(original.Description, "Wheat");
}

TEST_F(CropFactorEditor, ShowingAgainStartsANewCrop) {
    EnterCrop("0.4", "1.15", "0.6", "1.2", {"30", "40", "60", "30"});
    ASSERT_TRUE(SaveAs(dir.File("maize.udc")));
    editor.hide();
    editor.ShowEditor();
    EXPECT_EQ(editor.windowTitle().toStdString(), "Crop factor data []");
    EXPECT_EQ(Text(editor.edtStage1), "");
    EXPECT_EQ(Text(editor.edtKc1), "0.00");
}

TEST_F(CropFactorEditor, TheFileMenuKeepsSaveEnabledAndHidesExit) {
    std::vector<std::string> shown;
    for (QAction* a : editor.mnuFile->actions()) {
        if (a->isSeparator())
            continue;
        if (!a->isVisible())
            continue;
        shown.push_back(a->text().toStdString());
        EXPECT_TRUE(a->isEnabled()) << a->text().toStdString();
    }
    EXPECT_EQ(shown,
              (std::vector<std::string>{"New", "Open", "Save", "Save As", "Copy to clipboard"}));
    EXPECT_FALSE(editor.ToolBar()->FileSave1->isEnabled());
}

TEST_F(CropFactorEditor, ClipboardHoldsEveryShownField) {
    EnterCrop("0.4", "1.2", "0.6", "1.2", {"30", "40", "60", "30"});
    editor.ToolBar()->CopyToClipboard->trigger();
    const std::string expected = "\r\n\r\nCrop Factors\r\n\r\n"
                                 "Description\tMaize\r\n"
                                 "Kc,1\t0.40\r\n"
                                 "Kc,2\t0.80\r\n"
                                 "Kc,3\t1.2\r\n"
                                 "Kc,4\t0.6\r\n"
                                 "Rooting depth (m)\t1.2\r\n"
                                 "initial stage (days)\t30\r\n"
                                 "development (days)\t40\r\n"
                                 "mid-season (days)\t60\r\n"
                                 "late-season (days)\t30\r\n"
                                 "growing period (days)\t160\r\n";
    EXPECT_EQ(QApplication::clipboard()->text().toStdString(), expected);
}

TEST_F(CropFactorEditor, LeavingTheWindowStoresTheDescription) {
    Type(editor.edtDescription, QStringLiteral("Beans"));
    EXPECT_EQ(data.CropFactor.Description, "");
    QWidget other;
    other.show();
    other.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
    EXPECT_EQ(data.CropFactor.Description, "Beans");
}
