#pragma once

// The program as a user starts it: the main window with every window built by the start-up code,
// on a program folder of its own that holds a copy of the build's example projects and crop
// library, with the message recorder answering the boxes and a script answering the file dialogs.

#include "UiTestSupport.h"

#include "core/cFileIO.h"
#include "core/cGuiSettings.h"
#include "core/cUserMessages.h"
#include "data/cAllData.h"
#include "support/TestSupport.h"
#include "ui/fCropPattern.h"
#include "ui/fGeneral.h"
#include "ui/fMeteo.h"
#include "ui/fQueltaMain.h"
#include "ui/fToolBar.h"
#include "ui/uStartUp.h"

#include <QAction>
#include <QMenu>
#include <QTest>

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <string>

// Copies the example projects and the crop library of the build into folder.
inline bool CopyExampleFiles(const std::string& folder) {
    namespace fs = std::filesystem;
    const fs::path app = fs::path(QUELTA_BINARY_DIR) / "app";
    std::error_code ec;
    for (const char* kind :
         {"General", "Meteo", "Pattern", "Strategy", "Crop", "Schedule", "Soil"}) {
        if (!fs::exists(app / kind))
            continue;
        fs::copy(app / kind, fs::path(folder) / kind, fs::copy_options::recursive, ec);
        if (ec)
            return false;
    }
    return true;
}

// The program started on its own program folder, with every window built.
class TProgramFixture : public ::testing::Test {
protected:
    TTempDir dir;
    TMessageRecorder messages;
    TFileDialogScript dialogs;
    const bool copied = CopyExampleFiles(dir.Path());
    TfrmQueltaMain main{[this](TGuiSettings& settings) {
        settings.OpenProgramFolder(dir.Path(), dir.File("quelta.INI"));
    }};
    TAllData& data = main.AllData();
    TfrmGeneral* general = nullptr;
    TfrmMeteo* meteo = nullptr;
    TfrmCropPattern* pattern = nullptr;

    void SetUp() override {
        ASSERT_TRUE(copied) << "the build's example files are missing";
        CreateEditors(main);
        main.show();
        general = main.findChild<TfrmGeneral*>();
        meteo = main.findChild<TfrmMeteo*>();
        pattern = main.findChild<TfrmCropPattern*>();
        ASSERT_TRUE(general && meteo && pattern);
    }
    std::string File(const std::string& name) const { return dir.File(name); }
    // Opens an editor from the File menu.
    void OpenFromMenu(QAction* menuItem, QWidget* editor) {
        OpenMenu(main.mnuFile);
        menuItem->trigger();
        ASSERT_TRUE(editor->isVisible());
    }
    // Opens the editor from the File menu and a file in it through the Open dialog.
    void OpenInEditor(QAction* menuItem, TEditorBase* editor, const std::string& fileName) {
        OpenFromMenu(menuItem, editor);
        dialogs.Answer(fileName);
        ClickCommand(editor->ToolBar(), editor->ToolBar()->FileOpen1);
        EXPECT_TRUE(editor->windowTitle().endsWith(QString::fromStdString(fileName + "]")))
            << editor->windowTitle().toStdString();
    }
    // Save As in editor under fileName; true when the file was written.
    bool SaveAs(TEditorBase* editor, const std::string& fileName) {
        dialogs.Answer(fileName);
        ClickCommand(editor->ToolBar(), editor->ToolBar()->FileSaveAs1);
        return FileExists(fileName);
    }
    // Opens menu, picks item and runs check on the modal window T it shows (the report,
    // strategy and settings windows).
    template <class T>
    bool FromMenu(QMenu* menu, QAction* item, const std::function<void(T&)>& check) {
        return RunModal<T>(
            [&] {
                OpenMenu(menu);
                EXPECT_TRUE(item->isEnabled()) << item->text().toStdString();
                item->trigger();
            },
            check);
    }
};
