#pragma once
// The text of the fatal error box: the error number and the system's description of it.

#include "Failure.h"

#include <string>
#include <string_view>

namespace vurozud {

// How the error number is shown: a system error code in decimal, a COM result as its signed
// decimal value followed by the hexadecimal code, for example "-2147467263 (80004001)".
std::string ErrorNumberText(FailureCodeKind kind, std::uint32_t code);

// "Run-time error '<number>':" and, after an empty line, the description. The system's message
// texts end in a line break, which is dropped; an empty description reads "Unknown error".
std::string FatalErrorText(FailureCodeKind kind, std::uint32_t code, std::string_view description);

} // namespace vurozud
