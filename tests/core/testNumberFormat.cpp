#include "core/cError.h"
#include "core/cNumberFormat.h"

#include <gtest/gtest.h>

namespace {
// Restores the "." separator whatever a test set.
struct SeparatorGuard {
    ~SeparatorGuard() { SetDecimalSeparator('.'); }
};
} // namespace

TEST(FormatFixed, RoundsHalfAwayFromZero) {
    EXPECT_EQ(FormatFixed(0.125, 2), "0.13");
    EXPECT_EQ(FormatFixed(-0.125, 2), "-0.13");
    EXPECT_EQ(FormatFixed(2.5, 0), "3");
    EXPECT_EQ(FormatFixed(-2.5, 0), "-3");
    // Decimal halves that are not exact in binary still round up, as a user reads them.
    EXPECT_EQ(FormatFixed(1.005, 2), "1.01");
    EXPECT_EQ(FormatFixed(2.675, 2), "2.68");
    EXPECT_EQ(FormatFixed(0.05, 1), "0.1");
}

TEST(FormatFixed, PadsCarriesAndDropsTheSignOfZero) {
    EXPECT_EQ(FormatFixed(0, 2), "0.00");
    EXPECT_EQ(FormatFixed(9.999, 2), "10.00");
    EXPECT_EQ(FormatFixed(99.96, 1), "100.0");
    EXPECT_EQ(FormatFixed(0.0004, 2), "0.00");
    EXPECT_EQ(FormatFixed(0.005, 2), "0.01");
    EXPECT_EQ(FormatFixed(-0.001, 2), "0.00");
    EXPECT_EQ(FormatFixed(123456.789, 1), "123456.8");
    EXPECT_EQ(FormatFixed(1e20, 0), "100000000000000000000");
    EXPECT_EQ(FormatFixed(0.6, 0), "1");
    EXPECT_EQ(FormatFixed(7, 3), "7.000");
}

TEST(FormatFixed, UsesTheLocaleSeparator) {
    SeparatorGuard guard;
    SetDecimalSeparator(',');
    EXPECT_EQ(FormatFixed(52.3, 2), "52,30");
    EXPECT_EQ(FormatGeneral(0.5), "0,5");
}

TEST(FormatGeneral, FifteenSignificantDigitsWithoutTrailingZeros) {
    EXPECT_EQ(FormatGeneral(20), "20");
    EXPECT_EQ(FormatGeneral(49.4), "49.4");
    EXPECT_EQ(FormatGeneral(0.1 + 0.2), "0.3");
    EXPECT_EQ(FormatGeneral(-1234.5678), "-1234.5678");
    EXPECT_EQ(FormatGeneral(1.0 / 3), "0.333333333333333");
    EXPECT_EQ(FormatGeneral(0), "0");
    EXPECT_EQ(FormatGeneral(1e20), "1E+20");
}

TEST(TextToNumber, EmptyIsZeroAndGarbageIsAnError) {
    EXPECT_EQ(TextToNumber(""), 0);
    EXPECT_EQ(TextToNumber("  12.5 "), 12.5);
    EXPECT_EQ(TextToNumber("-3"), -3);
    EXPECT_EQ(TextToNumber("+4.25"), 4.25);
    EXPECT_EQ(TextToNumber("1E3"), 1000);
    for (const char* bad : {"abc", "1.2.3", "-", "12a", "nan", "inf", "1,5"})
        EXPECT_THROW(TextToNumber(bad), TConversionError) << bad;
    try {
        TextToNumber("x1");
    } catch (const TConversionError& e) {
        EXPECT_STREQ(e.what(), "'x1' is not a valid floating point value");
    }
}

TEST(TextToNumber, FollowsTheLocaleSeparator) {
    SeparatorGuard guard;
    SetDecimalSeparator(',');
    EXPECT_EQ(TextToNumber("1,5"), 1.5);
    EXPECT_THROW(TextToNumber("1.5"), TConversionError);
}

TEST(TextToInt, WholeNumbersOnly) {
    EXPECT_EQ(TextToInt(""), 0);
    EXPECT_EQ(TextToInt(" 20 "), 20);
    EXPECT_EQ(TextToInt("-7"), -7);
    EXPECT_THROW(TextToInt("2.5"), TConversionError);
    EXPECT_THROW(TextToInt("99999999999"), TConversionError);
}
