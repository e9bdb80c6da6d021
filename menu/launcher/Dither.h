#pragma once
// A 24-bit picture shown in a display's few colours. Error diffusion hands each pixel's difference from the
// colour chosen for it on to the neighbours not yet chosen, so that every area keeps its colour on average.
// Integer arithmetic only: every build of the program, whatever its floating-point unit, gives the same pixels.

#include "DisplayColours.h"

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace vurozud {

// The bytes a row of a device-independent bitmap takes: its pixels' bits in whole four-byte words.
constexpr std::size_t DibRowBytes(int width, int bitsPerPixel) {
    return (static_cast<std::size_t>(width) * static_cast<std::size_t>(bitsPerPixel) + 31) / 32 * 4;
}

// The picture's pixels as entries of the colours, laid out as the pixels of an 8-bit device-independent bitmap
// of its size. `picture` holds those of a 24-bit one (blue, green, red); the rows keep their order, whichever
// it is. Floyd and Steinberg's weights, each row taken in the direction opposite to the last.
std::vector<std::uint8_t> Dither(std::span<const std::uint8_t> picture, int width, int height,
                                 const DisplayColours& colours);

} // namespace vurozud
