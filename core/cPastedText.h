#pragma once

#include <cstddef>
#include <string>
#include <vector>

// Text pasted into a grid: rows end at CR LF (Windows programs), LF (Linux programs) or CR
// (old Mac programs), cells at tabs. Spreadsheets end their last row with a line end too; that
// one starts no further row.

struct TPastedCell {
    std::string Text;
    bool Ended = false; // a tab or a line end follows the cell
};
using TPastedRows = std::vector<std::vector<TPastedCell>>;

// True when the text holds a tab or a line end, so that it is spread over several cells.
bool IsSpreadPaste(const std::string& text);

// The rows and cells of the text; rows beyond maxRows and cells beyond maxColumns are dropped
// (a paste of thousands of lines into a 12-row grid reads only what fits).
TPastedRows SplitPastedText(const std::string& text, std::size_t maxRows, std::size_t maxColumns);

// The characters of text that allowed() accepts, in their order.
std::string KeepCharacters(const std::string& text, bool (*allowed)(char));
