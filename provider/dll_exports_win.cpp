#include <objbase.h>
#include <windows.h>

// The four entry points of the in-process server; undecorated through the
// .def file.
extern "C" {

STDAPI DllCanUnloadNow() { return S_OK; }

STDAPI DllGetClassObject(REFCLSID, REFIID, LPVOID* object) {
    if (!object)
        return E_INVALIDARG;
    *object = nullptr;
    return CLASS_E_CLASSNOTAVAILABLE;
}

STDAPI DllRegisterServer() { return E_NOTIMPL; }

STDAPI DllUnregisterServer() { return E_NOTIMPL; }
}
