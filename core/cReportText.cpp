#include "core/cReportText.h"

#include <cstdint>

namespace {

// The code points of a UTF-8 text; invalid bytes become U+FFFD.
std::vector<char32_t> CodePoints(const std::string& text) {
    std::vector<char32_t> out;
    for (std::size_t i = 0; i < text.size();) {
        const unsigned char c = text[i];
        int extra = c < 0x80 ? 0 : (c >> 5) == 6 ? 1 : (c >> 4) == 14 ? 2 : (c >> 3) == 30 ? 3 : -1;
        if (extra < 0 || i + extra >= text.size()) {
            out.push_back(0xFFFD);
            ++i;
            continue;
        }
        char32_t code = extra == 0 ? c : c & (0x3F >> extra);
        bool valid = true;
        for (int k = 1; k <= extra; ++k) {
            const unsigned char cc = text[i + k];
            if ((cc & 0xC0) != 0x80) {
                valid = false;
                break;
            }
            code = (code << 6) | (cc & 0x3F);
        }
        if (!valid) {
            out.push_back(0xFFFD);
            ++i;
            continue;
        }
        out.push_back(code);
        i += extra + 1;
    }
    return out;
}

void AppendRtfEscaped(std::string& out, const std::string& text) {
    for (char32_t code : CodePoints(text)) {
        if (code == '\\' || code == '{' || code == '}') {
            out += '\\';
            out += static_cast<char>(code);
        } else if (code == '\t') {
            out += "\\tab ";
        } else if (code < 0x20) {
            continue; // other control characters have no place in a report line
        } else if (code < 0x80) {
            out += static_cast<char>(code);
        } else if (code < 0x10000) {
            // \uN takes a signed 16-bit number; '?' is the fallback for old readers.
            out += "\\u" + std::to_string(static_cast<std::int16_t>(code)) + "?";
        } else {
            const char32_t v = code - 0x10000;
            for (char32_t unit : {0xD800 + (v >> 10), 0xDC00 + (v & 0x3FF)})
                out += "\\u" + std::to_string(static_cast<std::int16_t>(unit)) + "?";
        }
    }
}

} // namespace

void TReportBuilder::AddLine(const std::string& text) {
    // Each CR LF in the text starts a new line, so a text ending in CR LF leaves an empty line
    // after it; a text that is only CR LF is one empty line.
    const std::string rest = text == "\r\n" ? std::string() : text;
    std::size_t start = 0;
    for (;;) {
        const std::size_t end = rest.find("\r\n", start);
        lines.push_back({rest.substr(start, end - start), nextBold});
        nextBold = false;
        if (end == std::string::npos)
            break;
        start = end + 2;
    }
}

std::string ReportToPlainText(const TReportText& report, const std::string& lineEnd) {
    std::string out;
    for (const auto& line : report)
        out += line.Text + lineEnd;
    return out;
}

std::string ReportToRtf(const TReportText& report) {
    std::string out = "{\\rtf1\\ansi\\ansicpg1252\\deff0"
                      "{\\fonttbl{\\f0\\fmodern\\fcharset0 Courier New;}}"
                      "\\viewkind4\\uc1\\pard\\f0\\fs20\r\n";
    for (const auto& line : report) {
        if (line.Bold)
            out += "\\b ";
        AppendRtfEscaped(out, line.Text);
        if (line.Bold)
            out += "\\b0";
        out += "\\par\r\n";
    }
    out += "}\r\n";
    return out;
}
