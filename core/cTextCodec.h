#pragma once

#include <string>
#include <string_view>

// Text in the program is UTF-8. Files written by older versions hold single-byte Windows-1252
// text or UTF-16LE; these convert them.

bool IsAscii(std::string_view text);
std::string Windows1252ToUtf8(std::string_view bytes);
// Two bytes per code unit, little-endian; unpaired surrogates become U+FFFD.
std::string Utf16LeToUtf8(std::string_view bytes);
void AppendUtf8(std::string& out, char32_t code);
