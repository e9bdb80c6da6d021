#include "Dither.h"

#include <algorithm>
#include <array>

namespace vurozud {
namespace {

// A colour with the error brought to it, which can leave the range of a channel.
using Channels = std::array<int, 3>; // red, green, blue

// The errors waiting for the pixels of one row, in sixteenths, with a guard cell at each end so that the
// weights for pixels beyond the picture's edges fall somewhere.
class RowErrors {
public:
    explicit RowErrors(int width) : cells_(static_cast<std::size_t>(width) + 2) {}

    // The error waiting for the pixel at x, rounded to whole units.
    Channels At(int x) const {
        const Channels& sixteenths = cells_[Cell(x)];
        return {Rounded(sixteenths[0]), Rounded(sixteenths[1]), Rounded(sixteenths[2])};
    }
    void Add(int x, const Channels& error, int weight) {
        Channels& cell = cells_[Cell(x)];
        for (std::size_t c = 0; c < 3; ++c)
            cell[c] += error[c] * weight;
    }
    void Clear() { std::fill(cells_.begin(), cells_.end(), Channels{}); }

private:
    static std::size_t Cell(int x) { return static_cast<std::size_t>(x + 1); }
    static int Rounded(int sixteenths) { return (sixteenths + 8) >> 4; } // halves up, negative ones too

    std::vector<Channels> cells_;
};

std::uint8_t Clamped(int channel) { return static_cast<std::uint8_t>(std::clamp(channel, 0, 255)); }

} // namespace

std::vector<std::uint8_t> Dither(std::span<const std::uint8_t> picture, int width, int height,
                                 const DisplayColours& colours) {
    const std::size_t pictureRow = DibRowBytes(width, 24), shownRow = DibRowBytes(width, 8);
    std::vector<std::uint8_t> shown(shownRow * static_cast<std::size_t>(height));
    RowErrors thisRow(width), nextRow(width);
    for (int y = 0; y < height; ++y) {
        const int step = y % 2 == 0 ? 1 : -1; // left to right, then right to left
        for (int i = 0; i < width; ++i) {
            const int x = step > 0 ? i : width - 1 - i;
            const std::uint8_t* pixel =
                &picture[static_cast<std::size_t>(y) * pictureRow + static_cast<std::size_t>(x) * 3];
            const Channels brought = thisRow.At(x);
            const Rgb wanted{Clamped(pixel[2] + brought[0]), Clamped(pixel[1] + brought[1]),
                             Clamped(pixel[0] + brought[2])};
            const std::size_t entry = colours.Nearest(wanted);
            shown[static_cast<std::size_t>(y) * shownRow + static_cast<std::size_t>(x)] =
                static_cast<std::uint8_t>(entry);
            const Rgb chosen = colours[entry];
            const Channels error{wanted.Red - chosen.Red, wanted.Green - chosen.Green, wanted.Blue - chosen.Blue};
            thisRow.Add(x + step, error, 7);
            nextRow.Add(x - step, error, 3);
            nextRow.Add(x, error, 5);
            nextRow.Add(x + step, error, 1);
        }
        std::swap(thisRow, nextRow);
        nextRow.Clear();
    }
    return shown;
}

} // namespace vurozud
