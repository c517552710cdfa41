#pragma once

#include <QKeySequence>

class QAction;

// Gives action the platform's keys for a standard command (New, Open, Save As, Close, Print,
// Quit, Help, ...), with usual first: where the platform knows no key for the command (Save As on
// a plain X11 desktop, say), usual alone. The menus show the first key.
void SetStandardShortcut(QAction* action, QKeySequence::StandardKey key, const QKeySequence& usual);
