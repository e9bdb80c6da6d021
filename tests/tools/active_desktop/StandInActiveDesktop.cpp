#include "StandInActiveDesktop.h"

#include "FaultInjection.h"
#include "Journal.h"
#include "ServerLock.h"

#include <string>

namespace vurozud::fakes {

namespace {

std::string Decimal(unsigned long value) {
    return std::to_string(value);
}

HRESULT Unexpected(const char* method) {
    JournalLine(std::string("unexpected ") + method);
    return E_NOTIMPL;
}

} // namespace

StandInActiveDesktop::StandInActiveDesktop() {
    LockServer();
}

StandInActiveDesktop::~StandInActiveDesktop() {
    UnlockServer();
}

STDMETHODIMP StandInActiveDesktop::QueryInterface(REFIID interfaceId, void** object) {
    if (!object)
        return E_POINTER;
    if (IsEqualIID(interfaceId, IID_IUnknown) || IsEqualIID(interfaceId, IID_IActiveDesktop)) {
        *object = static_cast<IActiveDesktop*>(this);
        AddRef();
        return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
}

STDMETHODIMP_(ULONG) StandInActiveDesktop::AddRef() {
    return static_cast<ULONG>(InterlockedIncrement(&references_));
}

STDMETHODIMP_(ULONG) StandInActiveDesktop::Release() {
    const LONG remaining = InterlockedDecrement(&references_);
    if (remaining == 0) {
        JournalLine("release");
        delete this;
    }
    return static_cast<ULONG>(remaining);
}

STDMETHODIMP StandInActiveDesktop::ApplyChanges(DWORD flags) {
    const std::string line = "apply " + Decimal(flags);
    constexpr DWORD knownFlags = AD_APPLY_ALL | AD_APPLY_FORCE | AD_APPLY_BUFFERED_REFRESH | AD_APPLY_DYNAMICREFRESH;
    if ((flags & ~knownFlags) != 0)
        return JournalResult(line, E_INVALIDARG);
    return JournalResult(line, InjectedResult(L"ApplyChanges", E_FAIL));
}

STDMETHODIMP StandInActiveDesktop::SetWallpaper(PCWSTR wallpaper, DWORD reserved) {
    if (!wallpaper)
        return JournalResult("wallpaper (null)," + Decimal(reserved), E_INVALIDARG);
    const std::string line = "wallpaper \"" + ToUtf8(wallpaper) + "\"," + Decimal(reserved);
    return JournalResult(line, InjectedResult(L"SetWallpaper", E_FAIL));
}

STDMETHODIMP StandInActiveDesktop::SetWallpaperOptions(LPCWALLPAPEROPT options, DWORD reserved) {
    if (!options)
        return JournalResult("options (null)," + Decimal(reserved), E_INVALIDARG);
    const std::string line =
        "options " + Decimal(options->dwSize) + "," + Decimal(options->dwStyle) + "," + Decimal(reserved);
    // The shell accepts only a record of its own size and the three styles it knows.
    if (options->dwSize != sizeof(WALLPAPEROPT) || options->dwStyle > WPSTYLE_STRETCH)
        return JournalResult(line, E_INVALIDARG);
    return JournalResult(line, InjectedResult(L"SetWallpaperOptions", E_FAIL));
}

STDMETHODIMP StandInActiveDesktop::GetWallpaper(PWSTR, UINT, DWORD) {
    return Unexpected("GetWallpaper");
}

STDMETHODIMP StandInActiveDesktop::GetWallpaperOptions(LPWALLPAPEROPT, DWORD) {
    return Unexpected("GetWallpaperOptions");
}

STDMETHODIMP StandInActiveDesktop::GetPattern(PWSTR, UINT, DWORD) {
    return Unexpected("GetPattern");
}

STDMETHODIMP StandInActiveDesktop::SetPattern(PCWSTR, DWORD) {
    return Unexpected("SetPattern");
}

STDMETHODIMP StandInActiveDesktop::GetDesktopItemOptions(LPCOMPONENTSOPT, DWORD) {
    return Unexpected("GetDesktopItemOptions");
}

STDMETHODIMP StandInActiveDesktop::SetDesktopItemOptions(LPCCOMPONENTSOPT, DWORD) {
    return Unexpected("SetDesktopItemOptions");
}

STDMETHODIMP StandInActiveDesktop::AddDesktopItem(LPCCOMPONENT, DWORD) {
    return Unexpected("AddDesktopItem");
}

STDMETHODIMP StandInActiveDesktop::AddDesktopItemWithUI(HWND, LPCOMPONENT, DWORD) {
    return Unexpected("AddDesktopItemWithUI");
}

STDMETHODIMP StandInActiveDesktop::ModifyDesktopItem(LPCCOMPONENT, DWORD) {
    return Unexpected("ModifyDesktopItem");
}

STDMETHODIMP StandInActiveDesktop::RemoveDesktopItem(LPCCOMPONENT, DWORD) {
    return Unexpected("RemoveDesktopItem");
}

STDMETHODIMP StandInActiveDesktop::GetDesktopItemCount(int*, DWORD) {
    return Unexpected("GetDesktopItemCount");
}

STDMETHODIMP StandInActiveDesktop::GetDesktopItem(int, LPCOMPONENT, DWORD) {
    return Unexpected("GetDesktopItem");
}

STDMETHODIMP StandInActiveDesktop::GetDesktopItemByID(ULONG_PTR, LPCOMPONENT, DWORD) {
    return Unexpected("GetDesktopItemByID");
}

STDMETHODIMP StandInActiveDesktop::GenerateDesktopItemHtml(PCWSTR, LPCOMPONENT, DWORD) {
    return Unexpected("GenerateDesktopItemHtml");
}

STDMETHODIMP StandInActiveDesktop::AddUrl(HWND, PCWSTR, LPCOMPONENT, DWORD) {
    return Unexpected("AddUrl");
}

STDMETHODIMP StandInActiveDesktop::GetDesktopItemBySource(PCWSTR, LPCOMPONENT, DWORD) {
    return Unexpected("GetDesktopItemBySource");
}

} // namespace vurozud::fakes
