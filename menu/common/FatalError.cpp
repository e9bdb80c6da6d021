// The one place where a failure ends the program: the fatal error box with the error number and the
// system's description, then the end of the process.

#include "ApplicationTitle.h"
#include "FatalErrorText.h"
#include "Failure.h"

#include <windows.h>

#include <string>

namespace vurozud {
namespace {

constexpr UINT kFatalErrorExitStatus = 1;

std::string SystemDescription(FailureCodeKind kind, std::uint32_t code) {
    // A COM result that wraps a system error code is described by that code's text.
    if (kind == FailureCodeKind::Hresult && HRESULT_FACILITY(code) == FACILITY_WIN32)
        code = HRESULT_CODE(code);
    char* buffer = nullptr;
    const DWORD length =
        FormatMessageA(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                       nullptr, code, 0, reinterpret_cast<char*>(&buffer), 0, nullptr);
    std::string description(buffer ? buffer : "", length);
    LocalFree(buffer);
    return description;
}

} // namespace

void EndWithFatalError(const Failure& failure) {
    const std::string text =
        FatalErrorText(failure.Kind(), failure.Code(), SystemDescription(failure.Kind(), failure.Code()));
    MessageBoxA(nullptr, text.c_str(), kApplicationTitle, MB_OK | MB_ICONERROR | MB_TASKMODAL);
    // One exit status for every fatal error: an error code's low byte can be zero, and some
    // parents see no more of the status than that byte.
    ExitProcess(kFatalErrorExitStatus);
}

} // namespace vurozud
