#include "ScreenSize.h"

#include <charconv>

namespace vurozud {

float ScreenTwips(int pixels, int dotsPerInch) {
    const float twipsPerPixel = static_cast<float>(kTwipsPerInch) / static_cast<float>(dotsPerInch);
    return static_cast<float>(pixels) * twipsPerPixel;
}

std::u16string ShortestDecimalText(float value, std::u16string_view decimalSeparator) {
    char digits[64]; // the longest fixed form of a float is 39 digits and a sign
    const auto [end, error] = std::to_chars(digits, digits + sizeof digits, value, std::chars_format::fixed);
    std::u16string text;
    for (const char* c = digits; c != (error == std::errc{} ? end : digits); ++c) {
        if (*c == '.')
            text += decimalSeparator;
        else
            text += static_cast<char16_t>(*c);
    }
    return text;
}

} // namespace vurozud
