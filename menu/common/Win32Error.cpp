#include "Win32Error.h"

namespace vurozud {

Failure LastError(const char* operation) {
    const DWORD code = GetLastError();
    // A call that failed without saying why still failed.
    return Failure::Win32(code != ERROR_SUCCESS ? code : ERROR_GEN_FAILURE, operation);
}

} // namespace vurozud
