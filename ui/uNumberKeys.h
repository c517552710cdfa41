#pragma once

// Keys and pastes in the program's number fields. Only typed characters are filtered; keys that
// type no character (cursor keys, Delete, Enter, Ctrl with a letter) always pass. A paste, by
// key or by the field's context menu, goes in only when the field then still holds a number of
// its kind; otherwise the user reads "Invalid value" and the field keeps its text.

#include "core/cNumberEntry.h"

#include <QString>

#include <functional>

class QContextMenuEvent;
class QKeyEvent;
class QLineEdit;

// Ctrl with V, C, X, Z or A and no other shift key: the clipboard, undo and select-all shortcuts.
bool IsShortcutKey(const QKeyEvent* key);

// True when the key types a character (or is Backspace); keys whose text is another control
// character (X11 gives Delete "\x7f" and Ctrl+A "\x01") or empty (cursor keys) type none.
bool IsTypedCharacter(const QKeyEvent* key);

// True when a key typed into a number field of the given entry kind must be dropped.
bool DropsTypedKey(const QKeyEvent* key, TNumberEntry entry, const QString& fieldText);

// The text a paste of clip would leave in the field (at its cursor, over its selection).
QString TextAfterPaste(const QLineEdit* field, const QString& clip);

// Pastes the clipboard into the field when the result is a number of the entry kind, else tells
// the user "Invalid value". True when the paste went in.
bool PasteIntoNumberField(QLineEdit* field, TNumberEntry entry);

// The key handling of a number field: true when the key is consumed (a paste, done or refused,
// or a character the field does not take).
bool NumberFieldKey(QLineEdit* field, const QKeyEvent* key, TNumberEntry entry);

// The field's own context menu, with its Paste going through PasteIntoNumberField; afterPaste
// runs when a paste went in (the field's key-release work, for instance).
void ShowNumberFieldMenu(QLineEdit* field, const QContextMenuEvent* event, TNumberEntry entry,
                         const std::function<void()>& afterPaste);

// Makes a line edit outside the editors (a dialog's field) a number field of the given kind: its
// typed keys and its pastes, by key or by its context menu, follow the rules above.
void KeepNumberField(QLineEdit* field, TNumberEntry entry);
