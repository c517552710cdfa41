#pragma once

#include <functional>

// The hourglass while a file is read or written. Guards nest; the hooks run on the outermost one
// only. The desktop program sets hooks that change the cursor; elsewhere nothing is shown.
class TBusyCursor {
public:
    TBusyCursor();
    ~TBusyCursor();
    TBusyCursor(const TBusyCursor&) = delete;
    TBusyCursor& operator=(const TBusyCursor&) = delete;

    static void SetHooks(std::function<void()> show, std::function<void()> restore);
    static int Depth();
};
