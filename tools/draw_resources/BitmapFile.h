#pragma once
// A Windows bitmap (.bmp) file: 24 bits per pixel, uncompressed, bottom row first.

#include "Picture.h"

#include <cstdint>
#include <vector>

namespace vurozud {

std::vector<std::uint8_t> EncodeBitmapFile(const Picture& picture);

} // namespace vurozud
