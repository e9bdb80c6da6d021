// The launcher's checked-in pictures, in the formats Windows loads, and redrawn by the generator byte for
// byte: they are what the Windows build compiles, so a change to the drawing code that is not followed by a
// redraw shows up here.

#include "ImageFile.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include <stdlib.h>

namespace vurozud::test {
namespace {

namespace fs = std::filesystem;

TEST(ResourceFiles, TheGeneratorRedrawsTheCheckedInFilesByteForByte) {
    std::string folder = (fs::temp_directory_path() / "draw_resources_XXXXXX").string();
    ASSERT_NE(mkdtemp(folder.data()), nullptr);
    ASSERT_EQ(std::system(("\"" DRAW_RESOURCES "\" \"" + folder + "\"").c_str()), 0);
    for (const char* name : {"tree.ico", "pointing_hand.cur", "preview.bmp"})
        EXPECT_TRUE(ImageFile(fs::path(folder) / name).Bytes == ImageFile(fs::path(RESOURCES_DIR) / name).Bytes)
            << name << ": run the redraw_resources target and commit the result";
    fs::remove_all(folder);
}

// One 32 x 32 image each: the icon of 256 colours, the cursor of 16 with its hot spot at 12, 1. Where the mask
// lets the screen through, the colour is black, or it would tint the screen.
TEST(ResourceFiles, TheIconAndTheCursorHoldOne32By32ImageOfTheirDepth) {
    const struct {
        const char* Name;
        unsigned Type, Colours, PlanesOrHotSpotX, BitsOrHotSpotY, BitsPerPixel;
    } cases[] = {{"tree.ico", 1, 0, 1, 8, 8}, {"pointing_hand.cur", 2, 16, 12, 1, 4}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        const ImageFile file(fs::path(RESOURCES_DIR) / c.Name);
        EXPECT_EQ(file.Word(0), 0u);
        EXPECT_EQ(file.Word(2), c.Type);
        EXPECT_EQ(file.Word(4), 1u);
        EXPECT_EQ(file.Byte(6), 32u);
        EXPECT_EQ(file.Byte(7), 32u);
        EXPECT_EQ(file.Byte(8), c.Colours);
        EXPECT_EQ(file.Word(10), c.PlanesOrHotSpotX);
        EXPECT_EQ(file.Word(12), c.BitsOrHotSpotY);
        EXPECT_EQ(file.ImageAt(), 22u);
        const std::uint32_t size = 40 + (4u << c.BitsPerPixel) + 32 * 32 * c.BitsPerPixel / 8 + 32 * 4;
        EXPECT_EQ(file.Dword(14), size);
        EXPECT_EQ(file.Bytes.size(), 22u + size);
        const std::size_t header = file.ImageAt();
        EXPECT_EQ(file.Dword(header), 40u);
        EXPECT_EQ(file.Dword(header + 4), 32u);
        EXPECT_EQ(file.Dword(header + 8), 64u); // colour pixels and mask together
        EXPECT_EQ(file.Word(header + 12), 1u);
        EXPECT_EQ(file.BitsPerPixel(), c.BitsPerPixel);
        EXPECT_EQ(file.Dword(header + 16), 0u);
        for (int y = 0; y < 32; ++y)
            for (int x = 0; x < 32; ++x)
                if (file.Transparent(x, y)) {
                    EXPECT_EQ(file.Colour(x, y), 0u) << x << "," << y;
                }
        EXPECT_TRUE(file.Transparent(0, 0) && file.Transparent(31, 31));
    }
    // The finger's tip is at the hot spot, with nothing of the hand above it.
    const ImageFile cursor(fs::path(RESOURCES_DIR) / "pointing_hand.cur");
    EXPECT_FALSE(cursor.Transparent(12, 1));
    for (int x = 0; x < 32; ++x)
        EXPECT_TRUE(cursor.Transparent(x, 0));
}

TEST(ResourceFiles, ThePreviewIs180By135PixelsOf24BitsUncompressedBottomUp) {
    const ImageFile file(fs::path(RESOURCES_DIR) / "preview.bmp");
    const std::uint32_t rowBytes = 180 * 3, pixels = rowBytes * 135;
    EXPECT_EQ(file.Word(0), 0x4D42u); // "BM"
    EXPECT_EQ(file.Dword(2), file.Bytes.size());
    EXPECT_EQ(file.Dword(10), 54u);
    EXPECT_EQ(file.Dword(14), 40u);
    EXPECT_EQ(file.Dword(18), 180u);
    EXPECT_EQ(file.Dword(22), 135u); // positive: bottom row first
    EXPECT_EQ(file.Word(26), 1u);
    EXPECT_EQ(file.Word(28), 24u);
    EXPECT_EQ(file.Dword(30), 0u);
    EXPECT_TRUE(file.Dword(34) == 0 || file.Dword(34) == pixels);
    EXPECT_EQ(file.Dword(46), 0u);
    EXPECT_EQ(file.Bytes.size(), 54u + pixels);
}

} // namespace
} // namespace vurozud::test
