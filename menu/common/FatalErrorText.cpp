#include "FatalErrorText.h"

#include <iterator>

namespace vurozud {

FatalErrorText::FatalErrorText(FailureCodeKind kind, std::uint32_t code, std::string_view description) {
    Append("Run-time error '");
    if (kind != FailureCodeKind::Hresult) {
        AppendDigits(code, 10, 1);
    } else {
        // The code as a signed number, then its bits in hexadecimal.
        const bool negative = (code & 0x80000000u) != 0;
        Append(negative ? "-" : "");
        AppendDigits(negative ? ~code + 1 : code, 10, 1);
        Append(" (");
        AppendDigits(code, 16, 8);
        Append(")");
    }
    Append("':\r\n\r\n");
    while (!description.empty() && (description.back() == '\r' || description.back() == '\n' ||
                                    description.back() == ' '))
        description.remove_suffix(1);
    Append(description.empty() ? std::string_view("Unknown error") : description.substr(0, kLongestDescription));
    text_[length_] = '\0';
}

void FatalErrorText::Append(std::string_view part) { length_ += part.copy(text_ + length_, part.size()); }

// Integer texts written out by hand: the C library's formatted output would bring its whole formatting
// engine into the program file for these two numbers.
void FatalErrorText::AppendDigits(std::uint32_t value, std::uint32_t base, std::ptrdiff_t fewest) {
    char digits[10]; // enough for 32 bits in decimal
    char* first = std::end(digits);
    do {
        *--first = "0123456789ABCDEF"[value % base];
        value /= base;
    } while (value != 0 || std::end(digits) - first < fewest);
    Append({first, std::end(digits)});
}

} // namespace vurozud
