#include "core/cBusyCursor.h"

namespace {
int depth = 0;
std::function<void()> showHook;
std::function<void()> restoreHook;
} // namespace

TBusyCursor::TBusyCursor() {
    if (depth++ == 0 && showHook)
        showHook();
}

TBusyCursor::~TBusyCursor() {
    if (--depth == 0 && restoreHook)
        restoreHook();
}

void TBusyCursor::SetHooks(std::function<void()> show, std::function<void()> restore) {
    showHook = std::move(show);
    restoreHook = std::move(restore);
}

int TBusyCursor::Depth() {
    return depth;
}
