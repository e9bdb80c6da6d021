#pragma once
// Failed Win32 and COM calls as failures with the call's name and its code: handed back to callers that clean up
// first, or ending the program at once.

#include "Failure.h"

#include <windows.h>

namespace vurozud {

// The failure of the call that has just failed, with its code from GetLastError.
Failure LastError(const char* operation);

// Nothing when the call succeeded; otherwise its failure, from GetLastError.
inline MaybeFailure Win32Result(bool succeeded, const char* operation) {
    if (succeeded)
        return std::nullopt;
    return LastError(operation);
}

// Nothing when the COM call succeeded; otherwise its failure, with the result code.
inline MaybeFailure HresultResult(HRESULT result, const char* operation) {
    if (SUCCEEDED(result))
        return std::nullopt;
    return Failure::Hresult(static_cast<std::uint32_t>(result), operation);
}

[[noreturn]] inline void EndWithLastError(const char* operation) { EndWithFatalError(LastError(operation)); }

// For calls that report failure by a zero, null or FALSE result and say why in GetLastError.
template <typename Result> Result CheckWin32(Result result, const char* operation) {
    if (!result)
        EndWithLastError(operation);
    return result;
}

inline void CheckHresult(HRESULT result, const char* operation) {
    if (const MaybeFailure failure = HresultResult(result, operation))
        EndWithFatalError(*failure);
}

} // namespace vurozud
