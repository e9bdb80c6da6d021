#include "ScreenSize.h"

#include "ShortestFixed.h"

namespace vurozud {

float ScreenTwips(int pixels, int dotsPerInch) {
    const float twipsPerPixel =
        InSinglePrecision(static_cast<float>(kTwipsPerInch) / static_cast<float>(dotsPerInch));
    return InSinglePrecision(static_cast<float>(pixels) * twipsPerPixel);
}

std::u16string ShortestDecimalText(float value, std::u16string_view decimalSeparator) {
    std::u16string text;
    for (const char c : ShortestFixedText(value)) {
        if (c == '.')
            text += decimalSeparator;
        else
            text += static_cast<char16_t>(c);
    }
    return text;
}

} // namespace vurozud
