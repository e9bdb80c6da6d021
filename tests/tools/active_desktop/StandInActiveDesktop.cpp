// A stand-in for the shell's Active Desktop object (Wine's own answers "not implemented"): an in-process COM
// server that writes every call it receives as a line to the file named in ACTIVE_DESKTOP_JOURNAL, and fails
// the one named in ACTIVE_DESKTOP_FAIL (CreateInstance, SetWallpaperOptions, SetWallpaper or ApplyChanges).
// Both variables are read afresh at each call, because a test sets them after the server is loaded.
//
//   create | options SIZE,STYLE,RESERVED | wallpaper "PATH",RESERVED | apply FLAGS | release
//   a failed call ends in " -> HRESULT"; a method the launcher must not use journals "unexpected NAME"

#include <windows.h>
// The Active Desktop declarations in <shlobj.h> are only made when <wininet.h> came first.
#include <wininet.h>
#include <shlobj.h>

#include <cstdarg>
#include <cstdio>
#include <string>

namespace {

std::string Variable(const char* name) {
    char value[1024] = "";
    GetEnvironmentVariableA(name, value, sizeof value);
    return value;
}

// Journals the call, printf-style, and gives back its result.
HRESULT Journal(HRESULT result, const char* format, ...) {
    std::FILE* file = std::fopen(Variable("ACTIVE_DESKTOP_JOURNAL").c_str(), "ab");
    if (file == nullptr)
        return result;
    va_list arguments;
    va_start(arguments, format);
    std::vfprintf(file, format, arguments);
    va_end(arguments);
    if (FAILED(result))
        std::fprintf(file, " -> %08lX", static_cast<unsigned long>(result));
    std::fputc('\n', file);
    std::fclose(file);
    return result;
}

HRESULT Injected(const char* operation) { return Variable("ACTIVE_DESKTOP_FAIL") == operation ? E_FAIL : S_OK; }

#define UNEXPECTED(name, ...)                                                                                          \
    STDMETHODIMP name(__VA_ARGS__) override { return Journal(E_NOTIMPL, "unexpected " #name); }

class StandInActiveDesktop final : public IActiveDesktop {
public:
    STDMETHODIMP QueryInterface(REFIID id, void** object) override {
        *object = IsEqualIID(id, IID_IUnknown) || IsEqualIID(id, IID_IActiveDesktop) ? this : nullptr;
        if (*object == nullptr)
            return E_NOINTERFACE;
        AddRef();
        return S_OK;
    }
    STDMETHODIMP_(ULONG) AddRef() override { return static_cast<ULONG>(InterlockedIncrement(&references_)); }
    STDMETHODIMP_(ULONG) Release() override {
        const LONG remaining = InterlockedDecrement(&references_);
        if (remaining == 0) {
            Journal(S_OK, "release");
            delete this;
        }
        return static_cast<ULONG>(remaining);
    }

    STDMETHODIMP ApplyChanges(DWORD flags) override { return Journal(Injected("ApplyChanges"), "apply %lu", flags); }
    STDMETHODIMP SetWallpaper(PCWSTR wallpaper, DWORD reserved) override {
        return Journal(Injected("SetWallpaper"), "wallpaper \"%ls\",%lu", wallpaper, reserved);
    }
    STDMETHODIMP SetWallpaperOptions(LPCWALLPAPEROPT options, DWORD reserved) override {
        return Journal(Injected("SetWallpaperOptions"), "options %lu,%lu,%lu", options->dwSize, options->dwStyle,
                       reserved);
    }
    UNEXPECTED(GetWallpaper, PWSTR, UINT, DWORD)
    UNEXPECTED(GetWallpaperOptions, LPWALLPAPEROPT, DWORD)
    UNEXPECTED(GetPattern, PWSTR, UINT, DWORD)
    UNEXPECTED(SetPattern, PCWSTR, DWORD)
    UNEXPECTED(GetDesktopItemOptions, LPCOMPONENTSOPT, DWORD)
    UNEXPECTED(SetDesktopItemOptions, LPCCOMPONENTSOPT, DWORD)
    UNEXPECTED(AddDesktopItem, LPCCOMPONENT, DWORD)
    UNEXPECTED(AddDesktopItemWithUI, HWND, LPCOMPONENT, DWORD)
    UNEXPECTED(ModifyDesktopItem, LPCCOMPONENT, DWORD)
    UNEXPECTED(RemoveDesktopItem, LPCCOMPONENT, DWORD)
    UNEXPECTED(GetDesktopItemCount, int*, DWORD)
    UNEXPECTED(GetDesktopItem, int, LPCOMPONENT, DWORD)
    UNEXPECTED(GetDesktopItemByID, ULONG_PTR, LPCOMPONENT, DWORD)
    UNEXPECTED(GenerateDesktopItemHtml, PCWSTR, LPCOMPONENT, DWORD)
    UNEXPECTED(AddUrl, HWND, PCWSTR, LPCOMPONENT, DWORD)
    UNEXPECTED(GetDesktopItemBySource, PCWSTR, LPCOMPONENT, DWORD)

private:
    LONG references_ = 1;
};

// One static factory serves every request; the server stays loaded for the process's life.
class ClassFactory final : public IClassFactory {
public:
    STDMETHODIMP QueryInterface(REFIID id, void** object) override {
        *object = IsEqualIID(id, IID_IUnknown) || IsEqualIID(id, IID_IClassFactory) ? this : nullptr;
        return *object ? S_OK : E_NOINTERFACE;
    }
    STDMETHODIMP_(ULONG) AddRef() override { return 2; }
    STDMETHODIMP_(ULONG) Release() override { return 1; }
    STDMETHODIMP LockServer(BOOL) override { return S_OK; }
    STDMETHODIMP CreateInstance(IUnknown*, REFIID id, void** object) override {
        *object = nullptr;
        if (FAILED(Injected("CreateInstance")))
            return Journal(CLASS_E_CLASSNOTAVAILABLE, "create");
        // Like the shell's, the object needs its caller in a single-threaded apartment.
        if (SUCCEEDED(CoInitializeEx(nullptr, COINIT_MULTITHREADED))) {
            CoUninitialize();
            return Journal(CO_E_NOTINITIALIZED, "create");
        }
        auto* desktop = new StandInActiveDesktop;
        Journal(S_OK, "create");
        const HRESULT result = desktop->QueryInterface(id, object);
        desktop->Release();
        return result;
    }
};

} // namespace

STDAPI DllGetClassObject(REFCLSID classId, REFIID id, LPVOID* object) {
    static ClassFactory factory;
    *object = nullptr;
    return IsEqualCLSID(classId, CLSID_ActiveDesktop) ? factory.QueryInterface(id, object) : CLASS_E_CLASSNOTAVAILABLE;
}

STDAPI DllCanUnloadNow() { return S_FALSE; }
