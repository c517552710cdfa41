#pragma once

#include <QWidget>

#include <functional>
#include <initializer_list>
#include <string>

class QAction;
class QMenu;
class QMenuBar;
class QToolBar;

// The command strip every editor carries: one set of actions shown on a tool bar, in a popup
// menu and in the editor's "File" menu. The three share the actions, so they are shown, hidden
// and enabled together. The strip also opens the editors' file dialogs.
class TfrmToolBar : public QWidget {
    Q_OBJECT
public:
    explicit TfrmToolBar(QWidget* parent);

    QAction* FileNew1;
    QAction* FileOpen1;
    QAction* FileSave1;
    QAction* FileSaveAs1;
    QAction* CopyToClipboard;
    QAction* actChart;
    QAction* PatternLineAdd;
    QAction* PatternLineDelete;
    QAction* PatternLineEdit;
    QAction* SaveToPattern;
    QAction* actShowReport;
    QAction* FileExit1;
    // Only in the "File" menu: closes the window as its frame does.
    QAction* FileClose1;
    // "Recent files" in the "File" menu, filled each time the menu opens.
    QMenu* mnuRecent;

    QToolBar* ToolBar;
    QMenu* PopupMenu;

    // Shows the listed commands and hides all others.
    void ShowOnly(std::initializer_list<QAction*> shown);
    // Adds a "File" menu with New, Open, Recent files, Save, Save As, Exit, Close and Copy to
    // clipboard.
    QMenu* AddFileMenu(QMenuBar* bar);
    // Where "Recent files" finds its files, and what choosing one does.
    void SetRecentFiles(std::function<QStringList()> files,
                        std::function<void(const QString&)> chosen);

    // The dialogs start in folder with the given filter ("" = this strip's default filter);
    // they return "" when cancelled.
    std::string OpenDialog(const std::string& folder, const std::string& filter);
    std::string SaveDialog(const std::string& folder, const std::string& filter,
                           const std::string& proposedName);

    static const std::string DefaultFilter;

private:
    std::function<QStringList()> recentFiles;
    std::function<void(const QString&)> recentChosen;
    void FillRecentMenu();
};
