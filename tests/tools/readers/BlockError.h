#pragma once
// How far a picture as shown is from the picture, as the eye sees it: the mean difference per colour channel
// (0 to 255) between the average colours of 4 x 4-pixel blocks of the two, whole blocks from the top left
// corner. A dither scatters colours within a block; the eye mixes them.

#include "DisplayColours.h"

#include <cstdlib>
#include <vector>

namespace vurozud::test {

// Both pictures `width` pixels wide, top row first.
inline double BlockError(const std::vector<Rgb>& shown, const std::vector<Rgb>& picture, int width) {
    const int height = static_cast<int>(picture.size()) / width;
    long difference = 0, blocks = 0;
    for (int top = 0; top + 4 <= height; top += 4)
        for (int left = 0; left + 4 <= width; left += 4, ++blocks) {
            int sums[2][3] = {};
            for (int y = top; y < top + 4; ++y)
                for (int x = left; x < left + 4; ++x)
                    for (int s = 0; s < 2; ++s) {
                        const Rgb colour = (s == 0 ? shown : picture)[static_cast<std::size_t>(y * width + x)];
                        sums[s][0] += colour.Red, sums[s][1] += colour.Green, sums[s][2] += colour.Blue;
                    }
            for (int c = 0; c < 3; ++c)
                difference += std::abs(sums[0][c] - sums[1][c]);
        }
    return static_cast<double>(difference) / (16.0 * 3.0 * static_cast<double>(blocks));
}

} // namespace vurozud::test
