#include "ActiveDesktop.h"

#include "Win32Error.h"

#include <windows.h>
// The Active Desktop declarations in <shlobj.h> are only made when <wininet.h> came first.
#include <wininet.h>
#include <shlobj.h>
#include <wrl/client.h>

#include <string>

namespace vurozud {

void ApplyActiveDesktopWallpaper(std::u16string_view path, std::int32_t style) {
    Microsoft::WRL::ComPtr<IActiveDesktop> desktop;
    // IID_PPV_ARGS cannot be used: mingw-w64 gives IActiveDesktop no __uuidof.
    CheckHresult(CoCreateInstance(CLSID_ActiveDesktop, nullptr, CLSCTX_INPROC_SERVER, IID_IActiveDesktop,
                                  reinterpret_cast<void**>(desktop.GetAddressOf())),
                 "CoCreateInstance");

    WALLPAPEROPT options{};
    options.dwSize = sizeof options;
    static_assert(sizeof options == 8, "the shell expects a record of two 32-bit fields");
    options.dwStyle = static_cast<DWORD>(style);
    CheckHresult(desktop->SetWallpaperOptions(&options, 0), "SetWallpaperOptions");

    // The shell needs a terminated text; wchar_t is UTF-16 on Windows, so the copy is unit for unit.
    const std::wstring wallpaper(path.begin(), path.end());
    CheckHresult(desktop->SetWallpaper(wallpaper.c_str(), 0), "SetWallpaper");

    CheckHresult(desktop->ApplyChanges(AD_APPLY_ALL), "ApplyChanges");
}

} // namespace vurozud
