#include "ImageFileReader.h"

#include <fstream>
#include <iterator>
#include <stdexcept>

namespace vurozud::test {

Bytes ReadBytes(const std::filesystem::path& path) {
    std::ifstream file(path, std::ios::binary);
    if (!file)
        throw std::runtime_error("cannot open " + path.string());
    return Bytes(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

std::uint16_t Word(const Bytes& bytes, std::size_t offset) {
    return static_cast<std::uint16_t>(bytes.at(offset) | bytes.at(offset + 1) << 8);
}

std::uint32_t Dword(const Bytes& bytes, std::size_t offset) {
    return Word(bytes, offset) | static_cast<std::uint32_t>(Word(bytes, offset + 2)) << 16;
}

std::int32_t Long(const Bytes& bytes, std::size_t offset) { return static_cast<std::int32_t>(Dword(bytes, offset)); }

IconDirectory ReadIconDirectory(const Bytes& bytes) {
    IconDirectory directory{Word(bytes, 0), Word(bytes, 2), {}};
    const int count = Word(bytes, 4);
    for (int i = 0; i < count; ++i) {
        const std::size_t at = 6 + static_cast<std::size_t>(i) * 16;
        directory.Entries.push_back({bytes.at(at), bytes.at(at + 1), bytes.at(at + 2), Word(bytes, at + 4),
                                     Word(bytes, at + 6), Dword(bytes, at + 8), Dword(bytes, at + 12)});
    }
    return directory;
}

IconImage ReadIconImage(const Bytes& bytes, std::size_t offset) {
    IconImage image;
    image.HeaderSize = Dword(bytes, offset);
    image.Width = Long(bytes, offset + 4);
    image.DoubledHeight = Long(bytes, offset + 8);
    image.Planes = Word(bytes, offset + 12);
    image.BitsPerPixel = Word(bytes, offset + 14);
    image.Compression = Dword(bytes, offset + 16);
    image.ColoursUsed = Dword(bytes, offset + 32);
    if (image.BitsPerPixel < 1 || image.BitsPerPixel > 8 || image.Width <= 0 || image.DoubledHeight <= 0)
        throw std::runtime_error("not a palette icon image");

    const std::size_t tableSize = image.ColoursUsed != 0 ? image.ColoursUsed : 1u << image.BitsPerPixel;
    std::size_t at = offset + image.HeaderSize;
    for (std::size_t i = 0; i < tableSize; ++i, at += 4)
        image.Palette.push_back({bytes.at(at + 2), bytes.at(at + 1), bytes.at(at)});

    const int width = image.Width;
    const int height = image.Height();
    const std::size_t colourRow = static_cast<std::size_t>((width * image.BitsPerPixel + 31) / 32 * 4);
    const std::size_t maskRow = static_cast<std::size_t>((width + 31) / 32 * 4);
    const std::size_t colourStart = at;
    const std::size_t maskStart = colourStart + colourRow * static_cast<std::size_t>(height);

    image.Indices.resize(static_cast<std::size_t>(width * height));
    image.Masked.resize(static_cast<std::size_t>(width * height));
    for (int y = 0; y < height; ++y) {
        const auto storedRow = static_cast<std::size_t>(height - 1 - y); // bottom row first
        for (int x = 0; x < width; ++x) {
            const std::size_t bit = static_cast<std::size_t>(x * image.BitsPerPixel);
            const std::uint8_t byte = bytes.at(colourStart + storedRow * colourRow + bit / 8);
            const int shift = 8 - image.BitsPerPixel - static_cast<int>(bit % 8);
            const auto i = static_cast<std::size_t>(y * width + x);
            image.Indices[i] = byte >> shift & ((1 << image.BitsPerPixel) - 1);
            const std::uint8_t maskByte = bytes.at(maskStart + storedRow * maskRow + static_cast<std::size_t>(x / 8));
            image.Masked[i] = (maskByte >> (7 - x % 8) & 1) != 0;
        }
    }
    image.TotalSize = maskStart + maskRow * static_cast<std::size_t>(height) - offset;
    return image;
}

} // namespace vurozud::test
