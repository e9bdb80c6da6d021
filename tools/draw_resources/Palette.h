#pragma once
// Colour tables for the icon and the cursor, which store each pixel as an index into one.

#include "Picture.h"

#include <cstddef>
#include <cstdint>
#include <vector>

namespace vurozud {

// The sixteen colours of every Windows display, in their usual order, black first and white last.
std::vector<Colour> StandardSixteenColours();

// `size` entries for the picture: black first (the colour behind a transparent pixel), then the
// picture's colours from the most used down, all of them when they fit; unused entries are black.
std::vector<Colour> ChoosePalette(const Picture& picture, std::size_t size);

// The entry closest to the colour.
std::uint8_t NearestIndex(const std::vector<Colour>& palette, Colour colour);

} // namespace vurozud
