#include "Palette.h"

#include <algorithm>
#include <map>
#include <utility>

namespace vurozud {

std::vector<Colour> StandardSixteenColours() {
    return {
        {0, 0, 0},       {128, 0, 0},   {0, 128, 0},   {128, 128, 0}, {0, 0, 128},   {128, 0, 128},
        {0, 128, 128},   {192, 192, 192}, {128, 128, 128}, {255, 0, 0}, {0, 255, 0},   {255, 255, 0},
        {0, 0, 255},     {255, 0, 255}, {0, 255, 255}, {255, 255, 255},
    };
}

std::vector<Colour> ChoosePalette(const Picture& picture, std::size_t size) {
    std::map<Colour, int> uses;
    for (std::size_t i = 0; i < picture.Pixels.size(); ++i)
        if (picture.Opaque[i] && picture.Pixels[i] != Colour{})
            ++uses[picture.Pixels[i]];

    std::vector<std::pair<Colour, int>> byUse(uses.begin(), uses.end());
    // Ties keep the map's colour order, so the same picture always gets the same table.
    std::stable_sort(byUse.begin(), byUse.end(), [](const auto& a, const auto& b) { return a.second > b.second; });

    std::vector<Colour> palette{Colour{}};
    for (const auto& [colour, count] : byUse) {
        if (palette.size() == size)
            break;
        palette.push_back(colour);
    }
    palette.resize(size, Colour{});
    return palette;
}

std::uint8_t NearestIndex(const std::vector<Colour>& palette, Colour colour) {
    std::size_t best = 0;
    int bestDistance = -1;
    for (std::size_t i = 0; i < palette.size(); ++i) {
        const int dr = palette[i].Red - colour.Red;
        const int dg = palette[i].Green - colour.Green;
        const int db = palette[i].Blue - colour.Blue;
        const int distance = dr * dr + dg * dg + db * db;
        if (bestDistance < 0 || distance < bestDistance) {
            best = i;
            bestDistance = distance;
        }
    }
    return static_cast<std::uint8_t>(best);
}

} // namespace vurozud
