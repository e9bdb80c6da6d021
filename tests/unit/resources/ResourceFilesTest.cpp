// The checked-in pictures the Windows build compiles: redrawn by the generator byte for byte, and the icon and
// cursor in the formats Windows loads (the end-to-end tests compare the preview with the screen).

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
        const std::size_t image = file.ImageAt();
        const std::size_t size = 40 + (4u << c.BitsPerPixel) + 32 * 32 * c.BitsPerPixel / 8 + 32 * 4;
        // The directory: reserved, type, count; width, height, colours; two words; the image's size and offset.
        EXPECT_EQ((std::vector<std::size_t>{file.Word(0), file.Word(2), file.Word(4), file.Byte(6), file.Byte(7),
                                            file.Byte(8), file.Word(10), file.Word(12), file.Dword(14), image}),
                  (std::vector<std::size_t>{0, c.Type, 1, 32, 32, c.Colours, c.PlanesOrHotSpotX, c.BitsOrHotSpotY,
                                            size, 22}));
        EXPECT_EQ(file.Bytes.size(), 22 + size);
        // The image's header: its size, width, doubled height (pixels and mask), planes, depth, compression.
        EXPECT_EQ((std::vector<std::size_t>{file.Dword(image), file.Dword(image + 4), file.Dword(image + 8),
                                            file.Word(image + 12), file.BitsPerPixel(), file.Dword(image + 16)}),
                  (std::vector<std::size_t>{40, 32, 64, 1, c.BitsPerPixel, 0}));
        for (int y = 0; y < 32; ++y)
            for (int x = 0; x < 32; ++x)
                EXPECT_TRUE(!file.Transparent(x, y) || file.Colour(x, y) == 0) << x << "," << y;
        EXPECT_TRUE(file.Transparent(0, 0) && file.Transparent(31, 31));
    }
    // The finger's tip is at the hot spot, with nothing of the hand above it.
    const ImageFile cursor(fs::path(RESOURCES_DIR) / "pointing_hand.cur");
    EXPECT_FALSE(cursor.Transparent(12, 1));
    for (int x = 0; x < 32; ++x)
        EXPECT_TRUE(cursor.Transparent(x, 0));
}

} // namespace
} // namespace vurozud::test
