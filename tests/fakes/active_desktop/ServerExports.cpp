// The two entry points COM looks for in an in-process server. Registration is the test set-up's
// business, so there is no DllRegisterServer.

#include "ClassFactory.h"
#include "ServerLock.h"

#include <windows.h>
#include <wininet.h>
#include <shlobj.h>

STDAPI DllGetClassObject(REFCLSID classId, REFIID interfaceId, LPVOID* object) {
    if (!object)
        return E_POINTER;
    *object = nullptr;
    if (!IsEqualCLSID(classId, CLSID_ActiveDesktop))
        return CLASS_E_CLASSNOTAVAILABLE;
    return vurozud::fakes::TheClassFactory().QueryInterface(interfaceId, object);
}

STDAPI DllCanUnloadNow() {
    return vurozud::fakes::ServerInUse() ? S_FALSE : S_OK;
}
