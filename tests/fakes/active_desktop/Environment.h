#pragma once
// Reading the process environment the tests set before each call.

#include <optional>
#include <string>

namespace vurozud::fakes {

// The variable's value, or nothing when it is not set. Read afresh each time, because a test sets
// the variables in its own process after the server is loaded.
std::optional<std::wstring> ReadEnvironmentVariable(const wchar_t* name);

// UTF-8 form of a wide text, for the journal.
std::string ToUtf8(const std::wstring& text);

} // namespace vurozud::fakes
