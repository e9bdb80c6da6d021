#include "ScreenSize.h"

#include <gtest/gtest.h>

#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <random>
#include <vector>

namespace vurozud {
namespace {

std::u16string Text(float value) { return ShortestDecimalText(value, u"."); }

std::u16string StandardText(float value) {
    char text[64];
    const auto end = std::to_chars(text, text + sizeof text, value, std::chars_format::fixed).ptr;
    return {text, end};
}

TEST(ScreenSize, At96DotsPerInchThePageSizeIsThePixelCount) {
    EXPECT_EQ(PagePixels(ScreenTwips(1024, 96)), 1024.0f);
    EXPECT_EQ(PagePixels(ScreenTwips(768, 96)), 768.0f);
    EXPECT_EQ(Text(PagePixels(ScreenTwips(1280, 96))), u"1280");
    EXPECT_EQ(Text(PagePixels(ScreenTwips(1024, 96))), u"1024");
}

TEST(ScreenSize, OtherDisplaysDivideTheirTwipsByFifteen) {
    EXPECT_EQ(ScreenTwips(1024, 120), 12288.0f);
    EXPECT_EQ(Text(PagePixels(12288.0f)), u"819.2");
    EXPECT_EQ(Text(PagePixels(ScreenTwips(768, 120))), u"614.4");
    EXPECT_EQ(Text(PagePixels(ScreenTwips(1024, 144))), u"682.6667");
}

TEST(ScreenSize, WholeNumbersHaveNoDecimalPoint) {
    EXPECT_EQ(Text(0.0f), u"0");
    EXPECT_EQ(Text(1.0f), u"1");
    EXPECT_EQ(Text(600.0f), u"600");
}

TEST(ScreenSize, FractionsAreTheShortestTextThatReadsBackExactly) {
    EXPECT_EQ(Text(0.1f), u"0.1");
    EXPECT_EQ(Text(1.0f / 3.0f), u"0.33333334");
    EXPECT_EQ(Text(1234.5f), u"1234.5");
    for (float value : {819.2f, 0.1f, 682.6667f, 1.0f / 3.0f, 33.333332f}) {
        std::string narrow;
        for (char16_t c : Text(value))
            narrow += static_cast<char>(c);
        EXPECT_EQ(std::strtof(narrow.c_str(), nullptr), value) << narrow;
    }
}

TEST(ScreenSize, TextsAreTheStandardLibrarysShortestFixedTexts) {
    using Limits = std::numeric_limits<float>;
    // The extremes, a tie between two shortest texts, and every power of two, whose step below is half
    // the step above.
    std::vector<float> values = {Limits::denorm_min(), std::nextafter(Limits::min(), 0.0f), 2097152.25f,
                                 2097152.75f, std::nextafter(1.0f, 0.0f), Limits::max()};
    for (int exponent = -149; exponent <= 127; ++exponent)
        values.push_back(std::ldexp(1.0f, exponent));
    std::mt19937 random(1024); // a fixed sample of the launcher's own values; the bench checks them all
    for (int i = 0; i < 5000; ++i) {
        const int pixels = static_cast<int>(random() % 65536);
        values.push_back(PagePixels(ScreenTwips(pixels, 48 + static_cast<int>(random() % 433))));
    }
    for (float value : values)
        EXPECT_EQ(Text(value), StandardText(value)) << std::bit_cast<std::uint32_t>(value);
}

TEST(ScreenSize, TheUsersDecimalSeparatorIsUsed) {
    EXPECT_EQ(ShortestDecimalText(819.2f, u","), u"819,2");
    EXPECT_EQ(ShortestDecimalText(1024.0f, u","), u"1024");
}

TEST(ScreenSize, LargeValuesAreWrittenOutWithoutAnExponent) {
    EXPECT_EQ(Text(16777216.0f), u"16777216");
    EXPECT_EQ(Text(1e10f), u"10000000000");
    EXPECT_EQ(Text(3.4028235e38f), u"340282346638528859811704183484516925440"); // the number itself
    EXPECT_EQ(Text(-12.5f), u"-12.5");
}

} // namespace
} // namespace vurozud
