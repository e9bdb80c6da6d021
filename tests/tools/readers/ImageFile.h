#pragma once
// Reads the launcher's picture files back, independently of the code that writes them, so that the tests
// check the formats the system's loaders expect rather than the writer's own idea of them.

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <vector>

namespace vurozud::test {

struct ImageFile {
    explicit ImageFile(const std::filesystem::path& path) {
        std::ifstream in(path, std::ios::binary);
        if (!in)
            throw std::runtime_error("cannot open " + path.string());
        Bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }

    std::vector<std::uint8_t> Bytes;

    unsigned Byte(std::size_t at) const { return Bytes.at(at); }
    unsigned Word(std::size_t at) const { return Byte(at) | Byte(at + 1) << 8; }
    std::uint32_t Dword(std::size_t at) const { return Word(at) | static_cast<std::uint32_t>(Word(at + 2)) << 16; }

    // For a bitmap file of 24 bits a pixel: the colour (0xRRGGBB) at x, y from the top left corner. Rows are
    // stored bottom row first, each in whole four-byte words.
    std::uint32_t BitmapColour(int x, int y) const {
        const std::size_t row = (Dword(22) - 1 - static_cast<std::size_t>(y)) * ((Dword(18) * 3 + 3) / 4 * 4);
        const std::size_t at = Dword(10) + row + static_cast<std::size_t>(x) * 3;
        return Word(at) | Byte(at + 2) << 16;
    }

    // For an icon or cursor file: the one image's header, its palette, its colour pixels and its AND mask,
    // both stored bottom row first; x and y count from the top left corner.
    std::size_t ImageAt() const { return Dword(18); }
    unsigned BitsPerPixel() const { return Word(ImageAt() + 14); }
    std::size_t PixelsAt() const { return ImageAt() + Dword(ImageAt()) + (4u << BitsPerPixel()); }
    std::uint32_t Colour(int x, int y) const {
        const unsigned bits = BitsPerPixel(), bit = static_cast<unsigned>(x) * bits;
        const std::size_t row = PixelsAt() + static_cast<std::size_t>(31 - y) * (32 * bits / 8);
        const unsigned index = Byte(row + bit / 8) >> (8 - bits - bit % 8) & ((1u << bits) - 1);
        return Dword(ImageAt() + Dword(ImageAt()) + 4 * index) & 0xFFFFFF;
    }
    bool Transparent(int x, int y) const {
        const std::size_t mask = PixelsAt() + 32 * 32 * BitsPerPixel() / 8 + static_cast<std::size_t>(31 - y) * 4;
        return (Byte(mask + static_cast<std::size_t>(x) / 8) >> (7 - x % 8) & 1) != 0;
    }
};

} // namespace vurozud::test
