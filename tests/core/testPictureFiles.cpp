#include "core/cPictureFiles.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <vector>

namespace {

std::uint32_t U32(const std::string& b, std::size_t at) {
    std::uint32_t v = 0;
    for (int i = 3; i >= 0; --i)
        v = (v << 8) | static_cast<std::uint8_t>(b[at + i]);
    return v;
}
std::uint16_t U16(const std::string& b, std::size_t at) {
    return static_cast<std::uint8_t>(b[at]) | (static_cast<std::uint8_t>(b[at + 1]) << 8);
}

// 3 x 2 pixels: red, green, blue on top; white, black, grey below.
TPixelImage Sample() {
    return {3, 2, {0xFFFF0000, 0xFF00FF00, 0xFF0000FF, 0xFFFFFFFF, 0xFF000000, 0xFF808080}};
}

} // namespace

TEST(PictureFiles, BitmapHeadersAndBottomUpRows) {
    const std::string bmp = BmpFileBytes(Sample());
    EXPECT_EQ(bmp.substr(0, 2), "BM");
    EXPECT_EQ(U32(bmp, 2), bmp.size());
    EXPECT_EQ(U32(bmp, 10), 54u);
    EXPECT_EQ(U32(bmp, 14), 40u);
    EXPECT_EQ(U32(bmp, 18), 3u);
    EXPECT_EQ(U32(bmp, 22), 2u);
    EXPECT_EQ(U16(bmp, 28), 24);
    // Rows of 9 bytes padded to 12, bottom row first, each pixel blue-green-red.
    EXPECT_EQ(bmp.size(), 54u + 2 * 12);
    EXPECT_EQ(static_cast<std::uint8_t>(bmp[54 + 0]), 0xFF);      // white
    EXPECT_EQ(static_cast<std::uint8_t>(bmp[54 + 12 + 2]), 0xFF); // red pixel's R
    EXPECT_EQ(static_cast<std::uint8_t>(bmp[54 + 12 + 0]), 0x00);
    EXPECT_EQ(static_cast<std::uint8_t>(bmp[54 + 12 + 6]), 0xFF); // blue pixel's B
}

TEST(PictureFiles, PlaceableMetafileIsConsistent) {
    const std::string wmf = WmfFileBytes(Sample());
    EXPECT_EQ(U32(wmf, 0), 0x9AC6CDD7u);
    std::uint16_t checksum = 0;
    for (int i = 0; i < 10; ++i)
        checksum ^= U16(wmf, 2 * i);
    EXPECT_EQ(U16(wmf, 20), checksum);
    EXPECT_EQ(U16(wmf, 22), 1);      // memory metafile
    EXPECT_EQ(U16(wmf, 24), 9);      // header words
    EXPECT_EQ(U16(wmf, 26), 0x0300); // version
    EXPECT_EQ(U32(wmf, 28) * 2, wmf.size() - 22);
    // Walk the records: sizes add up and the last is the end record.
    std::size_t at = 22 + 18;
    std::uint32_t largest = 0;
    std::uint16_t last = 0xFFFF;
    bool stretch = false;
    while (at < wmf.size()) {
        const std::uint32_t words = U32(wmf, at);
        ASSERT_GE(words, 3u);
        last = U16(wmf, at + 4);
        stretch = stretch || last == 0x0F43;
        largest = std::max(largest, words);
        at += 2 * words;
    }
    EXPECT_EQ(at, wmf.size());
    EXPECT_EQ(last, 0x0000);
    EXPECT_TRUE(stretch);
    EXPECT_EQ(U32(wmf, 34), largest);
}

TEST(PictureFiles, EnhancedMetafileIsConsistent) {
    const std::string emf = EmfFileBytes(Sample());
    EXPECT_EQ(U32(emf, 0), 1u);           // header record first
    EXPECT_EQ(U32(emf, 40), 0x464D4520u); // " EMF"
    EXPECT_EQ(U32(emf, 48), emf.size());  // total bytes
    // The full header: no pixel format, no OpenGL, the reference device in mm and in um.
    EXPECT_EQ(U32(emf, 4), 108u);
    EXPECT_EQ(U32(emf, 88) + U32(emf, 92) + U32(emf, 96), 0u);
    EXPECT_EQ(U32(emf, 100), 1000 * U32(emf, 80));
    EXPECT_EQ(U32(emf, 104), 1000 * U32(emf, 84));
    std::size_t at = 0;
    std::vector<std::uint32_t> types;
    while (at < emf.size()) {
        const std::uint32_t size = U32(emf, at + 4);
        ASSERT_EQ(size % 4, 0u);
        ASSERT_GT(size, 0u);
        types.push_back(U32(emf, at));
        at += size;
    }
    EXPECT_EQ(at, emf.size());
    EXPECT_EQ(types, (std::vector<std::uint32_t>{1, 81, 14})); // header, stretch-DIB, end
    EXPECT_EQ(U32(emf, 52), types.size());
    // The stretch record's bitmap header sits where its offset says.
    EXPECT_EQ(U32(emf, 108 + 48), 80u);
    EXPECT_EQ(U32(emf, 108 + 80), 40u);
    EXPECT_EQ(U32(emf, 108 + 80 + 4), 3u);
}

TEST(PictureFiles, EmptyPictureIsRefused) {
    EXPECT_THROW(BmpFileBytes({}), std::invalid_argument);
    EXPECT_THROW(EmfFileBytes({2, 2, {1, 2, 3}}), std::invalid_argument);
}
