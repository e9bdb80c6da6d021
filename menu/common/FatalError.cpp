// The one place where a failure ends the program: the fatal error box with the error number and the
// system's description, then the end of the process.

#include "ApplicationTitle.h"
#include "FatalErrorText.h"
#include "Failure.h"

#include <windows.h>

#include <string_view>

namespace vurozud {
namespace {

constexpr UINT kFatalErrorExitStatus = 1;

// The system's description of the code, written by the system into the given storage; empty where it has
// none. Nothing on the way to the box allocates, so an exhausted heap ends in its box like any other failure.
std::string_view SystemDescription(FailureCodeKind kind, std::uint32_t code,
                                   char (&storage)[FatalErrorText::kLongestDescription]) {
    // A COM result that wraps a system error code is described by that code's text.
    if (kind == FailureCodeKind::Hresult && HRESULT_FACILITY(code) == FACILITY_WIN32)
        code = HRESULT_CODE(code);
    const DWORD length = FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, code,
                                        0, storage, sizeof storage, nullptr);
    return {storage, length};
}

} // namespace

void EndWithFatalError(const Failure& failure) {
    char description[FatalErrorText::kLongestDescription];
    const FatalErrorText text(failure.Kind(), failure.Code(),
                              SystemDescription(failure.Kind(), failure.Code(), description));
    MessageBoxA(nullptr, text.View().data(), kApplicationTitle, MB_OK | MB_ICONERROR | MB_TASKMODAL);
    // One exit status for every fatal error: an error code's low byte can be zero, and some
    // parents see no more of the status than that byte.
    ExitProcess(kFatalErrorExitStatus);
}

} // namespace vurozud
