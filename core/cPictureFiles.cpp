#include "core/cPictureFiles.h"

#include <stdexcept>

namespace {

constexpr std::uint32_t kSrcCopy = 0x00CC0020;
constexpr int kScreenDpi = 96;

class TBytes {
public:
    void U8(std::uint8_t v) { out += static_cast<char>(v); }
    void U16(std::uint16_t v) {
        U8(v & 0xFF);
        U8(v >> 8);
    }
    void U32(std::uint32_t v) {
        U16(v & 0xFFFF);
        U16(v >> 16);
    }
    void I16(int v) { U16(static_cast<std::uint16_t>(static_cast<std::int16_t>(v))); }
    void I32(int v) { U32(static_cast<std::uint32_t>(v)); }
    void Append(const std::string& bytes) { out += bytes; }
    std::string out;
};

std::size_t RowBytes(int width) {
    return (static_cast<std::size_t>(width) * 3 + 3) & ~std::size_t(3);
}

void CheckSize(const TPixelImage& image) {
    if (image.Width <= 0 || image.Height <= 0 || image.Width > 32767 || image.Height > 32767 ||
        image.Pixels.size() != static_cast<std::size_t>(image.Width) * image.Height)
        throw std::invalid_argument("The chart picture has no valid size");
}

// BITMAPINFOHEADER of a 24-bit bottom-up DIB, then its rows.
std::string DibBytes(const TPixelImage& image) {
    TBytes b;
    const std::size_t row = RowBytes(image.Width);
    const double pixelsPerMetre = kScreenDpi / 0.0254;
    b.U32(40);
    b.I32(image.Width);
    b.I32(image.Height);
    b.U16(1);
    b.U16(24);
    b.U32(0); // BI_RGB
    b.U32(static_cast<std::uint32_t>(row * image.Height));
    b.I32(static_cast<int>(pixelsPerMetre + 0.5));
    b.I32(static_cast<int>(pixelsPerMetre + 0.5));
    b.U32(0);
    b.U32(0);
    for (int y = image.Height - 1; y >= 0; --y) {
        for (int x = 0; x < image.Width; ++x) {
            const std::uint32_t p = image.Pixels[static_cast<std::size_t>(y) * image.Width + x];
            b.U8(p & 0xFF);
            b.U8((p >> 8) & 0xFF);
            b.U8((p >> 16) & 0xFF);
        }
        for (std::size_t pad = static_cast<std::size_t>(image.Width) * 3; pad < row; ++pad)
            b.U8(0);
    }
    return b.out;
}

} // namespace

std::string BmpFileBytes(const TPixelImage& image) {
    CheckSize(image);
    const std::string dib = DibBytes(image);
    TBytes b;
    b.U8('B');
    b.U8('M');
    b.U32(static_cast<std::uint32_t>(14 + dib.size()));
    b.U32(0);
    b.U32(14 + 40);
    b.Append(dib);
    return b.out;
}

std::string WmfFileBytes(const TPixelImage& image) {
    CheckSize(image);
    const std::string dib = DibBytes(image);
    if (dib.size() % 2)
        throw std::logic_error("DIB of odd size");

    // Records, each a size in 16-bit words, a function number and its parameters.
    TBytes records;
    records.U32(5);
    records.U16(0x020B); // META_SETWINDOWORG: y, x
    records.I16(0);
    records.I16(0);
    records.U32(5);
    records.U16(0x020C); // META_SETWINDOWEXT: height, width
    records.I16(image.Height);
    records.I16(image.Width);
    const std::uint32_t stretchWords = static_cast<std::uint32_t>((28 + dib.size()) / 2);
    records.U32(stretchWords);
    records.U16(0x0F43); // META_STRETCHDIB
    records.U32(kSrcCopy);
    records.U16(0); // DIB_RGB_COLORS
    records.I16(image.Height);
    records.I16(image.Width);
    records.I16(0);
    records.I16(0);
    records.I16(image.Height);
    records.I16(image.Width);
    records.I16(0);
    records.I16(0);
    records.Append(dib);
    records.U32(3);
    records.U16(0x0000); // META_EOF

    TBytes b;
    // Placeable header: key, handle, bounding box, units per inch, reserved, checksum.
    TBytes placeable;
    placeable.U32(0x9AC6CDD7);
    placeable.U16(0);
    placeable.I16(0);
    placeable.I16(0);
    placeable.I16(image.Width);
    placeable.I16(image.Height);
    placeable.U16(kScreenDpi);
    placeable.U32(0);
    std::uint16_t checksum = 0;
    for (std::size_t i = 0; i < placeable.out.size(); i += 2)
        checksum ^= static_cast<std::uint8_t>(placeable.out[i]) |
                    (static_cast<std::uint8_t>(placeable.out[i + 1]) << 8);
    placeable.U16(checksum);
    b.Append(placeable.out);
    // META_HEADER: in-memory metafile, 9-word header, version 3.0.
    b.U16(1);
    b.U16(9);
    b.U16(0x0300);
    b.U32(static_cast<std::uint32_t>(9 + records.out.size() / 2));
    b.U16(0);
    b.U32(stretchWords);
    b.U16(0);
    b.Append(records.out);
    return b.out;
}

std::string EmfFileBytes(const TPixelImage& image) {
    CheckSize(image);
    const std::string dib = DibBytes(image);
    const std::string bmi = dib.substr(0, 40);
    const std::string bits = dib.substr(40);
    const int right = image.Width - 1;
    const int bottom = image.Height - 1;
    // Picture frame in 0.01 mm at screen resolution.
    const int frameRight = static_cast<int>((image.Width * 2540.0) / kScreenDpi + 0.5) - 1;
    const int frameBottom = static_cast<int>((image.Height * 2540.0) / kScreenDpi + 0.5) - 1;

    TBytes stretch;
    const std::uint32_t stretchSize = static_cast<std::uint32_t>(80 + dib.size());
    stretch.U32(81); // EMR_STRETCHDIBITS
    stretch.U32(stretchSize);
    for (int v : {0, 0, right, bottom})
        stretch.I32(v);
    for (int v : {0, 0, 0, 0, image.Width, image.Height})
        stretch.I32(v);
    stretch.U32(80);
    stretch.U32(40);
    stretch.U32(120);
    stretch.U32(static_cast<std::uint32_t>(bits.size()));
    stretch.U32(0); // DIB_RGB_COLORS
    stretch.U32(kSrcCopy);
    stretch.I32(image.Width);
    stretch.I32(image.Height);
    stretch.Append(bmi);
    stretch.Append(bits);

    TBytes eof;
    eof.U32(14); // EMR_EOF
    eof.U32(20);
    eof.U32(0);
    eof.U32(16);
    eof.U32(20);

    // The header with both extensions (no pixel format, no OpenGL, the device in micrometres):
    // some readers refuse the short 88-byte form.
    constexpr std::uint32_t headerSize = 108;
    TBytes b;
    b.U32(1); // EMR_HEADER
    b.U32(headerSize);
    for (int v : {0, 0, right, bottom})
        b.I32(v);
    for (int v : {0, 0, frameRight, frameBottom})
        b.I32(v);
    b.U32(0x464D4520); // " EMF"
    b.U32(0x00010000);
    b.U32(static_cast<std::uint32_t>(headerSize + stretch.out.size() + eof.out.size()));
    b.U32(3); // records
    b.U16(1); // handles: the metafile itself
    b.U16(0);
    b.U32(0);
    b.U32(0);
    b.U32(0);
    // Reference device: a 1920 x 1080 screen at 96 dpi, in pixels and millimetres.
    b.I32(1920);
    b.I32(1080);
    constexpr int deviceMillimetres[2] = {508, 286};
    b.I32(deviceMillimetres[0]);
    b.I32(deviceMillimetres[1]);
    b.U32(0); // cbPixelFormat
    b.U32(0); // offPixelFormat
    b.U32(0); // bOpenGL
    b.I32(deviceMillimetres[0] * 1000);
    b.I32(deviceMillimetres[1] * 1000);
    b.Append(stretch.out);
    b.Append(eof.out);
    return b.out;
}
