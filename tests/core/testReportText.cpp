#include "core/cReportText.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <regex>

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
