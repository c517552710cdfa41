#include "core/cNumberEntry.h"

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
