#pragma once
// Reading the variables the tests set in the process environment before each call.

#include <optional>
#include <string>

namespace vurozud::fakes {

// The variable's value, or nothing when it is not set. Read afresh each time, because a test sets
// the variables in its own process after the server is loaded.
std::optional<std::wstring> ReadEnvironmentVariable(const wchar_t* name);

} // namespace vurozud::fakes
