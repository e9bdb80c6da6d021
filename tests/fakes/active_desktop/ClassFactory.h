#pragma once
// The class factory of the stand-in Active Desktop. One static instance serves every request; while
// it is referenced or locked the server stays loaded.

#include <windows.h>
// The lean Windows headers leave COM out.
#include <objbase.h>

namespace vurozud::fakes {

class ClassFactory final : public IClassFactory {
public:
    STDMETHODIMP QueryInterface(REFIID interfaceId, void** object) override;
    STDMETHODIMP_(ULONG) AddRef() override;
    STDMETHODIMP_(ULONG) Release() override;

    // Journals "create" for every request; ACTIVE_DESKTOP_FAIL=CreateInstance makes it fail.
    STDMETHODIMP CreateInstance(IUnknown* outer, REFIID interfaceId, void** object) override;
    STDMETHODIMP LockServer(BOOL lock) override;
};

ClassFactory& TheClassFactory();

} // namespace vurozud::fakes
