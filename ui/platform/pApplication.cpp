#include "ui/platform/pApplication.h"

#include "core/cUserMessages.h"

#include <exception>
#include <string>

TQueltaApplication::TQueltaApplication(int& argc, char** argv) : QApplication(argc, argv) {}

bool TQueltaApplication::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& e) {
        ShowError(std::string("Error: ") + e.what());
    } catch (...) {
        ShowError("Error: an unknown error");
    }
    return false;
}
