#include "ColourChecks.h"
#include "ImageFileReader.h"

#include <gtest/gtest.h>

namespace vurozud::test {
namespace {

constexpr int kHotSpotX = 12;
constexpr int kHotSpotY = 1;

class PointingHandCursorTest : public testing::Test {
protected:
    Bytes file_ = ReadBytes(std::filesystem::path(RESOURCES_DIR) / "pointing_hand.cur");
    IconDirectory directory_ = ReadIconDirectory(file_);

    IconImage Image() const { return ReadIconImage(file_, directory_.Entries.at(0).ImageOffset); }
};

TEST_F(PointingHandCursorTest, HoldsExactlyOne32By32ImageWith16ColoursAndItsHotSpot) {
    EXPECT_EQ(directory_.Reserved, 0);
    EXPECT_EQ(directory_.Type, 2);
    ASSERT_EQ(directory_.Entries.size(), 1u);

    const DirectoryEntry& entry = directory_.Entries[0];
    EXPECT_EQ(entry.Width, 32);
    EXPECT_EQ(entry.Height, 32);
    EXPECT_EQ(entry.ColourCount, 16);
    EXPECT_EQ(entry.PlanesOrHotSpotX, kHotSpotX);
    EXPECT_EQ(entry.BitsOrHotSpotY, kHotSpotY);
    EXPECT_EQ(entry.ImageOffset, 6u + 16u);
    EXPECT_EQ(entry.ImageOffset + entry.BytesInResource, file_.size());

    const IconImage image = Image();
    EXPECT_EQ(image.HeaderSize, 40u);
    EXPECT_EQ(image.Width, 32);
    EXPECT_EQ(image.DoubledHeight, 64);
    EXPECT_EQ(image.Planes, 1);
    EXPECT_EQ(image.BitsPerPixel, 4);
    EXPECT_EQ(image.Compression, 0u);
    EXPECT_EQ(image.Palette.size(), 16u);
    EXPECT_EQ(image.TotalSize, 40u + 16 * 4 + 32 * 16 + 32 * 4);
    EXPECT_EQ(image.TotalSize, entry.BytesInResource);
}

TEST_F(PointingHandCursorTest, TheFingerTipIsAtTheHotSpot) {
    const IconImage image = Image();
    EXPECT_FALSE(image.IsTransparent(kHotSpotX, kHotSpotY));
    EXPECT_LT(Brightness(image.ColourAt(kHotSpotX, kHotSpotY)), 64);

    // Nothing of the hand lies above the tip, and the finger runs down from it.
    for (int y = 0; y < kHotSpotY; ++y)
        for (int x = 0; x < 32; ++x)
            EXPECT_TRUE(image.IsTransparent(x, y)) << "pixel " << x << "," << y;
    for (int y = kHotSpotY; y < kHotSpotY + 10; ++y)
        EXPECT_FALSE(image.IsTransparent(kHotSpotX, y)) << "finger at row " << y;
}

TEST_F(PointingHandCursorTest, IsAWhiteHandOutlinedInBlackOnTheScreen) {
    const IconImage image = Image();
    int black = 0, white = 0;
    for (int y = 0; y < 32; ++y) {
        for (int x = 0; x < 32; ++x) {
            const Rgb colour = image.ColourAt(x, y);
            if (image.IsTransparent(x, y)) {
                EXPECT_TRUE(IsBlack(colour)) << "transparent pixel " << x << "," << y << " would tint the screen";
                continue;
            }
            EXPECT_TRUE(IsBlack(colour) || IsWhite(colour)) << "pixel " << x << "," << y;
            black += IsBlack(colour) ? 1 : 0;
            white += IsWhite(colour) ? 1 : 0;
            // The fill never touches the screen directly: the outline is in between.
            if (IsWhite(colour)) {
                for (auto [dx, dy] : {std::pair{-1, 0}, {1, 0}, {0, -1}, {0, 1}})
                    EXPECT_FALSE(image.IsTransparent(x + dx, y + dy)) << "open edge at " << x << "," << y;
            }
        }
    }
    EXPECT_GT(black, 40);
    EXPECT_GT(white, 100);
    for (auto [x, y] : {std::pair{0, 0}, {31, 0}, {0, 31}, {31, 31}})
        EXPECT_TRUE(image.IsTransparent(x, y)) << "corner " << x << "," << y;
}

} // namespace
} // namespace vurozud::test
