#pragma once
// The screen size the desktop page is made for: the screen's size in twips divided by the fixed
// number 15, in single precision. On a display of 96 dots per inch that is the size in pixels.

#include "Twips.h"

#include <string>
#include <string_view>

namespace vurozud {

// The page's fixed divisor: twips per page pixel whatever the display's own scale.
inline constexpr float kPageSizeDivisor = 15.0f;

// The value rounded to single precision. Each step of the page size is a single-precision operation, and
// its result must be rounded before the next step uses it. On the x87, the 32-bit program's
// floating-point unit, the compiler keeps a float's arithmetic in the unit's wider registers and rounds
// once, at whatever store comes last; a store through memory rounds to single precision whatever
// precision the unit is set to (64 bits as the program starts it, 53 as Windows NT starts a thread, or
// whatever a loaded DLL chose). From 53 or 64 bits that second rounding of one operation's result gives
// the same float as rounding its exact value once.
inline float InSinglePrecision(float value) {
    volatile float stored = value;
    return stored;
}

// The screen's extent in twips, from its extent in pixels and the display's dots per inch.
float ScreenTwips(int pixels, int dotsPerInch);

// The page size for a screen extent in twips.
inline float PagePixels(float twips) { return InSinglePrecision(twips / kPageSizeDivisor); }

// The shortest decimal text that reads back as exactly this number: no decimal point for whole
// numbers ("1024"), the given separator before the fraction otherwise ("819.2"), never an
// exponent.
std::u16string ShortestDecimalText(float value, std::u16string_view decimalSeparator);

} // namespace vurozud
