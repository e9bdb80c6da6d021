#include "ClassFactory.h"

#include "FaultInjection.h"
#include "Journal.h"
#include "ServerLock.h"
#include "StandInActiveDesktop.h"

#include <new>

namespace vurozud::fakes {

STDMETHODIMP ClassFactory::QueryInterface(REFIID interfaceId, void** object) {
    if (!object)
        return E_POINTER;
    if (IsEqualIID(interfaceId, IID_IUnknown) || IsEqualIID(interfaceId, IID_IClassFactory)) {
        *object = static_cast<IClassFactory*>(this);
        AddRef();
        return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
}

// The factory is static: its references only keep the server loaded.
STDMETHODIMP_(ULONG) ClassFactory::AddRef() {
    vurozud::fakes::LockServer();
    return 2;
}

STDMETHODIMP_(ULONG) ClassFactory::Release() {
    UnlockServer();
    return 1;
}

STDMETHODIMP ClassFactory::CreateInstance(IUnknown* outer, REFIID interfaceId, void** object) {
    if (!object)
        return E_POINTER;
    *object = nullptr;
    if (outer)
        return JournalResult("create", CLASS_E_NOAGGREGATION);
    const HRESULT injected = InjectedResult(L"CreateInstance", CLASS_E_CLASSNOTAVAILABLE);
    if (FAILED(injected))
        return JournalResult("create", injected);
    auto* desktop = new (std::nothrow) StandInActiveDesktop;
    if (!desktop)
        return JournalResult("create", E_OUTOFMEMORY);
    JournalLine("create");
    // The new object's own reference goes once the caller holds one; a refused interface releases it.
    const HRESULT result = desktop->QueryInterface(interfaceId, object);
    desktop->Release();
    return result;
}

STDMETHODIMP ClassFactory::LockServer(BOOL lock) {
    if (lock)
        vurozud::fakes::LockServer();
    else
        UnlockServer();
    return S_OK;
}

ClassFactory& TheClassFactory() {
    static ClassFactory factory;
    return factory;
}

} // namespace vurozud::fakes
