#include "ActiveDesktop.h"

#include "Win32Error.h"

#include <windows.h>
// The Active Desktop declarations in <shlobj.h> are only made when <wininet.h> came first.
#include <wininet.h>
#include <shlobj.h>
#include <wrl/client.h>

#include <string>

namespace vurozud {
namespace {

// The three steps on the shell object, up to the first that fails.
MaybeFailure SetAndApply(IActiveDesktop& desktop, std::u16string_view path, std::int32_t style) {
    WALLPAPEROPT options{};
    options.dwSize = sizeof options;
    static_assert(sizeof options == 8, "the shell expects a record of two 32-bit fields");
    options.dwStyle = static_cast<DWORD>(style);
    if (MaybeFailure failure = HresultResult(desktop.SetWallpaperOptions(&options, 0), "SetWallpaperOptions"))
        return failure;

    // The shell needs a terminated text; wchar_t is UTF-16 on Windows, so the copy is unit for unit.
    const std::wstring wallpaper(path.begin(), path.end());
    if (MaybeFailure failure = HresultResult(desktop.SetWallpaper(wallpaper.c_str(), 0), "SetWallpaper"))
        return failure;

    return HresultResult(desktop.ApplyChanges(AD_APPLY_ALL), "ApplyChanges");
}

} // namespace

void ApplyActiveDesktopWallpaper(std::u16string_view path, std::int32_t style) {
    MaybeFailure failure;
    {
        Microsoft::WRL::ComPtr<IActiveDesktop> desktop;
        // IID_PPV_ARGS cannot be used: mingw-w64 gives IActiveDesktop no __uuidof.
        failure = HresultResult(CoCreateInstance(CLSID_ActiveDesktop, nullptr, CLSCTX_INPROC_SERVER,
                                                 IID_IActiveDesktop, reinterpret_cast<void**>(desktop.GetAddressOf())),
                                "CoCreateInstance");
        if (!failure)
            failure = SetAndApply(*desktop.Get(), path, style);
    }
    // The shell object is released before a failure ends the program, as after every call.
    if (failure)
        EndWithFatalError(*failure);
}

} // namespace vurozud
