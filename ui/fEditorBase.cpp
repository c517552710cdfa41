#include "ui/fEditorBase.h"

#include "calc/uRangeCheck.h"
#include "core/cFileIO.h"
#include "core/cGuiSettings.h"
#include "core/cUserMessages.h"
#include "data/cAllData.h"
#include "ui/fToolBar.h"
#include "ui/platform/pWindowMessages.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QEventLoop>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QVBoxLayout>

const std::string kSaveChanges = "Save changes to file?";

std::string ExpectedFileKind(const std::string& openFilter) {
    return openFilter.substr(0, openFilter.find('|'));
}

TSaveAnswer AskSaveChanges(const std::string& text) {
    switch (AskUser(TMessageKind::Confirmation, text, TMessageButtons::YesNoCancel)) {
    case TMessageAnswer::Yes:
        return TSaveAnswer::Yes;
    case TMessageAnswer::No:
        return TSaveAnswer::No;
    default:
        return TSaveAnswer::Cancel;
    }
}

TEditorBase::TEditorBase(TEditorValues v, TRecordAccess r, TAllData& d, QWidget* owner)
    : QWidget(owner, Qt::Window), values(std::move(v)), record(std::move(r)), data(d),
      recent(QString::fromStdString(values.Extension).remove(QLatin1Char('.'))) {
    menuBar = new QMenuBar(this);
    toolBar = new TfrmToolBar(this);
    toolBar->AddFileMenu(menuBar);
    toolBar->ShowOnly({toolBar->FileNew1, toolBar->FileOpen1, toolBar->FileSave1,
                       toolBar->FileSaveAs1, toolBar->CopyToClipboard});
    body = new QWidget(this);
    lblRange = new QLabel(this);
    lblRange->setObjectName(QStringLiteral("LblRange"));

    auto* layout = new QVBoxLayout(this);
    layout->setMenuBar(menuBar);
    layout->addWidget(toolBar);
    layout->addWidget(body, 1);
    layout->addWidget(lblRange);

    connect(toolBar->FileNew1, &QAction::triggered, this, &TEditorBase::New);
    connect(toolBar->FileOpen1, &QAction::triggered, this, &TEditorBase::Open);
    connect(toolBar->FileSave1, &QAction::triggered, this, &TEditorBase::Save);
    connect(toolBar->FileSaveAs1, &QAction::triggered, this, &TEditorBase::SaveAs);
    connect(toolBar->FileExit1, &QAction::triggered, this, &TEditorBase::Exit);
    connect(toolBar->CopyToClipboard, &QAction::triggered, this, &TEditorBase::CopyText);
    connect(toolBar->FileClose1, &QAction::triggered, this, &QWidget::close);
    toolBar->SetRecentFiles([this] { return recent.Files(); },
                            [this](const QString& file) { OpenRecentFile(file.toStdString()); });
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) {
        if (now && isAncestorOf(now))
            ShowHintFor(now);
    });
    SetModified(false);
}

TGuiSettings& TEditorBase::Units() const {
    return data.GuiSettings;
}

void TEditorBase::ShowEditor() {
    PrepareToShow();
    OnShowEditor();
    Present();
}

void TEditorBase::PrepareToShow() {
    if (minimumSize().isNull())
        setMinimumSize(minimumSizeHint()); // the size the fields were designed for
    SetUnitCaptions();
}

void TEditorBase::Present() {
    setWindowState(windowState() & ~Qt::WindowMinimized);
    show();
    raise();
    activateWindow();
}

void TEditorBase::OnShowEditor() {
    if (RecordFileName().empty())
        New();
    else
        ShowRecordAndCaption();
}

void TEditorBase::SetModified(bool value) {
    modified = value;
    toolBar->FileSave1->setEnabled(value);
    toolBar->FileSaveAs1->setEnabled(value);
}

TEditorBase::TAskResult TEditorBase::AskToSave(const std::string& text) {
    if (!modified)
        return TAskResult::Go;
    switch (AskSaveChanges(text)) {
    case TSaveAnswer::Yes:
        return Save() ? TAskResult::Saved : TAskResult::Stop;
    case TSaveAnswer::No:
        return TAskResult::Go;
    default:
        return TAskResult::Stop;
    }
}

void TEditorBase::New() {
    if (AskToSave(values.NewPrompt) == TAskResult::Stop)
        return;
    record.Clear();
    UpdateCaption();
    ShowDefaults();
    Notify();
    SetModified(false);
}

void TEditorBase::Open() {
    // After saving, the user opens again: the question was about the old data only.
    if (AskToSave(kSaveChanges) != TAskResult::Go)
        return;
    const std::string name = toolBar->OpenDialog(Folder(), values.OpenFilter);
    if (name.empty() || !FileExists(name))
        return;
    LoadFile(name);
}

bool TEditorBase::OpenFile(const std::string& fileName) {
    // The user asked for this very file, so after a Yes it is opened all the same.
    if (AskToSave(kSaveChanges) == TAskResult::Stop)
        return false;
    if (!isVisible())
        PrepareToShow();
    if (!LoadFile(fileName))
        return false;
    Present();
    return true;
}

void TEditorBase::OpenRecentFile(const std::string& fileName) {
    if (!FileExists(fileName)) {
        recent.Remove(QString::fromStdString(fileName));
        ShowInformation("The file " + fileName +
                        " is no longer there. It has been taken off the recent files.");
        return;
    }
    OpenFile(fileName);
}

bool TEditorBase::LoadFile(const std::string& name) {
    const TReadErrorContext context(name, ExpectedFileKind(values.OpenFilter));
    if (!record.Load(name))
        return false;
    recent.Add(QString::fromStdString(RecordFileName()));
    ShowOpenedRecord();
    Notify();
    SetModified(false);
    return true;
}

bool TEditorBase::Save() {
    if (SaveRefused())
        return false;
    if (RecordFileName().empty())
        return SaveUnderChosenName();
    return SaveUnder(ChangeFileExt(RecordFileName(), values.Extension));
}

bool TEditorBase::SaveAs() {
    if (SaveRefused())
        return false;
    return SaveUnderChosenName();
}

bool TEditorBase::SaveOutOfRangeRefused(const std::vector<TOutOfRange>& outOfRange) {
    // Unfinished work is worth keeping, but not without a word: the first value out of range
    // is named, and the user decides.
    if (outOfRange.empty())
        return false;
    return AskUser(TMessageKind::Warning, OutOfRangeSaveQuestion(outOfRange.front()),
                   TMessageButtons::YesNo) != TMessageAnswer::Yes;
}

bool TEditorBase::SaveUnderChosenName() {
    std::string proposed = RecordFileName();
    if (values.ProposeWithExtension && !proposed.empty())
        proposed = ChangeFileExt(proposed, values.Extension);
    const std::string name = toolBar->SaveDialog(Folder(), values.SaveAsFilter, proposed);
    if (name.empty())
        return false;
    return SaveUnder(ChangeFileExt(name, values.Extension));
}

bool TEditorBase::SaveUnder(const std::string& fileName) {
    try {
        StoreFields(fileName);
        record.Save(fileName);
    } catch (const std::exception& e) {
        ShowError(e.what());
        return false;
    }
    recent.Add(QString::fromStdString(fileName));
    if (values.ShowAfterSave)
        ShowRecordAndCaption();
    else
        UpdateCaption(); // the new name belongs in the caption all the same
    Notify();
    SetModified(false);
    return true;
}

void TEditorBase::Exit() {
    if (modified) {
        switch (AskSaveChanges(kSaveChanges)) {
        case TSaveAnswer::Cancel:
            return;
        case TSaveAnswer::Yes:
            if (!Save())
                return;
            break;
        case TSaveAnswer::No:
            // Back to the file's values; a record never saved keeps what was typed.
            if (FileExists(RecordFileName()) && record.Load(RecordFileName())) {
                ShowRecordAndCaption();
                Notify();
            }
            break;
        }
    }
    SetModified(false);
    close();
}

bool TEditorBase::CloseQuery() {
    if (modified) {
        switch (AskSaveChanges(kSaveChanges)) {
        case TSaveAnswer::Cancel:
            return false;
        case TSaveAnswer::Yes:
            if (!Save())
                return false;
            break;
        case TSaveAnswer::No:
            break; // the edited values stay in the record, unsaved
        }
    }
    SetModified(false);
    return true;
}

void TEditorBase::closeEvent(QCloseEvent* event) {
    if (CloseQuery()) {
        event->accept();
        if (closedLoop)
            closedLoop->quit();
    } else {
        event->ignore();
    }
}

void TEditorBase::ExecuteModal(const std::function<void()>& open) {
    setWindowModality(Qt::ApplicationModal);
    open();
    if (!isVisible())
        return;
    QEventLoop loop;
    closedLoop = &loop;
    loop.exec();
    closedLoop = nullptr;
}

std::string TEditorBase::ClipboardText() {
    std::vector<std::string> lines{RecordFileName(), "", values.ClipboardTitle, ""};
    for (std::string& line : ClipboardBody())
        lines.push_back(std::move(line));
    std::string text;
    for (const std::string& line : lines)
        text += line + "\r\n";
    return text;
}

void TEditorBase::CopyText() {
    QGuiApplication::clipboard()->setText(QString::fromStdString(ClipboardText()));
}

void TEditorBase::Notify() {
    for (int id : values.Notifications)
        BroadCastBoodschap(id);
}

void TEditorBase::UpdateCaption() {
    std::string caption = values.CaptionFormat;
    const auto at = caption.find("%s");
    if (at != std::string::npos)
        caption.replace(at, 2, RecordFileName());
    setWindowTitle(QString::fromStdString(caption));
}

void TEditorBase::ShowRecordAndCaption() {
    UpdateCaption();
    ShowRecord();
}

std::string TEditorBase::Folder() const {
    return values.Folder ? data.GuiSettings.*values.Folder : std::string();
}

void TEditorBase::WatchTextField(QWidget* field) {
    watched.push_back({field, TWatched{}});
    field->installEventFilter(this);
    MarkChangesOf(field);
}

void TEditorBase::MarkChangesOf(QWidget* field) {
    // Only a key that changes the text (a paste or cut among them) is a change; Ctrl, the cursor
    // keys or Tab pressed in a field are not.
    if (auto* edit = qobject_cast<QLineEdit*>(field))
        connect(edit, &QLineEdit::textEdited, this, [this] { SetModified(true); });
}

void TEditorBase::WatchNumberField(QWidget* field, TNumberEntry entry) {
    TWatched w;
    w.Number = true;
    w.Entry = entry;
    watched.push_back({field, w});
    field->installEventFilter(this);
    MarkChangesOf(field);
}

void TEditorBase::SetRangeHint(QWidget* field, std::function<std::string()> hint) {
    if (TWatched* w = Watched(field))
        w->Hint = std::move(hint);
}

TEditorBase::TWatched* TEditorBase::Watched(QObject* object) {
    for (auto& [field, w] : watched)
        if (field == object)
            return &w;
    return nullptr;
}

namespace {

bool IsNavigationKey(int key) {
    return key == Qt::Key_Tab || key == Qt::Key_Backtab;
}

} // namespace

void SetTabOrder(std::initializer_list<QWidget*> order) {
    QWidget* previous = nullptr;
    for (QWidget* next : order) {
        if (previous)
            QWidget::setTabOrder(previous, next); // Qt 6.4 has only the pairwise form
        previous = next;
    }
}

void TEditorBase::RefreshRangeHint() {
    ShowHintFor(focusWidget());
}

void TEditorBase::ShowHintFor(QWidget* focused) {
    if (focused && ShowOwnHint(focused))
        return;
    // A field of its own, or a part of one (the editor of a grid cell); anything else (a choice
    // list, a check box, a button) has no range.
    TWatched* w = nullptr;
    for (QWidget* f = focused; f && f != this && !w; f = f->parentWidget())
        w = Watched(f);
    lblRange->setText(w && w->Hint ? QString::fromStdString(w->Hint()) : QString());
}

void TEditorBase::KeyReleasedIn(QWidget* field) {
    try {
        FieldKeyReleased(field);
    } catch (const std::exception& e) {
        ShowError(e.what()); // e.g. a field that does not hold a number yet
    }
}

bool TEditorBase::eventFilter(QObject* object, QEvent* event) {
    TWatched* w = Watched(object);
    if (!w)
        return QWidget::eventFilter(object, event);
    auto* field = static_cast<QWidget*>(object);
    switch (event->type()) {
    case QEvent::KeyPress: {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (IsNavigationKey(key->key()))
            break;
        shortcutKey = IsShortcutKey(key);
        if (auto* edit = qobject_cast<QLineEdit*>(field); edit && w->Number)
            if (NumberFieldKey(edit, key, w->Entry))
                return true;
        break;
    }
    case QEvent::ContextMenu:
        if (auto* edit = qobject_cast<QLineEdit*>(field); edit && w->Number) {
            ShowNumberFieldMenu(edit, static_cast<QContextMenuEvent*>(event), w->Entry,
                                [this, field] { KeyReleasedIn(field); });
            return true;
        }
        break;
    case QEvent::KeyRelease:
        if (!static_cast<QKeyEvent*>(event)->isAutoRepeat() &&
            !IsNavigationKey(static_cast<QKeyEvent*>(event)->key()))
            KeyReleasedIn(field);
        break;
    case QEvent::FocusIn:
        ShowHintFor(field);
        break;
    default:
        break;
    }
    return QWidget::eventFilter(object, event);
}

bool TEditorBase::event(QEvent* event) {
    if (values.RefreshMessage != 0 && IsWindowMessage(event, values.RefreshMessage)) {
        if (isVisible()) {
            SetUnitCaptions();
            ShowRecordAndCaption();
            RefreshRangeHint(); // in the units now set
        }
        return true;
    }
    return QWidget::event(event);
}
