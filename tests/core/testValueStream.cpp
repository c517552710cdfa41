#include "core/cError.h"
#include "core/cValueStream.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

std::string Hex(const std::string& bytes) {
    static const char* digits = "0123456789ABCDEF";
    std::string out;
    for (unsigned char c : bytes) {
        out += digits[c >> 4];
        out += digits[c & 15];
    }
    return out;
}

std::string FloatBytes(double v) {
    TValueWriter w;
    w.WriteFloat(v);
    return w.Bytes();
}

double ReadBack(double v) {
    const std::string bytes = FloatBytes(v); // the reader only views its bytes
    TValueReader r(bytes);
    return r.ReadFloat();
}

} // namespace

TEST(ExtendedFloat, KnownEncodings) {
    // Tag 5, then significand (8 bytes) and sign/exponent (2 bytes), little-endian.
    EXPECT_EQ(Hex(FloatBytes(0.0)), "0500000000000000000000");
    EXPECT_EQ(Hex(FloatBytes(1.0)), "050000000000000080FF3F");
    EXPECT_EQ(Hex(FloatBytes(-2.0)), "05000000000000008000C0");
    // 0.1 as a double widened: 0xCCCCCCCCCCCCD000 with exponent 0x3FFB.
    EXPECT_EQ(Hex(FloatBytes(0.1)), "0500D0CCCCCCCCCCCCFB3F");
}

TEST(ExtendedFloat, RoundTripsEveryKindOfDouble) {
    for (double v : {0.0, -0.0, 1.0, -1.0, 0.1, -123.456, 1e300, -1e300, 1e-300, 5e-324,
                     std::numeric_limits<double>::denorm_min() * 12345,
                     std::numeric_limits<double>::max(), std::numeric_limits<double>::min()}) {
        const double back = ReadBack(v);
        EXPECT_EQ(back, v) << v;
        EXPECT_EQ(std::signbit(back), std::signbit(v)) << v;
    }
    EXPECT_TRUE(std::isinf(ReadBack(std::numeric_limits<double>::infinity())));
    EXPECT_TRUE(std::isnan(ReadBack(std::numeric_limits<double>::quiet_NaN())));
}

TEST(ExtendedFloat, DecodesValuesBeyondDoubleRange) {
    // Exponent far above a double's range reads as infinity, far below as zero.
    const std::string huge = Bytes({5, 0, 0, 0, 0, 0, 0, 0, 0x80, 0xFF, 0x7F - 1});
    TValueReader r1(huge);
    EXPECT_TRUE(std::isinf(r1.ReadFloat()));
    const std::string tiny = Bytes({5, 0, 0, 0, 0, 0, 0, 0, 0x80, 0x01, 0x00});
    TValueReader r2(tiny);
    EXPECT_EQ(r2.ReadFloat(), 0.0);
}

TEST(ValueStream, IntegersTakeTheSmallestTag) {
    TValueWriter w;
    w.WriteInteger(0);
    w.WriteInteger(-128);
    w.WriteInteger(127);
    w.WriteInteger(128);
    w.WriteInteger(-32768);
    w.WriteInteger(32768);
    w.WriteInteger(-2147483647 - 1);
    EXPECT_EQ(w.Bytes(), Bytes({2,    0, 2, 0x80, 2, 0x7F, 3, 0x80, 0, 3, 0,
                                0x80, 4, 0, 0x80, 0, 0,    4, 0,    0, 0, 0x80}));
    TValueReader r(w.Bytes());
    for (int expected : {0, -128, 127, 128, -32768, 32768, -2147483647 - 1})
        EXPECT_EQ(r.ReadInteger(), expected);
    EXPECT_EQ(r.Remaining(), 0u);
}

TEST(ValueStream, FloatsAcceptEveryIntegerTag) {
    const std::string bytes = Bytes(
        {2, 0xFE, 3, 0x10, 0x27, 4, 0xA0, 0x86, 0x01, 0x00, 19, 0, 0xE4, 0x0B, 0x54, 2, 0, 0, 0});
    TValueReader r(bytes);
    EXPECT_EQ(r.ReadFloat(), -2.0);
    EXPECT_EQ(r.ReadFloat(), 10000.0);
    EXPECT_EQ(r.ReadFloat(), 100000.0);
    EXPECT_EQ(r.ReadFloat(), 10000000000.0);
}

TEST(ValueStream, IntegerRefusesFloatAndInt64Tags) {
    const std::string floatBytes = FloatBytes(1.0);
    TValueReader r1(floatBytes);
    EXPECT_THROW(
        {
            try {
                r1.ReadInteger();
            } catch (const TStreamError& e) {
                EXPECT_STREQ(e.what(), "Invalid property value");
                throw;
            }
        },
        TStreamError);
    const std::string int64Bytes = Bytes({19, 1, 0, 0, 0, 0, 0, 0, 0});
    TValueReader r2(int64Bytes);
    EXPECT_THROW(r2.ReadInteger(), TStreamError);
}

TEST(ValueStream, StringTagsFollowLengthAndCharacters) {
    TValueWriter w;
    w.WriteString(std::string(255, 'a'));
    w.WriteString(std::string(256, 'b'));
    w.WriteString("Sevilla, Andaluc\xC3\xAD"
                  "a");
    const std::string& b = w.Bytes();
    EXPECT_EQ(static_cast<unsigned char>(b[0]), 6);
    EXPECT_EQ(static_cast<unsigned char>(b[1]), 255);
    EXPECT_EQ(static_cast<unsigned char>(b[257]), 12);
    EXPECT_EQ(b.substr(258, 4), Bytes({0, 1, 0, 0}));
    EXPECT_EQ(static_cast<unsigned char>(b[262 + 256]), 20);
    TValueReader r(b);
    EXPECT_EQ(r.ReadString(), std::string(255, 'a'));
    EXPECT_EQ(r.ReadString(), std::string(256, 'b'));
    EXPECT_EQ(r.ReadString(), "Sevilla, Andaluc\xC3\xAD"
                              "a");
}

TEST(ValueStream, SingleByteTextIsWindows1252) {
    // "Córdoba" as written by an older version, and the euro sign from the 0x80 row.
    const std::string bytes = Bytes({6, 7, 'C', 0xF3, 'r', 'd', 'o', 'b', 'a', 12, 1, 0, 0, 0, 0x80});
    TValueReader r(bytes);
    EXPECT_EQ(r.ReadString(), "C\xC3\xB3rdoba");
    EXPECT_EQ(r.ReadString(), "\xE2\x82\xAC");
}

TEST(ValueStream, WideStringIsUtf16) {
    const std::string bytes = Bytes({18, 2, 0, 0, 0, 'N', 0, 0xF1, 0});
    TValueReader r(bytes);
    EXPECT_EQ(r.ReadString(), "N\xC3\xB1");
}

TEST(ValueStream, BooleansAndLists) {
    TValueWriter w;
    w.WriteBoolean(true);
    w.WriteBoolean(false);
    w.WriteListBegin();
    w.WriteListEnd();
    EXPECT_EQ(w.Bytes(), Bytes({9, 8, 1, 0}));
    const std::string bytes = w.Bytes() + Bytes({2, 1});
    TValueReader r(bytes);
    EXPECT_TRUE(r.ReadBoolean());
    EXPECT_FALSE(r.ReadBoolean());
    r.ReadListBegin();
    EXPECT_TRUE(r.EndOfList());
    r.ReadListEnd();
    // Any tag other than 9 reads as false, and only the tag is taken.
    EXPECT_FALSE(r.ReadBoolean());
    EXPECT_EQ(r.Remaining(), 1u);
    const std::string notAList = Bytes({2, 0});
    TValueReader bad(notAList);
    EXPECT_THROW(bad.ReadListBegin(), TStreamError);
}

TEST(ValueStream, ReadingPastTheEndIsAStreamReadError) {
    for (const std::string& bytes : {std::string(), Bytes({5, 0, 0, 0}), Bytes({3, 1}),
                                     Bytes({6, 10, 'a', 'b'}), Bytes({20, 5, 0, 0})}) {
        TValueReader r(bytes);
        try {
            if (!bytes.empty() && bytes[0] == 6)
                r.ReadString();
            else if (!bytes.empty() && bytes[0] == 20)
                r.ReadString();
            else
                r.ReadFloat();
            ADD_FAILURE() << "no error for " << bytes.size() << " bytes";
        } catch (const TStreamError& e) {
            EXPECT_STREQ(e.what(), "Stream read error");
        }
    }
}

TEST(ValueStream, HugeLengthFieldsAreRefusedBeforeAnyAllocation) {
    // A long string claiming 2 GB in a few bytes of file.
    const std::string longString = Bytes({12, 0xFF, 0xFF, 0xFF, 0x7F, 'x'});
    TValueReader r1(longString);
    EXPECT_THROW(r1.ReadString(), TStreamError);
    const std::string wideString = Bytes({18, 0xFF, 0xFF, 0xFF, 0xFF, 'x', 0});
    TValueReader r2(wideString);
    EXPECT_THROW(r2.ReadString(), TStreamError);
}
