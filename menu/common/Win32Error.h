#pragma once
// Ends the program on a failed Win32 or COM call, with the call's name and its code.

#include "Failure.h"

#include <windows.h>

namespace vurozud {

// The failure of the call that has just failed, with its code from GetLastError.
Failure LastError(const char* operation);

[[noreturn]] inline void EndWithLastError(const char* operation) { EndWithFatalError(LastError(operation)); }

// For calls that report failure by a zero, null or FALSE result and say why in GetLastError.
template <typename Result> Result CheckWin32(Result result, const char* operation) {
    if (!result)
        EndWithLastError(operation);
    return result;
}

inline void CheckHresult(HRESULT result, const char* operation) {
    if (FAILED(result))
        EndWithFatalError(Failure::Hresult(static_cast<std::uint32_t>(result), operation));
}

} // namespace vurozud
