#pragma once
// The program's texts are wide; the system's ANSI functions get copies in the ANSI code page.

#include <string>
#include <string_view>

namespace vurozud {

// The text converted to the system's ANSI code page.
std::string ToAnsi(std::u16string_view text);

// ANSI text from the system, as wide text.
std::u16string FromAnsi(std::string_view text);

} // namespace vurozud
