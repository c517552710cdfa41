#include "core/cPastedText.h"

bool IsSpreadPaste(const std::string& text) {
    return text.find_first_of("\t\r\n") != std::string::npos;
}

TPastedRows SplitPastedText(const std::string& text, std::size_t maxRows, std::size_t maxColumns) {
    TPastedRows rows;
    if (maxRows == 0 || maxColumns == 0)
        return rows;
    rows.emplace_back(1);
    std::size_t column = 0; // of the cell being filled, counted even when it is dropped
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        const bool lineEnd = c == '\r' || c == '\n';
        if (c == '\t' || lineEnd) {
            if (column < maxColumns)
                rows.back().back().Ended = true;
            if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
                ++i;
            if (c == '\t') {
                if (++column < maxColumns)
                    rows.back().emplace_back();
                continue;
            }
            if (i + 1 >= text.size() || rows.size() >= maxRows)
                break; // the last line end, or no room for another row
            rows.emplace_back(1);
            column = 0;
        } else if (column < maxColumns) {
            rows.back().back().Text += c;
        }
    }
    return rows;
}

std::string KeepCharacters(const std::string& text, bool (*allowed)(char)) {
    std::string kept;
    for (char c : text)
        if (allowed(c))
            kept += c;
    return kept;
}
