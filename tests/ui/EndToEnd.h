#pragma once

// The end-to-end tests' shared steps: the program as it starts, on a program folder of its own
// that holds a copy of the build's example files, and the moves a user makes in it.

#include "UiTestSupport.h"

#include "core/cUserMessages.h"
#include "data/cAllData.h"
#include "support/TestProject.h"
#include "support/TestSupport.h"
#include "ui/fQueltaMain.h"

#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>
#include <string>

class QAction;
class TEditorBase;
class TfrmToolBar;

// Copies the example projects and the crop library of the build into folder.
bool CopyExampleFiles(const std::string& folder);

// Runs check on the window of type T that open shows modally, then closes the window as the
// user would. A window that does not appear within a few seconds fails the test, and whatever
// modal window is up then is closed, so the test goes on instead of hanging.
template <class T>
bool RunModal(const std::function<void()>& open, const std::function<void(T&)>& check) {
    bool ran = false;
    QTimer timer;
    timer.setInterval(5);
    QElapsedTimer clock;
    clock.start();
    QObject::connect(&timer, &QTimer::timeout, [&] {
        auto* window = qobject_cast<T*>(QApplication::activeModalWidget());
        if (!window || !window->isVisible()) {
            if (clock.elapsed() > 5000) {
                timer.stop();
                if (QWidget* other = QApplication::activeModalWidget())
                    other->close();
            }
            return;
        }
        timer.stop();
        ran = true;
        check(*window);
        window->close();
    });
    timer.start();
    open();
    timer.stop();
    EXPECT_TRUE(ran) << "the window " << T::staticMetaObject.className() << " did not appear";
    return ran;
}

// Clicks the strip's button of action, as the user would.
void ClickCommand(TfrmToolBar* strip, QAction* action);
// Picks an entry of a closed choice list with the arrow keys.
void Choose(QComboBox* box, const QString& text);

// The program started on its own program folder, with every window built.
class EndToEnd : public ::testing::Test {
protected:
    TTempDir dir;
    TMessageRecorder messages;
    TFileDialogScript dialogs;
    const bool copied = CopyExampleFiles(dir.Path());
    TfrmQueltaMain main{[this](TGuiSettings& settings) {
        settings.OpenProgramFolder(dir.Path(), dir.File("quelta.INI"));
    }};
    TAllData& data = main.AllData();

    void SetUp() override;
    std::string File(const std::string& name) const { return dir.File(name); }
    // Opens the editor from the File menu and a file in it through the Open dialog.
    void OpenInEditor(QAction* menuItem, TEditorBase* editor, const std::string& fileName);
    // Save As in editor under fileName; true when the file was written.
    bool SaveAs(TEditorBase* editor, const std::string& fileName);
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
