#include "ScreenSize.h"

#include <gtest/gtest.h>

#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <random>
#include <vector>

#if defined(__i386__) && !defined(__SSE_MATH__)
#include <fpu_control.h>
#define VUROZUD_X87_MATH 1
#endif

namespace vurozud::test {
namespace {

// Runs the check at each precision the x87 may be set to (24, 53 and 64 bits), where floats are computed
// on the x87; once elsewhere.
template <typename Check>
void AtEveryPrecisionOfTheUnit(Check check) {
#ifdef VUROZUD_X87_MATH
    fpu_control_t original;
    _FPU_GETCW(original);
    const struct {
        int Bits;
        fpu_control_t Control;
    } precisions[] = {{24, _FPU_SINGLE}, {53, _FPU_DOUBLE}, {64, _FPU_EXTENDED}};
    for (const auto& precision : precisions) {
        fpu_control_t word = (original & ~_FPU_EXTENDED) | precision.Control;
        _FPU_SETCW(word);
        SCOPED_TRACE("the x87 set to " + std::to_string(precision.Bits) + "-bit precision");
        check();
    }
    _FPU_SETCW(original);
#else
    check();
#endif
}

TEST(ScreenSize, IsTheTwipsOverFifteenAsTheShortestTextThatReadsBack) {
    const struct {
        int Pixels, DotsPerInch;
        std::u16string_view Text;
    } cases[] = {
        {1024, 96, u"1024"}, {1280, 96, u"1280"}, {768, 96, u"768"},
        {1024, 120, u"819.2"}, {768, 120, u"614.4"}, {1024, 144, u"682.6667"},
        // Scales whose twips per pixel a float holds inexactly: every step rounded to single precision
        // (rounded once, at the end, they would read 737.28, 585.1429 and 438.85715).
        {768, 100, u"737.27997"}, {1024, 168, u"585.1428"}, {768, 168, u"438.85712"},
    };
    AtEveryPrecisionOfTheUnit([&] {
        for (const auto& c : cases)
            EXPECT_EQ(ShortestDecimalText(PagePixels(ScreenTwips(c.Pixels, c.DotsPerInch)), u"."), c.Text)
                << c.Pixels << " at " << c.DotsPerInch;
    });
}

// With the point as the separator, the standard library's texts; the user's separator stands in for the point.
TEST(ScreenSize, TextsAreTheStandardLibrarysShortestFixedTexts) {
    EXPECT_EQ(ShortestDecimalText(819.2f, u","), u"819,2");
    EXPECT_EQ(ShortestDecimalText(1024.0f, u","), u"1024");
    using Limits = std::numeric_limits<float>;
    // Zero, a sign, the extremes, a tie between two shortest texts, and every power of two, whose step below is
    // half the step above.
    std::vector<float> values = {0.0f, -12.5f, Limits::denorm_min(), std::nextafter(Limits::min(), 0.0f),
                                 2097152.25f, 2097152.75f, std::nextafter(1.0f, 0.0f), Limits::max()};
    for (int exponent = -149; exponent <= 127; ++exponent)
        values.push_back(std::ldexp(1.0f, exponent));
    std::mt19937 random(1024); // a fixed sample of the launcher's own values; the bench checks them all
    for (int i = 0; i < 5000; ++i) {
        const int pixels = static_cast<int>(random() % 65536);
        values.push_back(PagePixels(ScreenTwips(pixels, 48 + static_cast<int>(random() % 433))));
    }
    for (float value : values) {
        char standard[64];
        const auto end = std::to_chars(standard, standard + sizeof standard, value, std::chars_format::fixed).ptr;
        EXPECT_EQ(ShortestDecimalText(value, u"."), std::u16string(standard, end))
            << std::bit_cast<std::uint32_t>(value);
    }
}

} // namespace
} // namespace vurozud::test
