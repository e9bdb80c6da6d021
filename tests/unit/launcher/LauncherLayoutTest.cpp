#include "LauncherLayout.h"

#include <gtest/gtest.h>

namespace vurozud::test {
namespace {

class LauncherLayout : public ::testing::TestWithParam<int> {
protected:
    DisplayScale Scale() const { return {GetParam(), GetParam()}; }
};

// Every edge rounded down from twips on its own; fonts to the nearest pixel: 8.25 points are 11, 14 and 17.
TEST_P(LauncherLayout, FollowsTheDisplaysScale) {
    const int pixels[][3] = {{245, 369, 11}, {306, 461, 14}, {367, 553, 17}};
    const int* expected = pixels[(GetParam() - 96) / 24];
    const PixelSize client = ToPixels(kLauncherClientSize, Scale());
    EXPECT_EQ((std::vector<int>{client.Width, client.Height, PointsToPixels(kCommandLineFont.Points, GetParam())}),
              (std::vector<int>(expected, expected + 3)));
}

INSTANTIATE_TEST_SUITE_P(DotsPerInch, LauncherLayout, ::testing::Values(96, 120, 144));

} // namespace
} // namespace vurozud::test
