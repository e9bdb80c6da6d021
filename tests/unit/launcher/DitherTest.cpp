// The preview on displays of 16 and 256 colours: dithered onto their colours, it still looks like the picture,
// and every build of the program, the 32-bit x87 one included, dithers it to the same pixels.

#include "BlockError.h"
#include "Dither.h"
#include "ImageFile.h"

#include <gtest/gtest.h>

namespace vurozud::test {
namespace {

constexpr int kWidth = 180, kHeight = 135;

std::span<const std::uint8_t> PreviewBits(const ImageFile& preview) {
    return std::span(preview.Bytes).subspan(preview.Dword(10), DibRowBytes(kWidth, 24) * kHeight);
}

// Both top row first, as BlockError takes them.
std::vector<Rgb> PreviewPixels(const ImageFile& preview) {
    std::vector<Rgb> pixels;
    for (int y = 0; y < kHeight; ++y)
        for (int x = 0; x < kWidth; ++x) {
            const std::uint32_t colour = preview.BitmapColour(x, y);
            pixels.push_back({std::uint8_t(colour >> 16), std::uint8_t(colour >> 8), std::uint8_t(colour)});
        }
    return pixels;
}
std::vector<Rgb> Shown(const std::vector<std::uint8_t>& entries, const DisplayColours& colours) {
    std::vector<Rgb> pixels;
    for (int y = kHeight - 1; y >= 0; --y)
        for (int x = 0; x < kWidth; ++x)
            pixels.push_back(colours[entries[static_cast<std::size_t>(y) * DibRowBytes(kWidth, 8) + x]]);
    return pixels;
}

TEST(Dither, ThePreviewLooksLikeThePictureInEachDisplaysColours) {
    const ImageFile preview(RESOURCES_DIR "/preview.bmp");
    // Shown in the nearest colours, the preview is 24.9 from the picture at 16 colours and 10.5 at 256.
    EXPECT_LE(BlockError(Shown(Dither(PreviewBits(preview), kWidth, kHeight, kSixteenColourDisplay),
                               kSixteenColourDisplay),
                         PreviewPixels(preview), kWidth),
              6.0);
    EXPECT_LE(BlockError(Shown(Dither(PreviewBits(preview), kWidth, kHeight, kPaletteDisplay), kPaletteDisplay),
                         PreviewPixels(preview), kWidth),
              2.0);
}

// The fingerprint of the pixels the host build gives; this test runs as 32-bit x87 code too.
TEST(Dither, EveryBuildDithersThePreviewToTheSamePixels) {
    const ImageFile preview(RESOURCES_DIR "/preview.bmp");
    std::uint32_t fingerprint = 2166136261u; // FNV-1a
    for (const DisplayColours* colours : {&kSixteenColourDisplay, &kPaletteDisplay})
        for (const std::uint8_t entry : Dither(PreviewBits(preview), kWidth, kHeight, *colours))
            fingerprint = (fingerprint ^ entry) * 16777619u;
    EXPECT_EQ(fingerprint, 82203672u);
}

// Rows of any width are laid out in whole four-byte words, in the picture and in what is shown; a picture in
// the display's own colours has no error to hand on, and is shown as it is.
TEST(Dither, APictureInTheDisplaysOwnColoursIsShownAsItIs) {
    const std::vector<std::uint8_t> picture{0, 0, 255, 0, 255, 0,   255, 0,   0,   0xEE, 0xEE, 0xEE, // blue, green, red
                                            255, 255, 255, 0, 0, 0, 128, 128, 128, 0xEE, 0xEE, 0xEE};
    EXPECT_EQ(Dither(picture, 3, 2, kSixteenColourDisplay), (std::vector<std::uint8_t>{9, 10, 12, 0, 15, 0, 8, 0}));
}

// The cube's entries are found channel by channel; that finds the closest of all entries all the same.
TEST(DisplayColours, TheNearestEntryIsTheClosestOfAll) {
    auto distance = [](Rgb a, Rgb b) {
        return (a.Red - b.Red) * (a.Red - b.Red) + (a.Green - b.Green) * (a.Green - b.Green) +
               (a.Blue - b.Blue) * (a.Blue - b.Blue);
    };
    for (const DisplayColours* colours : {&kSixteenColourDisplay, &kPaletteDisplay})
        for (int red = 0; red < 256; red += 15)
            for (int green = 0; green < 256; green += 15)
                for (int blue = 0; blue < 256; blue += 15) {
                    const Rgb colour{std::uint8_t(red), std::uint8_t(green), std::uint8_t(blue)};
                    int closest = distance((*colours)[0], colour);
                    for (std::size_t entry = 1; entry < colours->Count(); ++entry)
                        closest = std::min(closest, distance((*colours)[entry], colour));
                    ASSERT_EQ(distance((*colours)[colours->Nearest(colour)], colour), closest)
                        << red << "," << green << "," << blue;
                }
}

} // namespace
} // namespace vurozud::test
