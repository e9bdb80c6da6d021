#pragma once
// The stand-in Active Desktop object. The three operations the launcher uses check their arguments
// as the shell does, honour ACTIVE_DESKTOP_FAIL and journal themselves; every other method journals
// "unexpected <Method>" and answers E_NOTIMPL, so a call the launcher should not make is seen.

#include <windows.h>
// The Active Desktop declarations in <shlobj.h> are only made when <wininet.h> came first.
#include <wininet.h>
#include <shlobj.h>

namespace vurozud::fakes {

class StandInActiveDesktop final : public IActiveDesktop {
public:
    StandInActiveDesktop();
    StandInActiveDesktop(const StandInActiveDesktop&) = delete;
    StandInActiveDesktop& operator=(const StandInActiveDesktop&) = delete;

    // IUnknown
    STDMETHODIMP QueryInterface(REFIID interfaceId, void** object) override;
    STDMETHODIMP_(ULONG) AddRef() override;
    STDMETHODIMP_(ULONG) Release() override;

    // IActiveDesktop, in the order of its table
    STDMETHODIMP ApplyChanges(DWORD flags) override;
    STDMETHODIMP GetWallpaper(PWSTR wallpaper, UINT capacity, DWORD flags) override;
    STDMETHODIMP SetWallpaper(PCWSTR wallpaper, DWORD reserved) override;
    STDMETHODIMP GetWallpaperOptions(LPWALLPAPEROPT options, DWORD reserved) override;
    STDMETHODIMP SetWallpaperOptions(LPCWALLPAPEROPT options, DWORD reserved) override;
    STDMETHODIMP GetPattern(PWSTR pattern, UINT capacity, DWORD reserved) override;
    STDMETHODIMP SetPattern(PCWSTR pattern, DWORD reserved) override;
    STDMETHODIMP GetDesktopItemOptions(LPCOMPONENTSOPT options, DWORD reserved) override;
    STDMETHODIMP SetDesktopItemOptions(LPCCOMPONENTSOPT options, DWORD reserved) override;
    STDMETHODIMP AddDesktopItem(LPCCOMPONENT component, DWORD reserved) override;
    STDMETHODIMP AddDesktopItemWithUI(HWND window, LPCOMPONENT component, DWORD reserved) override;
    STDMETHODIMP ModifyDesktopItem(LPCCOMPONENT component, DWORD flags) override;
    STDMETHODIMP RemoveDesktopItem(LPCCOMPONENT component, DWORD reserved) override;
    STDMETHODIMP GetDesktopItemCount(int* count, DWORD reserved) override;
    STDMETHODIMP GetDesktopItem(int index, LPCOMPONENT component, DWORD reserved) override;
    STDMETHODIMP GetDesktopItemByID(ULONG_PTR id, LPCOMPONENT component, DWORD reserved) override;
    STDMETHODIMP GenerateDesktopItemHtml(PCWSTR fileName, LPCOMPONENT component, DWORD reserved) override;
    STDMETHODIMP AddUrl(HWND window, PCWSTR source, LPCOMPONENT component, DWORD flags) override;
    STDMETHODIMP GetDesktopItemBySource(PCWSTR source, LPCOMPONENT component, DWORD reserved) override;

private:
    ~StandInActiveDesktop();

    LONG references_ = 1;
};

} // namespace vurozud::fakes
