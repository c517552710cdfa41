#pragma once

#include <string>

// Numbers as the user reads and types them. The decimal separator is the locale's, handed in
// once at start-up by the desktop program; everything else (CLI, tests) uses ".".

void SetDecimalSeparator(char separator);
char DecimalSeparator();

// What a table, report or field shows for a value that is no number (NaN or an infinity, which
// only a damaged file or an overflowing computation brings): the empty-value dash of the tables.
inline constexpr const char* kNoNumber = "-";

// Fixed-point text with the given number of decimals, rounded half away from zero on the
// value's 15 significant digits (0.125 -> "0.13", 1.005 -> "1.01"); no sign on a zero result.
std::string FormatFixed(double value, int decimals);
// Up to 15 significant digits without trailing zeros (1234.5 -> "1234.5", 0.1 -> "0.1").
std::string FormatGeneral(double value);

// The number in an entry text. An empty text gives 0; blanks around the number are ignored;
// anything else that is not a number raises TConversionError.
double TextToNumber(const std::string& text);
// The text without the blanks and tabs around it.
std::string_view TrimBlanks(std::string_view text);
int TextToInt(const std::string& text);
// The number of a text FormatFixed or FormatGeneral wrote, for values read back as shown:
// kNoNumber reads as NaN (which every range check refuses), anything else as TextToNumber.
double ShownNumber(const std::string& text);
