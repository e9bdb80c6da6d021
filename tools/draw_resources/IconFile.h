#pragma once
// Icon (.ico) and cursor (.cur) files share one layout: a directory of images, each a device-
// independent bitmap of twice the image's height holding the colour pixels (XOR image) and then a
// one-bit mask (AND mask) whose set bits let the screen show through. Ours hold exactly one image.

#include "Picture.h"

#include <cstdint>
#include <vector>

namespace vurozud {

struct HotSpot {
    int X = 0;
    int Y = 0;
};

// `palette` has 2 to the power `bitsPerPixel` entries (4 or 8 bits per pixel).
std::vector<std::uint8_t> EncodeIconFile(const Picture& picture, const std::vector<Colour>& palette, int bitsPerPixel);

std::vector<std::uint8_t> EncodeCursorFile(const Picture& picture, const std::vector<Colour>& palette,
                                           int bitsPerPixel, HotSpot hotSpot);

} // namespace vurozud
