#pragma once

#include "ui/platform/pFileDialogs.h"
#include "ui/platform/pPrintDialogs.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>
#include <QWidget>

#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <string>
#include <vector>

class QAction;
class QComboBox;
class QLineEdit;
class QMenu;
class QTabBar;
class QTabWidget;
class TfrmToolBar;
class TGuiSettings;

// Answers the editors' file dialogs from a script and remembers how each was asked.
// Installs itself for its lifetime. An unscripted dialog is cancelled.
class TFileDialogScript : public TFileDialogs {
public:
    TFileDialogScript();
    ~TFileDialogScript() override;

    struct TAsked {
        bool Save;
        std::string Folder;
        std::string Filter;
        std::string Proposed;
    };
    void Answer(const std::string& fileName) { answers.push_back({fileName, -1}); }
    // A save dialog's answer with the position of the chosen filter.
    void Answer(const std::string& fileName, int filter) { answers.push_back({fileName, filter}); }
    const std::vector<TAsked>& Asked() const { return asked; }

    std::string OpenFileName(QWidget*, const std::string& folder,
                             const std::string& filter) override;
    std::string SaveFileName(QWidget*, const std::string& folder, const std::string& filter,
                             const std::string& proposed) override;
    TSaveChoice SaveFileChoice(QWidget*, const std::string& folder, const std::string& filter,
                               const std::string& proposed) override;

private:
    std::deque<TSaveChoice> answers;
    std::vector<TAsked> asked;
    TSaveChoice Next();
};

// A hidden top-level window that notes every window message 1025..1030 it receives.
class TWindowMessageLog : public QWidget {
public:
    std::vector<int> Received;

protected:
    bool event(QEvent* event) override;
};

// Lets queued events (the window messages among them) be delivered.
void DeliverPostedEvents();
// Opens a menu as the user would (its aboutToShow handlers run) and closes it again.
void OpenMenu(QMenu* menu);
// Types text into a widget key by key.
void TypeText(QWidget* widget, const QString& text);
// Sends a key with the text an X11 display gives it, where that is not QTest's: Delete "\x7f",
// Backspace "\b", Ctrl+A "\x01" (Ctrl with a letter: its control character).
void X11Key(QWidget* widget, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
// Replaces a field's text as a user would: select all, delete, then type.
void ReplaceText(QLineEdit* field, const QString& text);
// Runs check as soon as window is shown (a modal window: from inside its event loop), then
// closes the window as the user would.
void WhenShown(QWidget* window, std::function<void()> check);

// Whether LibreOffice is installed here: the picture and RTF files are then also opened by it.
bool LibreOfficeInstalled();
// Converts a file with LibreOffice (headless) into outFolder, e.g. to "png" or "html"; returns
// the converted file's path, or an empty text when the conversion failed.
std::string ConvertWithLibreOffice(const std::string& file, const std::string& format,
                                   const std::string& outFolder);

// What poppler reads from a PDF file: its text laid out as on the page (pdftotext -layout), and
// its number of pages (pdfinfo); both fail the test when the tool cannot read the file.
std::string PdfText(const std::string& pdfFile);
int PdfPages(const std::string& pdfFile);

// Answers the print dialog from a script: each answer prints to a PDF file (or cancels, for an
// empty name). Installs itself for its lifetime.
class TPrintDialogScript : public TPrintDialogs {
public:
    TPrintDialogScript();
    ~TPrintDialogScript() override;
    void Answer(const std::string& pdfFile) { answers.push_back(pdfFile); }
    int Asked() const { return asked; }
    bool SetUpPrinter(QWidget* parent, QPrinter& printer) override;

private:
    std::deque<std::string> answers;
    int asked = 0;
};

// The shown top-level window of type T, if any.
template <class T>
T* VisibleWindow() {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* window = qobject_cast<T*>(w); window && window->isVisible())
            return window;
    return nullptr;
}

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
// Clicks the tab of a page, as the user would.
void ClickTab(QTabBar* tabs, int index);
void ClickTab(QTabWidget* pages, int index);
