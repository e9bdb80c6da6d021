#pragma once
// Reads the launcher's picture files back, independently of the code that writes them, so that the
// tests check the formats the system's loaders expect rather than the writer's own idea of them.

#include <cstdint>
#include <filesystem>
#include <vector>

namespace vurozud::test {

using Bytes = std::vector<std::uint8_t>;

Bytes ReadBytes(const std::filesystem::path& path);

std::uint16_t Word(const Bytes& bytes, std::size_t offset);
std::uint32_t Dword(const Bytes& bytes, std::size_t offset);
std::int32_t Long(const Bytes& bytes, std::size_t offset);

struct Rgb {
    int Red = 0;
    int Green = 0;
    int Blue = 0;
};

// One entry of an icon or cursor file's directory. For a cursor the two words that an icon uses
// for planes and bits per pixel hold the hot spot.
struct DirectoryEntry {
    int Width = 0;
    int Height = 0;
    int ColourCount = 0;
    int PlanesOrHotSpotX = 0;
    int BitsOrHotSpotY = 0;
    std::uint32_t BytesInResource = 0;
    std::uint32_t ImageOffset = 0;
};

struct IconDirectory {
    int Reserved = 0;
    int Type = 0; // 1 icon, 2 cursor
    std::vector<DirectoryEntry> Entries;
};

IconDirectory ReadIconDirectory(const Bytes& bytes);

// The image of an icon or cursor: a bitmap info header, a colour table, the colour pixels and the
// AND mask, both bottom row first. Coordinates below are from the top left corner.
struct IconImage {
    std::uint32_t HeaderSize = 0;
    int Width = 0;
    int DoubledHeight = 0;
    int Planes = 0;
    int BitsPerPixel = 0;
    std::uint32_t Compression = 0;
    std::uint32_t ColoursUsed = 0;
    std::vector<Rgb> Palette;
    std::size_t TotalSize = 0; // header, table, pixels and mask

    std::vector<int> Indices;   // top row first
    std::vector<bool> Masked;   // AND bit set: the screen shows through

    int Height() const { return DoubledHeight / 2; }
    int IndexAt(int x, int y) const { return Indices[static_cast<std::size_t>(y * Width + x)]; }
    Rgb ColourAt(int x, int y) const { return Palette[static_cast<std::size_t>(IndexAt(x, y))]; }
    // Outside the image counts as transparent: the screen is all there is.
    bool IsTransparent(int x, int y) const {
        return x < 0 || y < 0 || x >= Width || y >= Height() || Masked[static_cast<std::size_t>(y * Width + x)];
    }
};

IconImage ReadIconImage(const Bytes& bytes, std::size_t offset);

} // namespace vurozud::test
