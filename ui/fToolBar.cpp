#include "ui/fToolBar.h"

#include "ui/platform/pFileDialogs.h"
#include "ui/uStandardKeys.h"

#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QMenu>
#include <QMenuBar>
#include <QStyle>
#include <QToolBar>
#include <QVBoxLayout>

const std::string TfrmToolBar::DefaultFilter = "All Files (*.*)|*.*";

namespace {

// hint is "short|long": the short part is the tool tip, the long one goes to the status bar.
QAction* MakeAction(QObject* owner, const char* name, const char* caption, const char* hint) {
    auto* action = new QAction(QString::fromUtf8(caption), owner);
    action->setObjectName(QString::fromUtf8(name));
    const QString text = QString::fromUtf8(hint);
    const int bar = text.indexOf(QLatin1Char('|'));
    action->setToolTip(bar < 0 ? text : text.left(bar));
    action->setStatusTip(bar < 0 ? text : text.mid(bar + 1));
    return action;
}

} // namespace

TfrmToolBar::TfrmToolBar(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("TfrmToolBar"));
    QStyle* style = QApplication::style();
    FileNew1 = MakeAction(this, "FileNew1", "&New", "New|Create a new file");
    SetStandardShortcut(FileNew1, QKeySequence::New, QKeySequence(Qt::CTRL | Qt::Key_N));
    FileNew1->setIcon(style->standardIcon(QStyle::SP_FileIcon));
    FileOpen1 = MakeAction(this, "FileOpen1", "&Open", "Open|Open a file");
    SetStandardShortcut(FileOpen1, QKeySequence::Open, QKeySequence(Qt::CTRL | Qt::Key_O));
    FileOpen1->setIcon(style->standardIcon(QStyle::SP_DialogOpenButton));
    FileSave1 = MakeAction(this, "FileSave1", "&Save", "Save|Save current file");
    SetStandardShortcut(FileSave1, QKeySequence::Save, QKeySequence(Qt::CTRL | Qt::Key_S));
    FileSave1->setIcon(style->standardIcon(QStyle::SP_DialogSaveButton));
    FileSaveAs1 = MakeAction(this, "FileSaveAs1", "Save &As...",
                             "Save As|Save current file with different name");
    SetStandardShortcut(FileSaveAs1, QKeySequence::SaveAs,
                        QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
    CopyToClipboard = MakeAction(this, "CopyToClipboard", "Copy to clipboard", "copy to clipboard");
    actChart = MakeAction(this, "actChart", "ShowChart", "show chart");
    PatternLineAdd = MakeAction(this, "PatternLineAdd", "&Add crop", "Add crop");
    PatternLineDelete = MakeAction(this, "PatternLineDelete", "&Delete crop", "Delete crop");
    PatternLineEdit = MakeAction(this, "PatternLineEdit", "&Edit crop", "Edit crop");
    SaveToPattern = MakeAction(this, "SaveToPattern", "&Save to pattern", "Save to pattern");
    actShowReport = MakeAction(this, "actShowReport", "show report", "");
    FileExit1 = MakeAction(this, "FileExit1", "Exit", "Exit|Exit current file");
    actShowReport->setVisible(false);
    FileExit1->setVisible(false);
    FileClose1 = MakeAction(this, "FileClose1", "&Close", "Close|Close this window");
    SetStandardShortcut(FileClose1, QKeySequence::Close, QKeySequence(Qt::CTRL | Qt::Key_W));
    mnuRecent = new QMenu(QStringLiteral("Recent &files"), this);
    mnuRecent->setObjectName(QStringLiteral("mnuRecent"));

    ToolBar = new QToolBar(this);
    ToolBar->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    ToolBar->addActions({FileNew1, FileOpen1, FileSave1, FileSaveAs1});
    ToolBar->addSeparator();
    ToolBar->addActions({CopyToClipboard, actChart});
    ToolBar->addSeparator();
    ToolBar->addActions(
        {PatternLineAdd, PatternLineDelete, PatternLineEdit, SaveToPattern, actShowReport});

    PopupMenu = new QMenu(this);
    PopupMenu->addActions({FileNew1, FileOpen1, FileSave1, FileSaveAs1, FileExit1});
    PopupMenu->addSeparator();
    PopupMenu->addAction(CopyToClipboard);
    ToolBar->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(ToolBar, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& at) { PopupMenu->popup(ToolBar->mapToGlobal(at)); });

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(ToolBar);
}

void TfrmToolBar::ShowOnly(std::initializer_list<QAction*> shown) {
    for (QAction* action :
         {FileNew1, FileOpen1, FileSave1, FileSaveAs1, CopyToClipboard, actChart, PatternLineAdd,
          PatternLineDelete, PatternLineEdit, SaveToPattern, actShowReport, FileExit1}) {
        bool visible = false;
        for (QAction* s : shown)
            visible = visible || s == action;
        action->setVisible(visible);
    }
    // A separator with nothing shown on one side of it only takes room.
    const QList<QAction*> all = ToolBar->actions();
    for (int i = 0; i < all.size(); ++i) {
        if (!all[i]->isSeparator())
            continue;
        auto anyVisible = [&](int from, int step) {
            for (int j = from; j >= 0 && j < all.size() && !all[j]->isSeparator(); j += step)
                if (all[j]->isVisible())
                    return true;
            return false;
        };
        all[i]->setVisible(anyVisible(i - 1, -1) && anyVisible(i + 1, 1));
    }
}

QMenu* TfrmToolBar::AddFileMenu(QMenuBar* bar) {
    QMenu* file = bar->addMenu(QStringLiteral("&File")); // Alt+F opens it, as in every window
    file->addActions({FileNew1, FileOpen1});
    file->addMenu(mnuRecent);
    file->addActions({FileSave1, FileSaveAs1, FileExit1, FileClose1});
    file->addSeparator();
    file->addAction(CopyToClipboard);
    // Filled as the menu opens, so a file saved in another window is listed too.
    connect(file, &QMenu::aboutToShow, this, &TfrmToolBar::FillRecentMenu);
    FillRecentMenu();
    return file;
}

void TfrmToolBar::SetRecentFiles(std::function<QStringList()> files,
                                 std::function<void(const QString&)> chosen) {
    recentFiles = std::move(files);
    recentChosen = std::move(chosen);
    FillRecentMenu();
}

void TfrmToolBar::FillRecentMenu() {
    mnuRecent->clear();
    const QStringList files = recentFiles ? recentFiles() : QStringList();
    for (int i = 0; i < files.size(); ++i) {
        QString text = files[i];
        text.replace(QLatin1Char('&'), QStringLiteral("&&"));
        QAction* item = mnuRecent->addAction(QStringLiteral("&%1 %2").arg(i + 1).arg(text));
        const QString file = files[i];
        connect(item, &QAction::triggered, this, [this, file] {
            if (recentChosen)
                recentChosen(file);
        });
    }
    mnuRecent->setEnabled(!files.isEmpty());
}

std::string TfrmToolBar::OpenDialog(const std::string& folder, const std::string& filter) {
    return FileDialogs().OpenFileName(window(), folder, filter.empty() ? DefaultFilter : filter);
}

std::string TfrmToolBar::SaveDialog(const std::string& folder, const std::string& filter,
                                    const std::string& proposedName) {
    return FileDialogs().SaveFileName(window(), folder, filter.empty() ? DefaultFilter : filter,
                                      proposedName);
}
