#include "LauncherLayout.h"

#include <gtest/gtest.h>

namespace vurozud {
namespace {

struct ScaleCase {
    int DotsPerInch;
    PixelSize Client;
    int CommandFontPixels;
};

class LauncherLayoutAtScale : public ::testing::TestWithParam<ScaleCase> {
protected:
    DisplayScale Scale() const { return {GetParam().DotsPerInch, GetParam().DotsPerInch}; }
};

TEST_P(LauncherLayoutAtScale, ClientAreaAndFontFollowTheDisplay) {
    const PixelSize client = ToPixels(kLauncherClientSize, Scale());
    EXPECT_EQ(client.Width, GetParam().Client.Width);
    EXPECT_EQ(client.Height, GetParam().Client.Height);
    EXPECT_EQ(PointsToPixels(kCommandLineFont.Points, GetParam().DotsPerInch), GetParam().CommandFontPixels);
}

TEST_P(LauncherLayoutAtScale, EachLineHitsItsOwnCommandAndNothingElseDoes) {
    for (const CommandLine& line : kCommandLines) {
        const PixelRect box = ToPixels(line.Box, Scale());
        EXPECT_EQ(CommandAt({(box.Left + box.Right) / 2, (box.Top + box.Bottom) / 2}, Scale()), line.Command)
            << line.Text;
        EXPECT_EQ(CommandAt({box.Left, box.Top}, Scale()), line.Command) << line.Text;
        EXPECT_EQ(CommandAt({box.Right - 1, box.Bottom - 1}, Scale()), line.Command) << line.Text;
        EXPECT_NE(CommandAt({box.Right, box.Top}, Scale()), line.Command) << line.Text;
        EXPECT_NE(CommandAt({box.Left, box.Bottom}, Scale()), line.Command) << line.Text;
    }
    for (const Rule& rule : kRules)
        EXPECT_EQ(CommandAt({ToPixelsX(rule.Left, Scale()), ToPixelsY(rule.Y, Scale())}, Scale()), std::nullopt);
    const PixelRect picture = ToPixels(kPicture1, Scale());
    EXPECT_EQ(CommandAt({picture.Left, picture.Bottom - 1}, Scale()), std::nullopt);
}

INSTANTIATE_TEST_SUITE_P(DotsPerInch, LauncherLayoutAtScale,
                         ::testing::Values(ScaleCase{96, {245, 369}, 11}, ScaleCase{120, {306, 461}, 14},
                                           ScaleCase{144, {367, 553}, 17}),
                         [](const auto& info) { return std::to_string(info.param.DotsPerInch); });

} // namespace
} // namespace vurozud
