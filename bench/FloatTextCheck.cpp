// Checks the screen-size text against the standard library's shortest fixed-notation text on every
// value the launcher can produce: the page size for every screen extent of 0 to 65535 pixels at every
// display resolution of 48 to 480 dots per inch. Prints how many values it compared and how many
// differed, with the first few differences, and a hash of the values' bits: the same from every build
// of the screen size's arithmetic that rounds each step to single precision (the host's, and the 32-bit
// x87 code of the i386 preset, which scripts/bench compares with it).
//
//   float_text_check         the launcher's values (about 28 million)
//   float_text_check all     every finite non-negative float (about 2.1 billion; most of an hour)

#include "ScreenSize.h"

#include <bit>
#include <charconv>
#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>

namespace vurozud {
namespace {

class Comparison {
public:
    void Check(float value) {
        char expected[64];
        const auto result = std::to_chars(expected, expected + sizeof expected, value, std::chars_format::fixed);
        const std::u16string text = ShortestDecimalText(value, u".");
        ++compared_;
        const std::uint32_t bits = std::bit_cast<std::uint32_t>(value);
        for (int shift = 0; shift < 32; shift += 8) // FNV-1a over the value's four bytes
            bitsHash_ = (bitsHash_ ^ ((bits >> shift) & 0xFF)) * 0x100000001B3;
        if (std::u16string_view(text) == std::u16string(expected, result.ptr))
            return;
        if (++differed_ <= 10) {
            const std::string narrow(text.begin(), text.end());
            std::printf("  differs: bits 0x%08x: expected %.*s, got %s\n", std::bit_cast<std::uint32_t>(value),
                        static_cast<int>(result.ptr - expected), expected, narrow.c_str());
        }
    }

    int Report(const char* domain) const {
        std::printf("float text check (%s): %llu values compared, %llu differ; bits hash 0x%016llx\n", domain,
                    compared_, differed_, bitsHash_);
        return differed_ == 0 ? 0 : 1;
    }

private:
    unsigned long long compared_ = 0;
    unsigned long long differed_ = 0;
    unsigned long long bitsHash_ = 0xCBF29CE484222325;
};

int CheckLauncherValues() {
    Comparison comparison;
    for (int dotsPerInch = 48; dotsPerInch <= 480; ++dotsPerInch)
        for (int pixels = 0; pixels <= 65535; ++pixels)
            comparison.Check(PagePixels(ScreenTwips(pixels, dotsPerInch)));
    return comparison.Report("every screen of 0 to 65535 pixels at 48 to 480 dots per inch");
}

int CheckEveryFloat() {
    Comparison comparison;
    for (std::uint32_t bits = 0; bits < 0x7F800000; ++bits) // up to the largest finite float
        comparison.Check(std::bit_cast<float>(bits));
    return comparison.Report("every finite non-negative float");
}

} // namespace
} // namespace vurozud

int main(int argc, char** argv) {
    const std::string_view domain = argc == 2 ? argv[1] : "";
    if (argc == 1)
        return vurozud::CheckLauncherValues();
    if (domain == "all")
        return vurozud::CheckEveryFloat();
    std::fprintf(stderr, "usage: float_text_check [all]\n");
    return 2;
}
