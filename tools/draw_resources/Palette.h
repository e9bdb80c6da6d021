#pragma once
// The icon's colour table: it stores each pixel as an index into one.

#include "Picture.h"

#include <cstddef>
#include <cstdint>
#include <vector>

namespace vurozud {

// `size` entries for the picture: black first (the colour behind a transparent pixel), then the
// picture's colours from the most used down, all of them when they fit; unused entries are black.
std::vector<Colour> ChoosePalette(const Picture& picture, std::size_t size);

} // namespace vurozud
