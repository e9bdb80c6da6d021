#include "Palette.h"

#include <algorithm>
#include <map>
#include <utility>

namespace vurozud {

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

} // namespace vurozud
