#include "ScreenSize.h"

#include <gtest/gtest.h>

#include <cmath>

namespace vurozud {
namespace {

std::u16string Text(float value) { return ShortestDecimalText(value, u"."); }

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
