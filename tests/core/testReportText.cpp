#include "core/cReportText.h"

#include <gtest/gtest.h>

#include <regex>

namespace {

// Reads back the paragraphs of an RTF document written by ReportToRtf: the text of each \par
// with \uN escapes decoded, and whether it was bold.
TReportText ParseRtfParagraphs(const std::string& rtf) {
    TReportText lines;
    const std::size_t body = rtf.find("\\fs20");
    std::string text;
    bool bold = false;
    bool lineBold = false;
    for (std::size_t i = body + 5; i < rtf.size(); ++i) {
        const char c = rtf[i];
        if (c == '\\') {
            std::size_t j = i + 1;
            if (rtf[j] == '\\' || rtf[j] == '{' || rtf[j] == '}') {
                text += rtf[j];
                i = j;
                continue;
            }
            std::string word;
            while (j < rtf.size() && std::isalpha(static_cast<unsigned char>(rtf[j])))
                word += rtf[j++];
            std::string number;
            while (j < rtf.size() &&
                   (rtf[j] == '-' || std::isdigit(static_cast<unsigned char>(rtf[j]))))
                number += rtf[j++];
            if (j < rtf.size() && rtf[j] == ' ')
                ++j;
            if (word == "b")
                bold = number != "0", lineBold = lineBold || bold;
            else if (word == "par") {
                lines.push_back({text, lineBold});
                text.clear();
                lineBold = false;
            } else if (word == "u") {
                int code = std::stoi(number);
                if (code < 0)
                    code += 65536;
                text += code < 0x800 ? std::string{static_cast<char>(0xC0 | (code >> 6)),
                                                   static_cast<char>(0x80 | (code & 0x3F))}
                                     : std::string("?");
                ++j; // the fallback character
            } else if (word == "tab")
                text += '\t';
            i = j - 1;
        } else if (c != '\r' && c != '\n' && c != '}') {
            text += c;
        }
    }
    return lines;
}

} // namespace

TEST(ReportText, BuilderSplitsLinesAndMarksOnlyTheNextLineBold) {
    TReportBuilder b;
    b.SetBold();
    b.AddLine("Irrigation Water Requirements\r\n");
    b.AddLine("\r\n");
    b.AddLine("a\r\nb");
    b.SetBold();
    b.AddLine("Total");
    const TReportText expected = {{"Irrigation Water Requirements", true},
                                  {"", false},
                                  {"", false},
                                  {"a", false},
                                  {"b", false},
                                  {"Total", true}};
    EXPECT_EQ(b.Lines(), expected);
    b.Clear();
    EXPECT_TRUE(b.Lines().empty());
}

TEST(ReportText, RtfHoldsEveryLineInOrderWithItsBoldness) {
    const TReportText report = {{"Irrigation Water Requirements", true},
                                {"", false},
                                {"Country            : Espa\xC3\xB1"
                                 "a",
                                 false},
                                {"braces {x} and back\\slash", false},
                                {"Total      120.5", true}};
    const std::string rtf = ReportToRtf(report);
    EXPECT_EQ(rtf.rfind("{\\rtf1", 0), 0u);
    EXPECT_NE(rtf.find("Courier New"), std::string::npos);
    EXPECT_NE(rtf.find("\\u241?"), std::string::npos); // ñ
    // Braces balance, so readers accept the document.
    int depth = 0;
    for (std::size_t i = 0; i < rtf.size(); ++i) {
        if (rtf[i] == '\\') {
            ++i;
            continue;
        }
        depth += rtf[i] == '{' ? 1 : rtf[i] == '}' ? -1 : 0;
        ASSERT_GE(depth, 0);
    }
    EXPECT_EQ(depth, 0);
    EXPECT_EQ(ParseRtfParagraphs(rtf), report);
}

TEST(ReportText, PlainText) {
    EXPECT_EQ(ReportToPlainText({{"a", true}, {"", false}}), "a\n\n");
    EXPECT_EQ(ReportToPlainText({{"a", false}}, "\r\n"), "a\r\n");
}
