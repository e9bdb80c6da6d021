#include "ColourChecks.h"
#include "ImageFileReader.h"

#include <gtest/gtest.h>

namespace vurozud::test {
namespace {

class TreeIconTest : public testing::Test {
protected:
    Bytes file_ = ReadBytes(std::filesystem::path(RESOURCES_DIR) / "tree.ico");
    IconDirectory directory_ = ReadIconDirectory(file_);
};

TEST_F(TreeIconTest, HoldsExactlyOne32By32ImageWith256Colours) {
    EXPECT_EQ(directory_.Reserved, 0);
    EXPECT_EQ(directory_.Type, 1);
    ASSERT_EQ(directory_.Entries.size(), 1u);

    const DirectoryEntry& entry = directory_.Entries[0];
    EXPECT_EQ(entry.Width, 32);
    EXPECT_EQ(entry.Height, 32);
    EXPECT_EQ(entry.ColourCount, 0); // 256 colours do not fit the byte and are written as 0
    EXPECT_EQ(entry.PlanesOrHotSpotX, 1);
    EXPECT_EQ(entry.BitsOrHotSpotY, 8);
    EXPECT_EQ(entry.ImageOffset, 6u + 16u);
    EXPECT_EQ(entry.ImageOffset + entry.BytesInResource, file_.size());

    const IconImage image = ReadIconImage(file_, entry.ImageOffset);
    EXPECT_EQ(image.HeaderSize, 40u);
    EXPECT_EQ(image.Width, 32);
    EXPECT_EQ(image.DoubledHeight, 64); // colour pixels and mask together
    EXPECT_EQ(image.Planes, 1);
    EXPECT_EQ(image.BitsPerPixel, 8);
    EXPECT_EQ(image.Compression, 0u);
    EXPECT_EQ(image.Palette.size(), 256u);
    EXPECT_EQ(image.TotalSize, 40u + 256 * 4 + 32 * 32 + 32 * 4);
    EXPECT_EQ(image.TotalSize, entry.BytesInResource);
}

TEST_F(TreeIconTest, ShowsTheScreenAroundTheTree) {
    const IconImage image = ReadIconImage(file_, directory_.Entries.at(0).ImageOffset);
    for (auto [x, y] : {std::pair{0, 0}, {31, 0}, {0, 31}, {31, 31}})
        EXPECT_TRUE(image.IsTransparent(x, y)) << "corner " << x << "," << y;

    // Where the mask lets the screen through, the colour pixel must be black or it tints the screen.
    int transparent = 0;
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x)
            if (image.IsTransparent(x, y)) {
                ++transparent;
                EXPECT_TRUE(IsBlack(image.ColourAt(x, y))) << "pixel " << x << "," << y;
            }
    EXPECT_GT(transparent, 100);
    EXPECT_LT(transparent, 32 * 32 - 300);
}

TEST_F(TreeIconTest, ShowsAGreenTreeWithAStarOnTopAndATrunkBelow) {
    const IconImage image = ReadIconImage(file_, directory_.Entries.at(0).ImageOffset);
    int opaque = 0, green = 0, yellowOnTop = 0, brownBelow = 0;
    for (int y = 0; y < 32; ++y) {
        for (int x = 0; x < 32; ++x) {
            if (image.IsTransparent(x, y))
                continue;
            const Rgb colour = image.ColourAt(x, y);
            ++opaque;
            green += IsGreen(colour) ? 1 : 0;
            yellowOnTop += y < 8 && IsYellow(colour) ? 1 : 0;
            brownBelow += y >= 27 && IsBrown(colour) ? 1 : 0;
        }
    }
    EXPECT_GT(green * 2, opaque);
    EXPECT_GE(yellowOnTop, 6);
    EXPECT_GE(brownBelow, 6);
}

} // namespace
} // namespace vurozud::test
