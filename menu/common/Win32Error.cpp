#include "Win32Error.h"

namespace vurozud {

void ThrowLastError(const char* operation) {
    const DWORD code = GetLastError();
    // A call that failed without saying why still failed.
    throw Failure::Win32(code != ERROR_SUCCESS ? code : ERROR_GEN_FAILURE, operation);
}

} // namespace vurozud
