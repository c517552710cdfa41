#pragma once

#include "core/cUserMessages.h"

// The desktop program's messages: modal QMessageBox boxes with the fixed button sets.
class TMessageBoxes : public TUserMessages {
public:
    TMessageAnswer Show(TMessageKind kind, const std::string& text,
                        TMessageButtons buttons) override;
};
