#include "ui/uNumberKeys.h"

#include "core/cUserMessages.h"

#include <QAction>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>

#include <memory>

bool IsShortcutKey(const QKeyEvent* key) {
    const Qt::KeyboardModifiers shifts =
        key->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier);
    return shifts == Qt::ControlModifier &&
           (key->key() == Qt::Key_V || key->key() == Qt::Key_C || key->key() == Qt::Key_X ||
            key->key() == Qt::Key_Z || key->key() == Qt::Key_A);
}

bool IsTypedCharacter(const QKeyEvent* key) {
    const QString typed = key->text();
    if (typed.isEmpty() || (key->modifiers() & (Qt::ControlModifier | Qt::MetaModifier)))
        return false;
    const QChar first = typed.at(0);
    return first.isPrint() || first == QLatin1Char('\b');
}

bool DropsTypedKey(const QKeyEvent* key, TNumberEntry entry, const QString& fieldText) {
    if (!IsTypedCharacter(key))
        return false;
    return !AcceptsTypedCharacter(entry, key->text().at(0).unicode(), fieldText.toStdString());
}

QString TextAfterPaste(const QLineEdit* field, const QString& clip) {
    QString text = field->text();
    const int at = field->hasSelectedText() ? field->selectionStart() : field->cursorPosition();
    text.remove(at, field->hasSelectedText() ? field->selectedText().size() : 0);
    text.insert(at, clip);
    return text;
}

bool PasteIntoNumberField(QLineEdit* field, TNumberEntry entry) {
    // A cell copied from a spreadsheet comes with its line end.
    const QString clip = QGuiApplication::clipboard()->text().trimmed();
    if (clip.isEmpty())
        return false;
    if (!AcceptsEntryText(entry, TextAfterPaste(field, clip).toStdString())) {
        ShowError("Invalid value");
        return false;
    }
    field->insert(clip);
    // insert() is the program's edit; the user's paste is a change like typing.
    emit field->textEdited(field->text());
    return true;
}

bool NumberFieldKey(QLineEdit* field, const QKeyEvent* key, TNumberEntry entry) {
    if (key->matches(QKeySequence::Paste)) {
        PasteIntoNumberField(field, entry);
        return true;
    }
    return DropsTypedKey(key, entry, field->text());
}

void ShowNumberFieldMenu(QLineEdit* field, const QContextMenuEvent* event, TNumberEntry entry,
                         const std::function<void()>& afterPaste) {
    std::unique_ptr<QMenu> menu(field->createStandardContextMenu());
    for (QAction* action : menu->actions())
        if (action->objectName() == QStringLiteral("edit-paste")) {
            action->disconnect();
            QObject::connect(action, &QAction::triggered, field, [field, entry, afterPaste] {
                if (PasteIntoNumberField(field, entry) && afterPaste)
                    afterPaste();
            });
        }
    menu->exec(event->globalPos());
}

namespace {

// Watches one field; it lives as the field's child, so it goes with it.
class TNumberFieldFilter : public QObject {
public:
    TNumberFieldFilter(QLineEdit* field, TNumberEntry entry) : QObject(field), entry(entry) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        auto* field = qobject_cast<QLineEdit*>(watched);
        if (!field)
            return false;
        if (event->type() == QEvent::KeyPress)
            return NumberFieldKey(field, static_cast<QKeyEvent*>(event), entry);
        if (event->type() == QEvent::ContextMenu) {
            ShowNumberFieldMenu(field, static_cast<QContextMenuEvent*>(event), entry, nullptr);
            return true;
        }
        return false;
    }

private:
    TNumberEntry entry;
};

} // namespace

void KeepNumberField(QLineEdit* field, TNumberEntry entry) {
    field->installEventFilter(new TNumberFieldFilter(field, entry));
}
