#pragma once
// Turns a failed Win32 or COM call into a Failure carrying the call's name and its code.

#include "Failure.h"

#include <windows.h>

namespace vurozud {

[[noreturn]] void ThrowLastError(const char* operation);

// For calls that report failure by a zero, null or FALSE result and say why in GetLastError.
template <typename Result> Result CheckWin32(Result result, const char* operation) {
    if (!result)
        ThrowLastError(operation);
    return result;
}

inline void CheckHresult(HRESULT result, const char* operation) {
    if (FAILED(result))
        throw Failure::Hresult(static_cast<std::uint32_t>(result), operation);
}

} // namespace vurozud
