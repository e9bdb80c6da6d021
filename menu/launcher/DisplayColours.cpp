#include "DisplayColours.h"

namespace vurozud {
namespace {

constexpr int kCubeStep = 51; // 255 / 5: six levels a channel

// The colours a palette display reserves for the system that the cube does not hold: its dark colours, its
// greys and its four special entries.
constexpr Rgb kStaticColoursBesideTheCube[] = {
    {128, 0, 0},     {0, 128, 0},     {128, 128, 0},   {0, 0, 128},     {128, 0, 128},   {0, 128, 128},
    {192, 192, 192}, {192, 220, 192}, {166, 202, 240}, {255, 251, 240}, {160, 160, 164}, {128, 128, 128},
};

int SquaredDistance(Rgb a, Rgb b) {
    const int red = a.Red - b.Red, green = a.Green - b.Green, blue = a.Blue - b.Blue;
    return red * red + green * green + blue * blue;
}

// The nearest of the six levels: the cube is a grid, so the colour closest to a colour has, in each
// channel, the level closest to that channel.
int NearestLevel(std::uint8_t channel) { return (channel + kCubeStep / 2) / kCubeStep; }

std::uint8_t LevelValue(std::size_t level) { return static_cast<std::uint8_t>(level * kCubeStep); }

} // namespace

const DisplayColours kSixteenColourDisplay{false, kVgaColours};
const DisplayColours kPaletteDisplay{true, kStaticColoursBesideTheCube};

std::size_t NearestOf(std::span<const Rgb> colours, Rgb colour) {
    std::size_t best = 0;
    int bestDistance = SquaredDistance(colours[0], colour);
    for (std::size_t entry = 1; entry < colours.size(); ++entry)
        if (const int distance = SquaredDistance(colours[entry], colour); distance < bestDistance) {
            best = entry;
            bestDistance = distance;
        }
    return best;
}

Rgb DisplayColours::operator[](std::size_t entry) const {
    if (!cube_)
        return listed_[entry];
    if (entry >= kCubeSize)
        return listed_[entry - kCubeSize];
    return {LevelValue(entry / 36), LevelValue(entry / 6 % 6), LevelValue(entry % 6)};
}

std::size_t DisplayColours::Nearest(Rgb colour) const {
    if (!cube_)
        return NearestOf(listed_, colour);
    const std::size_t inCube = static_cast<std::size_t>(NearestLevel(colour.Red) * 36 +
                                                        NearestLevel(colour.Green) * 6 + NearestLevel(colour.Blue));
    const std::size_t listed = NearestOf(listed_, colour);
    return SquaredDistance(listed_[listed], colour) < SquaredDistance((*this)[inCube], colour) ? kCubeSize + listed
                                                                                               : inCube;
}

const DisplayColours* ColoursOfDepth(int bitsPerPixel) {
    if (bitsPerPixel > 8)
        return nullptr;
    return bitsPerPixel > 4 ? &kPaletteDisplay : &kSixteenColourDisplay;
}

} // namespace vurozud
