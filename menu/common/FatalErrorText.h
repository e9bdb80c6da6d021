#pragma once
// The text of the fatal error box: the error number and the system's description of it. It is made in
// storage of its own, never on the heap, so that the box can still say that memory has run out.

#include "Failure.h"

#include <cstddef>
#include <string_view>

namespace vurozud {

// "Run-time error '<number>':" and, after an empty line, the description. A system error code is shown in
// decimal, a COM result as its signed decimal value followed by the hexadecimal code, for example
// "-2147467263 (80004001)". The system's message texts end in a line break, which is dropped; an empty
// description reads "Unknown error"; one longer than kLongestDescription is cut there.
class FatalErrorText {
public:
    static constexpr std::size_t kLongestDescription = 1024;

    FatalErrorText(FailureCodeKind kind, std::uint32_t code, std::string_view description);

    // The text; a null character follows it, for the system's functions.
    std::string_view View() const { return {text_, length_}; }

private:
    void Append(std::string_view part);
    void AppendDigits(std::uint32_t value, std::uint32_t base, std::ptrdiff_t fewest);

    char text_[kLongestDescription + 64]; // the number and the words around it take at most 44
    std::size_t length_ = 0;
};

} // namespace vurozud
