#pragma once
// The colours that displays of 16 and 256 colours give a picture, and which of them stands for a colour.

#include <array>
#include <compare>
#include <cstddef>
#include <cstdint>
#include <span>

namespace vurozud {

struct Rgb {
    std::uint8_t Red = 0;
    std::uint8_t Green = 0;
    std::uint8_t Blue = 0;

    auto operator<=>(const Rgb&) const = default;
};

// The entry of `colours` closest to `colour`, the first of equally close ones.
std::size_t NearestOf(std::span<const Rgb> colours, Rgb colour);

// The sixteen colours of a standard VGA display, in their usual order, black first and white last.
inline constexpr std::array<Rgb, 16> kVgaColours{{
    {0, 0, 0}, {128, 0, 0}, {0, 128, 0}, {128, 128, 0}, {0, 0, 128}, {128, 0, 128}, {0, 128, 128}, {192, 192, 192},
    {128, 128, 128}, {255, 0, 0}, {0, 255, 0}, {255, 255, 0}, {0, 0, 255}, {255, 0, 255}, {0, 255, 255},
    {255, 255, 255},
}};

// The colours of a display, in the order of their entries: first, where it has one, the 6 x 6 x 6 cube of the
// levels 0, 51, 102, 153, 204 and 255 (each channel counted in levels, entry 36 red + 6 green + blue), then
// the listed colours.
class DisplayColours {
public:
    constexpr DisplayColours(bool cube, std::span<const Rgb> listed) : cube_(cube), listed_(listed) {}

    std::size_t Count() const { return (cube_ ? kCubeSize : 0) + listed_.size(); }
    Rgb operator[](std::size_t entry) const;
    // The entry closest to the colour, the first of equally close ones.
    std::size_t Nearest(Rgb colour) const;

private:
    static constexpr std::size_t kCubeSize = 6 * 6 * 6;

    bool cube_;
    std::span<const Rgb> listed_;
};

// A display of 16 colours: the VGA colours.
extern const DisplayColours kSixteenColourDisplay;
// A palette display of 256 colours with the program's palette realised: the cube in entries the palette takes,
// and beside it the twenty colours such a display reserves, of which the cube lacks twelve; those follow it.
extern const DisplayColours kPaletteDisplay;

// The colours a display of this many bits per pixel shows a picture in; none above 8 bits per pixel, where
// the display shows the picture's own colours.
const DisplayColours* ColoursOfDepth(int bitsPerPixel);

} // namespace vurozud
