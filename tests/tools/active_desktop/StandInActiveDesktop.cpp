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

#include <cstdio>
#include <string>

namespace {

std::wstring Variable(const wchar_t* name) {
    wchar_t value[1024] = L"";
    GetEnvironmentVariableW(name, value, 1024);
    return value;
}

HRESULT Journal(std::string line, HRESULT result = S_OK) {
    if (FAILED(result)) {
        char code[16];
        std::snprintf(code, sizeof code, " -> %08lX", static_cast<unsigned long>(result));
        line += code;
    }
    const std::wstring path = Variable(L"ACTIVE_DESKTOP_JOURNAL");
    if (FILE* file = path.empty() ? nullptr : _wfopen(path.c_str(), L"ab")) {
        std::fprintf(file, "%s\n", line.c_str());
        std::fclose(file);
    }
    return result;
}

HRESULT Injected(const wchar_t* operation, HRESULT failure = E_FAIL) {
    return Variable(L"ACTIVE_DESKTOP_FAIL") == operation ? failure : S_OK;
}

std::string Utf8(PCWSTR text) {
    char bytes[4 * MAX_PATH] = "";
    WideCharToMultiByte(CP_UTF8, 0, text, -1, bytes, sizeof bytes, nullptr, nullptr);
    return bytes;
}

#define UNEXPECTED(name, ...)                                                                                          \
    STDMETHODIMP name(__VA_ARGS__) override { return Journal("unexpected " #name, E_NOTIMPL); }

class StandInActiveDesktop final : public IActiveDesktop {
public:
    STDMETHODIMP QueryInterface(REFIID id, void** object) override {
        *object = IsEqualIID(id, IID_IUnknown) || IsEqualIID(id, IID_IActiveDesktop) ? this : nullptr;
        if (!*object)
            return E_NOINTERFACE;
        AddRef();
        return S_OK;
    }
    STDMETHODIMP_(ULONG) AddRef() override { return static_cast<ULONG>(InterlockedIncrement(&references_)); }
    STDMETHODIMP_(ULONG) Release() override {
        const LONG remaining = InterlockedDecrement(&references_);
        if (remaining == 0) {
            Journal("release");
            delete this;
        }
        return static_cast<ULONG>(remaining);
    }

    STDMETHODIMP ApplyChanges(DWORD flags) override {
        return Journal("apply " + std::to_string(flags), Injected(L"ApplyChanges"));
    }
    STDMETHODIMP SetWallpaper(PCWSTR wallpaper, DWORD reserved) override {
        return Journal("wallpaper \"" + Utf8(wallpaper) + "\"," + std::to_string(reserved), Injected(L"SetWallpaper"));
    }
    STDMETHODIMP SetWallpaperOptions(LPCWALLPAPEROPT options, DWORD reserved) override {
        return Journal("options " + std::to_string(options->dwSize) + "," + std::to_string(options->dwStyle) + "," +
                           std::to_string(reserved),
                       Injected(L"SetWallpaperOptions"));
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
    STDMETHODIMP CreateInstance(IUnknown* outer, REFIID id, void** object) override {
        *object = nullptr;
        if (outer)
            return Journal("create", CLASS_E_NOAGGREGATION);
        if (FAILED(Injected(L"CreateInstance")))
            return Journal("create", CLASS_E_CLASSNOTAVAILABLE);
        // Like the shell's, the object needs its caller in a single-threaded apartment.
        if (SUCCEEDED(CoInitializeEx(nullptr, COINIT_MULTITHREADED))) {
            CoUninitialize();
            return Journal("create", CO_E_NOTINITIALIZED);
        }
        auto* desktop = new StandInActiveDesktop;
        Journal("create");
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
