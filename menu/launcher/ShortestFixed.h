#pragma once
// The shortest decimal text of a single-precision number in fixed notation, computed exactly with
// integers: no floating-point formatting library, which would link its tables for every floating
// type (about 180 KB of this small program).

#include <string>

namespace vurozud {

// The text with the fewest fraction digits that reads back (rounding to nearest, ties to even) as
// exactly this number, and of those the one closest to it; a whole number is written out in full,
// with no decimal point. A '.' separates the fraction; never an exponent; "-" before a negative
// number, "inf" and "nan" for the others. For example 819.2f gives "819.2", 1e10f "10000000000".
std::string ShortestFixedText(float value);

} // namespace vurozud
