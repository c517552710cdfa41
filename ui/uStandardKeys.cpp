#include "ui/uStandardKeys.h"

#include <QAction>

void SetStandardShortcut(QAction* action, QKeySequence::StandardKey key,
                         const QKeySequence& usual) {
    QList<QKeySequence> keys = QKeySequence::keyBindings(key);
    keys.removeAll(usual);
    keys.prepend(usual);
    action->setShortcuts(keys);
}
