#pragma once
// Failures on request: ACTIVE_DESKTOP_FAIL names one operation (SetWallpaperOptions, SetWallpaper,
// ApplyChanges or CreateInstance), optionally followed by "=0x<HRESULT>", and that operation fails.

#include <windows.h>

namespace vurozud::fakes {

// The result the named operation must give instead of doing its work: S_OK when it is not the one
// ACTIVE_DESKTOP_FAIL names, otherwise the code given there or defaultFailure.
HRESULT InjectedResult(const wchar_t* operation, HRESULT defaultFailure);

} // namespace vurozud::fakes
