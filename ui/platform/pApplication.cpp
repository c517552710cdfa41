#include "ui/platform/pApplication.h"

#include "core/cUserMessages.h"

#include <QtGlobal>

#include <exception>
#include <string>

TQueltaApplication::TQueltaApplication(int& argc, char** argv) : QApplication(argc, argv) {}

bool TQueltaApplication::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& e) {
        // No handler should let an error out: say so on the terminal too, for a bug report.
        qWarning("quelta: an event handler let an error out: %s", e.what());
        ShowError(std::string("Error: ") + e.what());
    } catch (...) {
        qWarning("quelta: an event handler let an unknown error out");
        ShowError("Error: an unknown error");
    }
    return false;
}
