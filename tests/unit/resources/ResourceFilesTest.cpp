#include "ColourChecks.h"
#include "ImageFileReader.h"

#include <gtest/gtest.h>

#include <set>
#include <tuple>

namespace vurozud::test {
namespace {

constexpr int kWidth = 180;
constexpr int kHeight = 135;

class PreviewBitmapTest : public testing::Test {
protected:
    Bytes file_ = ReadBytes(std::filesystem::path(RESOURCES_DIR) / "preview.bmp");

    static std::size_t RowBytes() { return (kWidth * 3 + 3) / 4 * 4; }

    // Bottom row first in the file; y counts from the top.
    Rgb PixelAt(int x, int y) const {
        const std::size_t at = Dword(file_, 10) + static_cast<std::size_t>(kHeight - 1 - y) * RowBytes() +
                               static_cast<std::size_t>(x) * 3;
        return {file_.at(at + 2), file_.at(at + 1), file_.at(at)};
    }
};

TEST_F(PreviewBitmapTest, Is180By135PixelsOf24BitsUncompressedBottomUp) {
    ASSERT_GE(file_.size(), 54u);
    EXPECT_EQ(file_[0], 'B');
    EXPECT_EQ(file_[1], 'M');
    EXPECT_EQ(Dword(file_, 2), file_.size());
    EXPECT_EQ(Word(file_, 6), 0);
    EXPECT_EQ(Word(file_, 8), 0);
    EXPECT_EQ(Dword(file_, 10), 54u);

    EXPECT_EQ(Dword(file_, 14), 40u);
    EXPECT_EQ(Long(file_, 18), kWidth);
    EXPECT_EQ(Long(file_, 22), kHeight); // positive height: bottom row first
    EXPECT_EQ(Word(file_, 26), 1);
    EXPECT_EQ(Word(file_, 28), 24);
    EXPECT_EQ(Dword(file_, 30), 0u); // uncompressed
    const std::uint32_t imageSize = Dword(file_, 34);
    EXPECT_TRUE(imageSize == 0 || imageSize == RowBytes() * kHeight) << imageSize;
    EXPECT_EQ(Dword(file_, 46), 0u); // no colour table

    // Rows are padded to whole 32-bit words and nothing follows the last one.
    EXPECT_EQ(RowBytes() % 4, 0u);
    EXPECT_EQ(file_.size(), 54u + RowBytes() * kHeight);
}

TEST_F(PreviewBitmapTest, ShowsAGreenTreeOnADarkBackground) {
    std::set<std::tuple<int, int, int>> colours;
    int green = 0;
    long brightness = 0;
    for (int y = 0; y < kHeight; ++y) {
        for (int x = 0; x < kWidth; ++x) {
            const Rgb colour = PixelAt(x, y);
            colours.insert({colour.Red, colour.Green, colour.Blue});
            green += IsGreen(colour) ? 1 : 0;
            brightness += Brightness(colour);
        }
    }
    EXPECT_GT(colours.size(), 500u) << "a real picture, not a blank or a placeholder";
    EXPECT_GT(green, kWidth * kHeight / 10);
    EXPECT_LT(brightness / (kWidth * kHeight), 110) << "a night scene";
    // The tree stands in the middle, the sky above its sides is dark.
    EXPECT_TRUE(IsGreen(PixelAt(kWidth / 2, kHeight / 2)));
    EXPECT_LT(Brightness(PixelAt(8, 30)), 80);
}

} // namespace
} // namespace vurozud::test
