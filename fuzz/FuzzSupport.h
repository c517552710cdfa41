#pragma once

#include "core/cUserMessages.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

class TCropFactor;

// Messages go nowhere while fuzzing; a reader that refuses bytes says so in a box.
class TSilentMessages : public TUserMessages {
public:
    TSilentMessages() { SetUserMessages(this); }
    TMessageAnswer Show(TMessageKind, const std::string&, TMessageButtons buttons) override {
        return DefaultAnswer(buttons);
    }
};

inline std::string_view AsBytes(const std::uint8_t* data, std::size_t size) {
    return {reinterpret_cast<const char*>(data), size};
}

// A folder of this process under the temporary folder, made once.
const std::string& FuzzFolder();

// Two crops a pattern may name: Maize.crp (Kc,1 entered) and Rice.udc (Kc,1 computed).
void FillMaize(TCropFactor& crop);
void FillRice(TCropFactor& crop);
