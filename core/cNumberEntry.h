#pragma once

#include <string>

// Which characters a numeric entry field lets through as the user types.
enum class TNumberEntry {
    Decimal,       // digits and one decimal separator
    SignedDecimal, // also "-"
    WholeNumber,   // digits only
};

// Backspace is always accepted; the decimal separator only while text holds none yet.
bool AcceptsTypedCharacter(TNumberEntry entry, char32_t typed, const std::string& text);

// The number in a field the user may be in the middle of typing: a lone "-" or decimal separator
// counts as 0 like an empty field; anything else as TextToNumber reads it.
double EntryNumber(const std::string& text);

// True when EntryNumber reads the text without an error.
bool IsEntryNumber(const std::string& text);

// True when the whole text is something the user may leave in a field of the entry kind: only
// characters the kind accepts (a "-" only in front) and a number as EntryNumber reads it.
bool AcceptsEntryText(TNumberEntry entry, const std::string& text);
