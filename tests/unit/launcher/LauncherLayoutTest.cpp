#include "LauncherLayout.h"

#include <gtest/gtest.h>

namespace vurozud::test {
namespace {

// A click belongs to the line whose box holds it, right and bottom edges excluded, and to no other.
TEST(LauncherLayout, EachLineAnswersForItsOwnBoxOnly) {
    for (const CommandLine& line : kCommandLines) {
        const PixelRect box = ToPixels(line.Box);
        for (const PixelPoint inside : {PixelPoint{box.Left, box.Top}, PixelPoint{box.Right - 1, box.Bottom - 1},
                                        PixelPoint{(box.Left + box.Right) / 2, (box.Top + box.Bottom) / 2}})
            EXPECT_EQ(CommandAt(inside), line.Command) << line.Text;
        for (const PixelPoint outside : {PixelPoint{box.Right, box.Top}, PixelPoint{box.Left, box.Bottom},
                                         PixelPoint{box.Left - 1, box.Top}, PixelPoint{box.Left, box.Top - 1}})
            EXPECT_NE(CommandAt(outside), line.Command) << line.Text;
    }
    const PixelRect picture = ToPixels(kPicture1);
    EXPECT_EQ(CommandAt({(picture.Left + picture.Right) / 2, (picture.Top + picture.Bottom) / 2}), std::nullopt);
    for (const Rule& rule : kRules)
        EXPECT_EQ(CommandAt({ToPixels(rule.Left + rule.Right) / 2, ToPixels(rule.Y)}), std::nullopt);
}

} // namespace
} // namespace vurozud::test
