#include "LauncherLayout.h"

#include <gtest/gtest.h>

namespace vurozud::test {
namespace {

// Every edge rounded down from twips on its own; fonts to the nearest pixel: 8.25 points are 11, 14 and 17.
TEST(LauncherLayout, FollowsTheDisplaysScale) {
    const int cases[][4] = {{96, 245, 369, 11}, {120, 306, 461, 14}, {144, 367, 553, 17}};
    for (const auto& [dotsPerInch, width, height, fontPixels] : cases) {
        const PixelSize client = ToPixels(kLauncherClientSize, DisplayScale{dotsPerInch, dotsPerInch});
        EXPECT_EQ((std::vector<int>{client.Width, client.Height, PointsToPixels(kCommandLineFont.Points, dotsPerInch)}),
                  (std::vector<int>{width, height, fontPixels}))
            << dotsPerInch;
    }
}

} // namespace
} // namespace vurozud::test
