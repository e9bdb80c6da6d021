#include "LauncherLayout.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace vurozud {
namespace {

PixelPoint CentreOf(const CommandLine& line) {
    const PixelRect box = ToPixels(line.Box);
    return {(box.Left + box.Right) / 2, (box.Top + box.Bottom) / 2};
}

TEST(LauncherLayout, EveryTwipPositionIsAWholePixel) {
    auto whole = [](int twips) { return twips % kTwipsPerPixel == 0; };
    for (const CommandLine& line : kCommandLines)
        EXPECT_TRUE(whole(line.Box.Left) && whole(line.Box.Top) && whole(line.Box.Width) && whole(line.Box.Height))
            << line.Text;
    for (const Rule& rule : kRules)
        EXPECT_TRUE(whole(rule.Left) && whole(rule.Right) && whole(rule.Y));
    EXPECT_EQ(ToPixels(kLauncherClientSize.Width), 245);
    EXPECT_EQ(ToPixels(kLauncherClientSize.Height), 369);
}

TEST(LauncherLayout, TheCommandLinesHitTheirOwnCommand) {
    for (const CommandLine& line : kCommandLines) {
        const PixelRect box = ToPixels(line.Box);
        EXPECT_EQ(CommandAt(CentreOf(line)), line.Command) << line.Text;
        EXPECT_EQ(CommandAt({box.Left, box.Top}), line.Command) << line.Text;
        EXPECT_EQ(CommandAt({box.Right - 1, box.Bottom - 1}), line.Command) << line.Text;
        EXPECT_NE(CommandAt({box.Right, box.Top}), line.Command) << line.Text;
        EXPECT_NE(CommandAt({box.Left, box.Bottom}), line.Command) << line.Text;
    }
}

TEST(LauncherLayout, ThePictureAndTheRulesAreNoCommand) {
    const PixelRect picture = ToPixels(kPicture1);
    EXPECT_EQ(CommandAt({(picture.Left + picture.Right) / 2, (picture.Top + picture.Bottom) / 2}), std::nullopt);
    for (const Rule& rule : kRules)
        EXPECT_EQ(CommandAt({ToPixels(rule.Left + rule.Right) / 2, ToPixels(rule.Y)}), std::nullopt);
    EXPECT_EQ(CommandAt({0, 0}), std::nullopt);
    EXPECT_EQ(CommandAt({244, 368}), std::nullopt);
}

TEST(LauncherLayout, FromTopToBottomRulesSeparateTheCommands) {
    // Picture, Run, rule, Close, rule, Instructions, rule, Support, rule, Exit, rule.
    std::vector<std::pair<int, std::string_view>> rows;
    for (const CommandLine& line : kCommandLines)
        rows.emplace_back(line.Box.Top, line.Text);
    for (const Rule& rule : kRules)
        rows.emplace_back(rule.Y, "rule");
    std::sort(rows.begin(), rows.end());
    const std::vector<std::string_view> expected{
        "Run Vurozud Tree Desktop", "rule", "Close Vurozud Tree Desktop", "rule", "Instructions and Controls",
        "rule",                     "Help and Support", "rule", "Exit This Menu", "rule"};
    std::vector<std::string_view> seen;
    for (const auto& row : rows)
        seen.push_back(row.second);
    EXPECT_EQ(seen, expected);
    EXPECT_LT(kPicture1.Top + kPicture1.Height, rows.front().first);
}

TEST(LauncherLayout, NothingOverlapsAndEverythingFitsTheClientArea) {
    std::vector<PixelRect> boxes{ToPixels(kPicture1)};
    for (const CommandLine& line : kCommandLines)
        boxes.push_back(ToPixels(line.Box));
    for (const Rule& rule : kRules)
        boxes.push_back({ToPixels(rule.Left), ToPixels(rule.Y), ToPixels(rule.Right), ToPixels(rule.Y) + 1});
    const PixelRect client{0, 0, 245, 369};
    for (std::size_t i = 0; i < boxes.size(); ++i) {
        EXPECT_TRUE(boxes[i].Left >= client.Left && boxes[i].Right <= client.Right && boxes[i].Top >= client.Top &&
                    boxes[i].Bottom <= client.Bottom);
        for (std::size_t j = i + 1; j < boxes.size(); ++j) {
            const bool apart = boxes[i].Right <= boxes[j].Left || boxes[j].Right <= boxes[i].Left ||
                               boxes[i].Bottom <= boxes[j].Top || boxes[j].Bottom <= boxes[i].Top;
            EXPECT_TRUE(apart) << i << " overlaps " << j;
        }
    }
}

} // namespace
} // namespace vurozud
