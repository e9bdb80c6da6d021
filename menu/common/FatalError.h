#pragma once
// The one place where an unhandled failure ends the program: the fatal error box with the error
// number and the system's description, then the end of the process.

#include <exception>
#include <utility>

namespace vurozud {

[[noreturn]] void ShowFatalErrorAndExit(std::exception_ptr failure);

// Runs an action; any failure that escapes it is reported and ends the program. Window procedures
// run every message through this, so no failure ever unwinds through the system's frames.
template <typename Action> decltype(auto) RunOrEndProgram(Action&& action) noexcept {
    try {
        return std::forward<Action>(action)();
    } catch (...) {
        ShowFatalErrorAndExit(std::current_exception());
    }
}

} // namespace vurozud
