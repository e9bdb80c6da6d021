#include "FaultInjection.h"

#include "Environment.h"

#include <cwchar>
#include <string_view>

namespace vurozud::fakes {

HRESULT InjectedResult(const wchar_t* operation, HRESULT defaultFailure) {
    const auto setting = ReadEnvironmentVariable(L"ACTIVE_DESKTOP_FAIL");
    if (!setting)
        return S_OK;
    const std::wstring_view text(*setting);
    const auto equals = text.find(L'=');
    if (text.substr(0, equals) != operation)
        return S_OK;
    if (equals == std::wstring_view::npos)
        return defaultFailure;

    const std::wstring code(text.substr(equals + 1));
    wchar_t* end = nullptr;
    const unsigned long value = std::wcstoul(code.c_str(), &end, 16); // accepts the 0x prefix
    // A code that does not read as a number is a mistake in the test; still fail, visibly.
    if (code.empty() || *end != L'\0')
        return E_UNEXPECTED;
    return static_cast<HRESULT>(value);
}

} // namespace vurozud::fakes
