#pragma once
// A screenshot of the whole virtual display, read from ImageMagick's portable pixmap output.

#include "Twips.h"

#include <cstdint>
#include <string>
#include <vector>

namespace vurozud::wine {

// Screen and client rectangles in pixels, right and bottom exclusive.
using Rect = PixelRect;

struct Colour {
    std::uint8_t Red, Green, Blue;
    bool operator==(const Colour&) const = default;
};

inline constexpr Colour kBlack{0, 0, 0};
inline constexpr Colour kWhite{255, 255, 255};
inline constexpr Colour kPureGreen{0, 255, 0};
inline constexpr Colour kPureRed{255, 0, 0};

class Screenshot {
public:
    static Screenshot FromPortablePixmap(const std::string& bytes);

    int Width() const { return width_; }
    int Height() const { return height_; }
    Colour At(int x, int y) const;
    // How many pixels of the rectangle have this colour.
    int Count(const Rect& area, Colour colour) const;
    void SavePng(const std::string& path) const;

private:
    int width_ = 0;
    int height_ = 0;
    std::vector<std::uint8_t> rgb_;
};

} // namespace vurozud::wine
