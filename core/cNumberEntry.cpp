#include "core/cNumberEntry.h"

#include "core/cError.h"
#include "core/cNumberFormat.h"

bool AcceptsTypedCharacter(TNumberEntry entry, char32_t typed, const std::string& text) {
    if (typed == U'\b' || (typed >= U'0' && typed <= U'9'))
        return true;
    if (entry == TNumberEntry::WholeNumber)
        return false;
    const char separator = DecimalSeparator();
    if (typed == static_cast<unsigned char>(separator))
        return text.find(separator) == std::string::npos;
    return entry == TNumberEntry::SignedDecimal && typed == U'-';
}

double EntryNumber(const std::string& text) {
    const std::string separator(1, DecimalSeparator());
    if (text == "-" || text == separator || text == "-" + separator)
        return 0;
    return TextToNumber(text);
}

bool IsEntryNumber(const std::string& text) {
    try {
        EntryNumber(text);
        return true;
    } catch (const TConversionError&) {
        return false;
    }
}

bool AcceptsEntryText(TNumberEntry entry, const std::string& text) {
    std::string typed;
    for (const char c : text) {
        if (c == '\b' || !AcceptsTypedCharacter(entry, static_cast<unsigned char>(c), typed))
            return false;
        typed += c;
    }
    return IsEntryNumber(text);
}
