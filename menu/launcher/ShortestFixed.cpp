#include "ShortestFixed.h"

#include <algorithm>
#include <array>
#include <bit>
#include <compare>
#include <cstdint>

namespace vurozud {
namespace {

// A non-negative integer of up to 192 bits with the few operations the digit loop needs. The largest
// value the loop meets is below 11 * 2^151 (see below), the largest whole float below 2^128.
class Wide {
public:
    explicit Wide(std::uint32_t value) : words_{value} {}

    static Wide PowerOfTwo(int exponent) {
        Wide power(0);
        power.words_[exponent / 32] = std::uint32_t{1} << (exponent % 32);
        return power;
    }

    void MultiplyBy(std::uint32_t factor) {
        std::uint64_t carry = 0;
        for (std::uint32_t& word : words_) {
            carry += std::uint64_t{word} * factor;
            word = static_cast<std::uint32_t>(carry);
            carry >>= 32;
        }
    }

    // Divides in place and returns the remainder.
    std::uint32_t DivideBy(std::uint32_t divisor) {
        std::uint64_t remainder = 0;
        for (auto word = words_.rbegin(); word != words_.rend(); ++word) {
            remainder = remainder << 32 | *word;
            *word = static_cast<std::uint32_t>(remainder / divisor);
            remainder %= divisor;
        }
        return static_cast<std::uint32_t>(remainder);
    }

    Wide& operator+=(const Wide& other) {
        std::uint64_t carry = 0;
        for (std::size_t i = 0; i < words_.size(); ++i) {
            carry += std::uint64_t{words_[i]} + other.words_[i];
            words_[i] = static_cast<std::uint32_t>(carry);
            carry >>= 32;
        }
        return *this;
    }

    // Requires *this >= other.
    Wide& operator-=(const Wide& other) {
        std::uint32_t borrow = 0;
        for (std::size_t i = 0; i < words_.size(); ++i) {
            const std::uint64_t subtrahend = std::uint64_t{other.words_[i]} + borrow;
            borrow = words_[i] < subtrahend ? 1 : 0;
            words_[i] = static_cast<std::uint32_t>(words_[i] - subtrahend);
        }
        return *this;
    }

    bool IsZero() const {
        return std::all_of(words_.begin(), words_.end(), [](std::uint32_t word) { return word == 0; });
    }

    friend std::strong_ordering operator<=>(const Wide& a, const Wide& b) {
        return std::lexicographical_compare_three_way(a.words_.rbegin(), a.words_.rend(), b.words_.rbegin(),
                                                      b.words_.rend());
    }
    friend bool operator==(const Wide&, const Wide&) = default;

private:
    std::array<std::uint32_t, 6> words_; // least significant first
};

std::string WholeNumberText(Wide number) {
    std::string digits;
    do
        digits += static_cast<char>('0' + number.DivideBy(10));
    while (!number.IsZero());
    return {digits.rbegin(), digits.rend()};
}

} // namespace

// Why this is right. A finite float is m * 2^e with a whole m below 2^24. Reading a decimal text back
// gives this float exactly when the text's number lies within half a step of it on either side: up to
// 2^(e-1) above and 2^(e-1) below, or 2^(e-2) below when the float is the lowest of its binade (the
// step below is then half as wide). Whether a number exactly on a bound reads back does not matter
// here: a bound has a binary digit more than the float, so more fraction digits than the float's own
// exact text, and the loop below stops at that length at the latest, with the float itself.
//
// Whole floats need no fraction digit, and of the whole numbers that read back as one, its own exact
// value is the closest: it is written out in full.
//
// Any other float lies below 2^23, and no whole number lies within its interval: its step 2^e is at
// most 1/2, and it lies a whole number of steps, at least one, from every whole number. So its text has
// a fraction, and the shortest text has n fraction digits for the smallest n at which some multiple of
// 10^-n lies within the interval. If any does, the one just below or just above the float does (the
// interval holds the float and every number between), so the loop below tries those two for n = 1, 2,
// ... and stops at the first that fits, taking the closer one when both fit (the even digit when they
// are equally close). The one above never ends in a 9 that would carry: it would then be a multiple of
// 10^-(n-1) and the previous round would have taken it. The loop ends at the latest when 10^-n is
// below the interval's width, at n = 45 for the smallest float, 2^-149.
//
// The loop keeps every quantity as a whole number, scaled by S = 2^(2-e) and by 10 for each digit: the
// float's remaining fraction R (below S), and the interval's half-widths above and below. These stay
// below 11 * S <= 11 * 2^151.
std::string ShortestFixedText(float value) {
    const auto bits = std::bit_cast<std::uint32_t>(value);
    const bool negative = (bits >> 31) != 0;
    const auto biasedExponent = static_cast<int>((bits >> 23) & 0xFF);
    const std::uint32_t fractionBits = bits & 0x7FFFFF;
    if (biasedExponent == 0xFF)
        return fractionBits != 0 ? "nan" : negative ? "-inf" : "inf";

    // value = m * 2^e; subnormal numbers have no hidden bit and the exponent of the lowest binade.
    const std::uint32_t m = biasedExponent == 0 ? fractionBits : fractionBits | 0x800000;
    const int e = (biasedExponent == 0 ? 1 : biasedExponent) - 150;
    std::string text = negative ? "-" : "";

    if (e >= 0) {
        Wide whole = Wide::PowerOfTwo(e);
        whole.MultiplyBy(m);
        return text + WholeNumberText(whole);
    }
    const int shift = -e; // value = m / 2^shift
    const std::uint32_t wholePart = shift < 32 ? m >> shift : 0;
    const std::uint32_t fraction = shift < 32 ? m & ((std::uint32_t{1} << shift) - 1) : m;
    text += WholeNumberText(Wide(wholePart));
    if (fraction == 0)
        return text;

    const Wide scale = Wide::PowerOfTwo(shift + 2); // S: the value 1
    Wide remainder(4 * fraction); // R: the fraction not yet written, times S
    Wide above(2); // the interval's half-width above, times S
    Wide below(fractionBits == 0 && biasedExponent > 1 ? 1 : 2); // and below
    text += '.';
    for (;;) {
        remainder.MultiplyBy(10);
        above.MultiplyBy(10);
        below.MultiplyBy(10);
        int digit = 0;
        for (; remainder >= scale; ++digit)
            remainder -= scale;
        // The candidate ending in this digit lies R below the float, the one ending in the next digit
        // lies S - R above it.
        Wide remainderAndAbove = remainder;
        remainderAndAbove += above;
        const bool lowerFits = remainder < below;
        const bool upperFits = remainderAndAbove > scale;
        if (lowerFits || upperFits) {
            bool roundUp = upperFits;
            if (lowerFits && upperFits) {
                Wide twiceRemainder = remainder;
                twiceRemainder.MultiplyBy(2);
                const auto order = twiceRemainder <=> scale;
                roundUp = order > 0 || (order == 0 && digit % 2 != 0);
            }
            return text += static_cast<char>('0' + digit + (roundUp ? 1 : 0));
        }
        text += static_cast<char>('0' + digit);
    }
}

} // namespace vurozud
