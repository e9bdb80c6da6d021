#include "ScreenSize.h"

#include <gtest/gtest.h>

namespace vurozud::test {
namespace {

TEST(ScreenSize, IsTheTwipsOverFifteenAsTheShortestTextThatReadsBack) {
    const struct {
        int Pixels, DotsPerInch;
        std::u16string_view Text;
    } cases[] = {
        {1024, 96, u"1024"}, {1280, 96, u"1280"}, {768, 96, u"768"},
        {1024, 120, u"819.2"}, {768, 120, u"614.4"}, {1024, 144, u"682.6667"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ShortestDecimalText(PagePixels(ScreenTwips(c.Pixels, c.DotsPerInch)), u"."), c.Text)
            << c.Pixels << " at " << c.DotsPerInch;
}

TEST(ScreenSize, NumbersAreWrittenWithoutExponentAndWithTheUsersSeparator) {
    const struct {
        float Value;
        std::u16string_view Separator, Text;
    } cases[] = {
        {0.0f, u".", u"0"},           {600.0f, u".", u"600"},           {0.1f, u".", u"0.1"},
        {1.0f / 3.0f, u".", u"0.33333334"}, {-12.5f, u".", u"-12.5"},  {819.2f, u",", u"819,2"},
        {1024.0f, u",", u"1024"},     {1e10f, u".", u"10000000000"},
        {3.4028235e38f, u".", u"340282346638528859811704183484516925440"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ShortestDecimalText(c.Value, c.Separator), c.Text);
}

} // namespace
} // namespace vurozud::test
