// The preview on displays of 16 and 256 colours: dithered onto their colours, it still looks like the picture,
// and every build of the program, the 32-bit x87 one included, dithers it to the same pixels.

#include "BlockError.h"
#include "Dither.h"
#include "ImageFile.h"

#include <gtest/gtest.h>

namespace vurozud::test {
namespace {

// The nearest colours alone are 24.9 from the picture at 16 colours and 10.5 at 256. The fingerprint is that of
// the host build's pixels at both.
TEST(Dither, ThePreviewLooksLikeThePictureAndIsTheSameInEveryBuild) {
    constexpr int width = 180, height = 135;
    const ImageFile preview(RESOURCES_DIR "/preview.bmp");
    const auto bits = std::span(preview.Bytes).subspan(preview.Dword(10), DibRowBytes(width, 24) * height);
    std::vector<Rgb> picture;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const std::uint32_t colour = preview.BitmapColour(x, y);
            picture.push_back({std::uint8_t(colour >> 16), std::uint8_t(colour >> 8), std::uint8_t(colour)});
        }
    std::uint32_t fingerprint = 2166136261u; // FNV-1a
    for (const auto& [colours, bound] : {std::pair{&kSixteenColourDisplay, 6.0}, {&kPaletteDisplay, 2.0}}) {
        const std::vector<std::uint8_t> entries = Dither(bits, width, height, *colours);
        std::vector<Rgb> shown;
        for (int y = height - 1; y >= 0; --y) // the bitmap's rows are bottom row first
            for (int x = 0; x < width; ++x)
                shown.push_back((*colours)[entries[static_cast<std::size_t>(y) * DibRowBytes(width, 8) + x]]);
        EXPECT_LE(BlockError(shown, picture, width), bound) << colours->Count() << " colours";
        for (const std::uint8_t entry : entries)
            fingerprint = (fingerprint ^ entry) * 16777619u;
    }
    EXPECT_EQ(fingerprint, 82203672u);
}

// Rows of any width are laid out in whole four-byte words, in the picture and in what is shown; a picture in
// the display's own colours has no error to hand on, and is shown as it is.
TEST(Dither, APictureInTheDisplaysOwnColoursIsShownAsItIs) {
    const std::vector<std::uint8_t> picture{0,   0,   255, 0, 255, 0, 255, 0,   0,   0xEE, 0xEE, 0xEE,
                                            255, 255, 255, 0, 0,   0, 128, 128, 128, 0xEE, 0xEE, 0xEE};
    EXPECT_EQ(Dither(picture, 3, 2, kSixteenColourDisplay), (std::vector<std::uint8_t>{9, 10, 12, 0, 15, 0, 8, 0}));
}

// The cube's entries are found channel by channel; that finds the entry a search of all of them finds.
TEST(DisplayColours, TheNearestEntryIsTheClosestOfAll) {
    for (const DisplayColours* colours : {&kSixteenColourDisplay, &kPaletteDisplay}) {
        std::vector<Rgb> all;
        for (std::size_t entry = 0; entry < colours->Count(); ++entry)
            all.push_back((*colours)[entry]);
        for (int step = 0; step < 18 * 18 * 18; ++step) { // every channel 0, 15, ... 255
            const Rgb colour{std::uint8_t(step / 324 * 15), std::uint8_t(step / 18 % 18 * 15),
                             std::uint8_t(step % 18 * 15)};
            EXPECT_EQ(colours->Nearest(colour), NearestOf(all, colour)) << step;
        }
    }
}

} // namespace
} // namespace vurozud::test
