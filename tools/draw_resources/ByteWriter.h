#pragma once
// The headers of the Windows image formats are little-endian whatever the host, so they are laid
// out byte by byte rather than by writing structures.

#include <cstdint>
#include <utility>
#include <vector>

namespace vurozud {

class ByteWriter {
public:
    void PutByte(std::uint8_t value) { bytes_.push_back(value); }

    void PutWord(std::uint16_t value) {
        PutByte(static_cast<std::uint8_t>(value));
        PutByte(static_cast<std::uint8_t>(value >> 8));
    }

    void PutDword(std::uint32_t value) {
        PutWord(static_cast<std::uint16_t>(value));
        PutWord(static_cast<std::uint16_t>(value >> 16));
    }

    void PutLong(std::int32_t value) { PutDword(static_cast<std::uint32_t>(value)); }

    std::size_t Size() const { return bytes_.size(); }
    std::vector<std::uint8_t> Take() { return std::move(bytes_); }

private:
    std::vector<std::uint8_t> bytes_;
};

} // namespace vurozud
