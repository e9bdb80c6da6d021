#include "FatalErrorText.h"

namespace vurozud {
namespace {

// Integer texts written out by hand: the C library's formatted output would bring its whole
// formatting engine into the program file for these two numbers.
std::string DecimalText(std::uint32_t value) {
    std::string digits;
    do {
        digits.insert(digits.begin(), static_cast<char>('0' + value % 10));
        value /= 10;
    } while (value != 0);
    return digits;
}

std::string HexadecimalText(std::uint32_t value) {
    std::string digits(8, '0');
    for (auto digit = digits.rbegin(); digit != digits.rend(); ++digit, value >>= 4)
        *digit = "0123456789ABCDEF"[value & 0xF];
    return digits;
}

} // namespace

std::string ErrorNumberText(FailureCodeKind kind, std::uint32_t code) {
    if (kind != FailureCodeKind::Hresult)
        return DecimalText(code);
    // The code as a signed number, then its bits in hexadecimal.
    const bool negative = (code & 0x80000000u) != 0;
    const std::string magnitude = DecimalText(negative ? ~code + 1 : code);
    return (negative ? "-" : "") + magnitude + " (" + HexadecimalText(code) + ")";
}

std::string FatalErrorText(FailureCodeKind kind, std::uint32_t code, std::string_view description) {
    while (!description.empty() && (description.back() == '\r' || description.back() == '\n' ||
                                    description.back() == ' '))
        description.remove_suffix(1);
    std::string text = "Run-time error '" + ErrorNumberText(kind, code) + "':\r\n\r\n";
    text += description.empty() ? std::string_view("Unknown error") : description;
    return text;
}

} // namespace vurozud
