#include "BitmapFile.h"

#include "ByteWriter.h"

namespace vurozud {

namespace {

constexpr std::uint32_t kFileHeaderSize = 14;
constexpr std::uint32_t kInfoHeaderSize = 40;

} // namespace

std::vector<std::uint8_t> EncodeBitmapFile(const Picture& picture) {
    // Each row is padded to a whole number of 32-bit words.
    const auto rowBytes = static_cast<std::uint32_t>((picture.Width * 3 + 3) / 4 * 4);
    const std::uint32_t pixelBytes = rowBytes * static_cast<std::uint32_t>(picture.Height);
    const std::uint32_t offset = kFileHeaderSize + kInfoHeaderSize;

    ByteWriter out;
    out.PutByte('B');
    out.PutByte('M');
    out.PutDword(offset + pixelBytes);
    out.PutWord(0);
    out.PutWord(0);
    out.PutDword(offset);

    out.PutDword(kInfoHeaderSize);
    out.PutLong(picture.Width);
    out.PutLong(picture.Height); // positive: bottom row first
    out.PutWord(1);
    out.PutWord(24);
    out.PutDword(0); // uncompressed
    out.PutDword(pixelBytes);
    out.PutLong(0);
    out.PutLong(0);
    out.PutDword(0);
    out.PutDword(0);

    for (int y = picture.Height - 1; y >= 0; --y) {
        for (int x = 0; x < picture.Width; ++x) {
            const Colour colour = picture.At(x, y);
            out.PutByte(colour.Blue);
            out.PutByte(colour.Green);
            out.PutByte(colour.Red);
        }
        for (auto written = static_cast<std::uint32_t>(picture.Width * 3); written < rowBytes; ++written)
            out.PutByte(0);
    }
    return out.Take();
}

} // namespace vurozud
