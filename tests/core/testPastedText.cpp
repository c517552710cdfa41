#include "core/cNumberEntry.h"
#include "core/cPastedText.h"
#include "core/cUserMessages.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// The texts of the cells, row by row.
std::vector<std::vector<std::string>> Texts(const TPastedRows& rows) {
    std::vector<std::vector<std::string>> texts;
    for (const auto& row : rows) {
        texts.emplace_back();
        for (const TPastedCell& cell : row)
            texts.back().push_back(cell.Text);
    }
    return texts;
}

using Rows = std::vector<std::vector<std::string>>;

} // namespace

// What spreadsheets and text editors put on the clipboard, into a grid of 12 rows and 4 columns.
TEST(PastedText, EveryLineEndAndShapeSplitsAsItsRowsAndCells) {
    struct TCase {
        const char* Name;
        std::string Text;
        Rows Expected;
    };
    std::string longColumn;
    for (int i = 0; i < 10000; ++i)
        longColumn += std::to_string(i) + "\n";
    const TCase cases[] = {
        {"LF column (Linux spreadsheet)", "0.5\n0.6\n0.7\n", {{"0.5"}, {"0.6"}, {"0.7"}}},
        {"CRLF block (Windows)", "1\t2\r\n3\t4\r\n", {{"1", "2"}, {"3", "4"}}},
        {"CR lines (old Mac)", "1\r2\r3", {{"1"}, {"2"}, {"3"}}},
        {"no line end after the last row", "1\t2\n3\t4", {{"1", "2"}, {"3", "4"}}},
        {"text that is no number", "abc", {{"abc"}}},
        {"empty", "", {{""}}},
        {"a line end alone", "\n", {{""}}},
        {"an empty line inside", "1\n\n3\n", {{"1"}, {""}, {"3"}}},
        {"wider than the grid",
         "1\t2\t3\t4\t5\t6\n7\t8\t9\t10\t11\t12\n",
         {{"1", "2", "3", "4"}, {"7", "8", "9", "10"}}},
        {"mixed line ends", "1\r\n2\n3\r4", {{"1"}, {"2"}, {"3"}, {"4"}}},
    };
    for (const TCase& c : cases)
        EXPECT_EQ(Texts(SplitPastedText(c.Text, 12, 4)), c.Expected) << c.Name;

    // 10,000 lines read only as far as the grid reaches.
    const TPastedRows rows = SplitPastedText(longColumn, 12, 4);
    ASSERT_EQ(rows.size(), 12u);
    EXPECT_EQ(rows.back().front().Text, "11");
    EXPECT_TRUE(SplitPastedText("1\t2", 0, 4).empty());
}

TEST(PastedText, TellsWhichCellsATabOrLineEndLeft) {
    const TPastedRows rows = SplitPastedText("12\t-3\r\n-4\t-5", 12, 4);
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_TRUE(rows[0][0].Ended);
    EXPECT_TRUE(rows[0][1].Ended); // left by the line end
    EXPECT_TRUE(rows[1][0].Ended);
    EXPECT_FALSE(rows[1][1].Ended); // the very end of the text
    EXPECT_TRUE(SplitPastedText("-5\n", 12, 4)[0][0].Ended);
    EXPECT_TRUE(IsSpreadPaste("1\n"));
    EXPECT_TRUE(IsSpreadPaste("1\t2"));
    EXPECT_TRUE(IsSpreadPaste("1\r"));
    EXPECT_FALSE(IsSpreadPaste("1 2"));
}

TEST(EntryText, APasteStaysOnlyWhenTheFieldStillHoldsANumberOfItsKind) {
    struct TCase {
        TNumberEntry Entry;
        const char* Text;
        bool Accepted;
    };
    const TCase cases[] = {
        {TNumberEntry::Decimal, "12.5", true},       {TNumberEntry::Decimal, "", true},
        {TNumberEntry::Decimal, ".", true},          {TNumberEntry::Decimal, "-1", false},
        {TNumberEntry::Decimal, "1.2.3", false},     {TNumberEntry::Decimal, "abc", false},
        {TNumberEntry::Decimal, "12 mm", false},     {TNumberEntry::SignedDecimal, "-12", true},
        {TNumberEntry::SignedDecimal, "1-2", false}, {TNumberEntry::SignedDecimal, "-", true},
        {TNumberEntry::WholeNumber, "37", true},     {TNumberEntry::WholeNumber, "3.5", false},
    };
    for (const TCase& c : cases)
        EXPECT_EQ(AcceptsEntryText(c.Entry, c.Text), c.Accepted) << c.Text;
    EXPECT_TRUE(IsEntryNumber("-"));
    EXPECT_FALSE(IsEntryNumber("--"));
}

TEST(ReadErrorContext, NamesTheFileAndTheKindExpectedOnAReadErrorOnly) {
    TMessageRecorder messages;
    {
        const TReadErrorContext context("/p/Meteo/Seville.mtf", "General files (*.gen)");
        ShowError("Error in procedure ReadData: Invalid property value");
        ShowError("Error in procedure Load: no access");
        ShowInformation("Error in procedure ReadData: not an error box");
    }
    ShowError("Error in procedure ReadData: Stream read error");
    EXPECT_EQ(messages.Texts(),
              (std::vector<std::string>{"Error in procedure ReadData: Invalid property value\r\r"
                                        "File: /p/Meteo/Seville.mtf\r"
                                        "Expected: General files (*.gen)",
                                        "Error in procedure Load: no access",
                                        "Error in procedure ReadData: not an error box",
                                        "Error in procedure ReadData: Stream read error"}));
}
