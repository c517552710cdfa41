#include "ui/platform/pWindowMessages.h"

#include <QApplication>
#include <QWidget>

void BroadCastBoodschap(int id, int wParam, int lParam) {
    // Every window takes its own copy: a posted event belongs to its receiver's queue.
    for (QWidget* window : QApplication::topLevelWidgets())
        QCoreApplication::postEvent(window, new TWindowMessage(id, wParam, lParam));
}
