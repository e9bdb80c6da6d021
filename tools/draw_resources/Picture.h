#pragma once
// A finished picture: one colour per pixel, top row first, and which pixels are opaque (icons and
// cursors show the screen through the others).

#include "DisplayColours.h"

#include <cstdint>
#include <vector>

namespace vurozud {

using Colour = Rgb; // the program's own

// The colour a share `t` (0 to 1) of the way from `a` to `b`.
inline Colour Mix(Colour a, Colour b, double t) {
    t = t < 0 ? 0 : t > 1 ? 1 : t;
    auto channel = [t](int from, int to) { return static_cast<std::uint8_t>(from + (to - from) * t + 0.5); };
    return {channel(a.Red, b.Red), channel(a.Green, b.Green), channel(a.Blue, b.Blue)};
}

struct Picture {
    int Width = 0;
    int Height = 0;
    std::vector<Colour> Pixels;
    std::vector<bool> Opaque;

    Colour At(int x, int y) const { return Pixels[static_cast<std::size_t>(y * Width + x)]; }
    bool IsOpaque(int x, int y) const { return Opaque[static_cast<std::size_t>(y * Width + x)]; }
};

} // namespace vurozud
