#include "UiTestSupport.h"

#include "core/cGuiSettings.h"
#include "core/cUserMessages.h"
#include "support/TestSupport.h"
#include "ui/fSettings.h"
#include "ui/fToolBar.h"
#include "ui/platform/pWindowMessages.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>

#include <gtest/gtest.h>

namespace {

class SettingsEditor : public ::testing::Test {
protected:
    TTempDir dir;
    TMessageRecorder messages;
    TGuiSettings settings;
    TWindowMessageLog log;

    void SetUp() override {
        ASSERT_TRUE(settings.OpenProgramFolder(dir.Path(), dir.File("quelta.INI")));
    }
    std::string File() { return ReadBytes(dir.File("quelta.INI")); }
};

} // namespace

TEST_F(SettingsEditor, ShowsTheUnitsInForceWithTheirNames) {
    settings.VelocityUnit = 2;
    settings.TemperatureUnit = 1;
    TfrmSettings editor(settings, nullptr);
    EXPECT_EQ(editor.windowTitle().toStdString(), "Options");
    EXPECT_EQ(editor.cbxVelocity->currentText().toStdString(), "km/d");
    EXPECT_EQ(editor.lblVelocity->text().toStdString(), "Kilometer per day");
    EXPECT_EQ(editor.cbxTemperature->currentText().toStdString(), "\u00b0F");
    EXPECT_EQ(editor.lblLengthHeigth->text().toStdString(), "Meter");
    EXPECT_EQ(editor.cbxVolume->itemText(0).toStdString(), "m^3");
    EXPECT_FALSE(editor.Modified());
    EXPECT_FALSE(editor.ToolBar->FileSave1->isEnabled());
    for (QAction* hidden : {editor.ToolBar->FileNew1, editor.ToolBar->FileOpen1,
                            editor.ToolBar->FileSaveAs1, editor.ToolBar->CopyToClipboard})
        EXPECT_FALSE(hidden->isVisible());
    EXPECT_TRUE(editor.ToolBar->FileSave1->isVisible());
}

TEST_F(SettingsEditor, ClosingAsksOnlyAfterAChoiceEvenOneTakenBack) {
    TfrmSettings editor(settings, nullptr);
    editor.show();
    editor.reject();
    EXPECT_FALSE(editor.isVisible());
    EXPECT_TRUE(messages.Messages().empty());

    editor.show();
    editor.cbxLengthHeigth->setCurrentIndex(1);
    editor.cbxLengthHeigth->setCurrentIndex(0);
    EXPECT_TRUE(editor.ToolBar->FileSave1->isEnabled());
    messages.Answer(TMessageAnswer::Cancel);
    editor.reject();
    ASSERT_EQ(messages.Texts(), std::vector<std::string>{"Save changes to file?"});
    EXPECT_EQ(messages.Messages()[0].Buttons, TMessageButtons::YesNoCancel);
    EXPECT_TRUE(editor.isVisible()); // Cancel keeps it open
}

TEST_F(SettingsEditor, SaveStoresTheChoiceWritesTheFileAndPostsTheRefreshes) {
    TfrmSettings editor(settings, nullptr);
    editor.cbxVelocity->setCurrentIndex(2);
    EXPECT_EQ(editor.lblVelocity->text().toStdString(), "Kilometer per day");
    EXPECT_EQ(settings.VelocityUnit, 0); // untouched until Save
    editor.ToolBar->FileSave1->trigger();
    EXPECT_EQ(settings.VelocityUnit, 2);
    EXPECT_EQ(File(), Bytes({2, 0, 2, 0, 2, 2, 2, 0, 2, 0, 2, 0}));
    EXPECT_FALSE(editor.Modified());
    DeliverPostedEvents();
    EXPECT_EQ(log.Received,
              (std::vector<int>{WM_REFRESH_MAIN, WM_REFRESH_GENERAL, WM_REFRESH_METEO,
                                WM_REFRESH_PATTERN, WM_REFRESH_CROPFACTOR, WM_REFRESH_STRATEGY}));
}

TEST_F(SettingsEditor, NoOnClosingLeavesSettingsFileAndWindowsAsTheyWere) {
    const std::string before = File();
    TfrmSettings editor(settings, nullptr);
    editor.show();
    editor.cbxTemperature->setCurrentIndex(1);
    messages.Answer(TMessageAnswer::No);
    editor.reject();
    EXPECT_FALSE(editor.isVisible());
    EXPECT_EQ(settings.TemperatureUnit, 0);
    EXPECT_EQ(File(), before);
    DeliverPostedEvents();
    EXPECT_TRUE(log.Received.empty());
}

TEST_F(SettingsEditor, YesOnClosingSavesAndCloses) {
    TfrmSettings editor(settings, nullptr);
    editor.show();
    editor.cbxArea->setCurrentIndex(1);
    messages.Answer(TMessageAnswer::Yes);
    editor.reject();
    EXPECT_FALSE(editor.isVisible());
    EXPECT_EQ(settings.AreaUnit, 1);
    EXPECT_EQ(File(), Bytes({2, 0, 2, 1, 2, 0, 2, 0, 2, 0, 2, 0}));
}

TEST_F(SettingsEditor, AFailedWriteIsReportedAndChangesNothing) {
    settings.SettingsFileName = dir.File("missing-folder/quelta.INI");
    TfrmSettings editor(settings, nullptr);
    editor.cbxLengthHeigth->setCurrentIndex(1);
    EXPECT_FALSE(editor.Save());
    ASSERT_EQ(messages.Messages().size(), 1u);
    EXPECT_EQ(messages.Messages()[0].Kind, TMessageKind::Error);
    EXPECT_EQ(settings.LengthUnit, 0);
    EXPECT_TRUE(editor.Modified());
    DeliverPostedEvents();
    EXPECT_TRUE(log.Received.empty());
}

TEST_F(SettingsEditor, AnOutOfRangeUnitInTheFileShowsAsTheLastUnit) {
    settings.LengthUnit = 7;
    settings.VelocityUnit = 9;
    TfrmSettings editor(settings, nullptr);
    EXPECT_EQ(editor.cbxLengthHeigth->currentText().toStdString(), "ft");
    EXPECT_EQ(editor.cbxVelocity->currentText().toStdString(), "km/d");
    EXPECT_FALSE(editor.Modified());
}
