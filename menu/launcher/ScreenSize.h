#pragma once
// The screen size the desktop page is made for: the screen's size in twips divided by the fixed
// number 15, in single precision. On a display of 96 dots per inch that is the size in pixels.

#include "Twips.h"

#include <string>
#include <string_view>

namespace vurozud {

// The page's fixed divisor: twips per page pixel whatever the display's own scale.
inline constexpr float kPageSizeDivisor = 15.0f;

// The screen's extent in twips, from its extent in pixels and the display's dots per inch.
float ScreenTwips(int pixels, int dotsPerInch);

// The page size for a screen extent in twips.
inline float PagePixels(float twips) { return twips / kPageSizeDivisor; }

// The shortest decimal text that reads back as exactly this number: no decimal point for whole
// numbers ("1024"), the given separator before the fraction otherwise ("819.2"), never an
// exponent.
std::u16string ShortestDecimalText(float value, std::u16string_view decimalSeparator);

} // namespace vurozud
