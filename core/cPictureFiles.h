#pragma once

#include <cstdint>
#include <string>
#include <vector>

// A rendered chart saved in the three picture kinds the program offers: a bitmap, a placeable
// Windows metafile and an enhanced metafile. Both metafiles wrap the same bitmap (one stretch-DIB
// record), which every office suite opens.

struct TPixelImage {
    int Width = 0;
    int Height = 0;
    // Top row first, one 0xAARRGGBB value per pixel (the layout of a 32-bit RGB image).
    std::vector<std::uint32_t> Pixels;
};

std::string BmpFileBytes(const TPixelImage& image);
std::string WmfFileBytes(const TPixelImage& image);
std::string EmfFileBytes(const TPixelImage& image);
