#include "IconFile.h"

#include "ByteWriter.h"

#include <stdexcept>

namespace vurozud {

namespace {

constexpr std::uint16_t kIconType = 1;
constexpr std::uint16_t kCursorType = 2;
constexpr std::uint32_t kDirectorySize = 6 + 16;
constexpr std::uint32_t kInfoHeaderSize = 40;

// Rows of a device-independent bitmap are padded to whole 32-bit words.
std::uint32_t RowBytes(int width, int bitsPerPixel) {
    return static_cast<std::uint32_t>((width * bitsPerPixel + 31) / 32 * 4);
}

std::vector<std::uint8_t> EncodeImageFile(std::uint16_t type, const Picture& picture,
                                          const std::vector<Colour>& palette, int bitsPerPixel, HotSpot hotSpot) {
    if ((bitsPerPixel != 4 && bitsPerPixel != 8) || palette.size() != (1u << bitsPerPixel))
        throw std::invalid_argument("an icon image has 4 or 8 bits per pixel and a full colour table");
    if (palette.front() != Colour{})
        throw std::invalid_argument("an icon's colour table starts with black, the colour of transparent pixels");
    if (picture.Width > 256 || picture.Height > 256)
        throw std::invalid_argument("an icon image is at most 256 pixels on a side");

    const std::uint32_t colourRow = RowBytes(picture.Width, bitsPerPixel);
    const std::uint32_t maskRow = RowBytes(picture.Width, 1);
    const auto height = static_cast<std::uint32_t>(picture.Height);
    const std::uint32_t pixelBytes = colourRow * height + maskRow * height;
    const std::uint32_t imageBytes = kInfoHeaderSize + static_cast<std::uint32_t>(palette.size()) * 4 + pixelBytes;

    ByteWriter out;
    // Directory.
    out.PutWord(0);
    out.PutWord(type);
    out.PutWord(1);
    // Its one entry. A byte holds the size and colour count; 256 of either is written as 0.
    out.PutByte(static_cast<std::uint8_t>(picture.Width));
    out.PutByte(static_cast<std::uint8_t>(picture.Height));
    out.PutByte(static_cast<std::uint8_t>(palette.size() >= 256 ? 0 : palette.size()));
    out.PutByte(0);
    if (type == kCursorType) {
        out.PutWord(static_cast<std::uint16_t>(hotSpot.X));
        out.PutWord(static_cast<std::uint16_t>(hotSpot.Y));
    } else {
        out.PutWord(1); // planes
        out.PutWord(static_cast<std::uint16_t>(bitsPerPixel));
    }
    out.PutDword(imageBytes);
    out.PutDword(kDirectorySize);

    // The image's header: its height counts the colour pixels and the mask together.
    out.PutDword(kInfoHeaderSize);
    out.PutLong(picture.Width);
    out.PutLong(picture.Height * 2);
    out.PutWord(1);
    out.PutWord(static_cast<std::uint16_t>(bitsPerPixel));
    out.PutDword(0); // uncompressed
    out.PutDword(pixelBytes);
    out.PutLong(0);
    out.PutLong(0);
    out.PutDword(0); // all colours of the table are used
    out.PutDword(0);
    for (const Colour& colour : palette) {
        out.PutByte(colour.Blue);
        out.PutByte(colour.Green);
        out.PutByte(colour.Red);
        out.PutByte(0);
    }

    // Colour pixels, bottom row first; a transparent pixel is black so that the screen's colour
    // passes through unchanged where the mask keeps it.
    for (int y = picture.Height - 1; y >= 0; --y) {
        std::uint32_t written = 0;
        for (int x = 0; x < picture.Width; x += 8 / bitsPerPixel) {
            std::uint8_t packed = 0;
            for (int k = 0; k < 8 / bitsPerPixel; ++k) {
                const int px = x + k;
                const auto index = static_cast<std::uint8_t>(
                    px < picture.Width && picture.IsOpaque(px, y) ? NearestOf(palette, picture.At(px, y)) : 0);
                packed = static_cast<std::uint8_t>(packed << bitsPerPixel | index);
            }
            out.PutByte(packed);
            ++written;
        }
        for (; written < colourRow; ++written)
            out.PutByte(0);
    }
    // The mask, bottom row first, leftmost pixel in the highest bit.
    for (int y = picture.Height - 1; y >= 0; --y) {
        std::uint32_t written = 0;
        for (int x = 0; x < picture.Width; x += 8) {
            std::uint8_t bits = 0;
            for (int k = 0; k < 8; ++k) {
                const int px = x + k;
                const bool transparent = px >= picture.Width || !picture.IsOpaque(px, y);
                bits = static_cast<std::uint8_t>(bits << 1 | (transparent ? 1 : 0));
            }
            out.PutByte(bits);
            ++written;
        }
        for (; written < maskRow; ++written)
            out.PutByte(0);
    }
    return out.Take();
}

} // namespace

std::vector<std::uint8_t> EncodeIconFile(const Picture& picture, const std::vector<Colour>& palette, int bitsPerPixel) {
    return EncodeImageFile(kIconType, picture, palette, bitsPerPixel, {});
}

std::vector<std::uint8_t> EncodeCursorFile(const Picture& picture, const std::vector<Colour>& palette,
                                           int bitsPerPixel, HotSpot hotSpot) {
    return EncodeImageFile(kCursorType, picture, palette, bitsPerPixel, hotSpot);
}

} // namespace vurozud
