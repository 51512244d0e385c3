#include "provider/class_factory_win.h"
#include "provider/module_state_win.h"
#include "provider/registration_win.h"

#include <new>

using lunea::provider::Module;

// The four entry points of the in-process server; undecorated through the
// .def file.
extern "C" {

BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID) {
    if (reason == DLL_PROCESS_ATTACH) {
        Module().instance = instance;
        DisableThreadLibraryCalls(instance);
    }
    return TRUE;
}

STDAPI DllCanUnloadNow() {
    const LONG holders = Module().lockCount + Module().liveStoreCount;
    return holders != 0 ? S_FALSE : S_OK;
}

STDAPI DllGetClassObject(REFCLSID, REFIID id, LPVOID* object) {
    auto* factory = new (std::nothrow) lunea::provider::ProviderClassFactory();
    if (!factory) {
        if (object)
            *object = nullptr;
        return E_OUTOFMEMORY;
    }
    const HRESULT result = factory->QueryInterface(id, object);
    factory->Release();
    return result;
}

STDAPI DllRegisterServer() {
    return lunea::provider::RegisterServer();
}

STDAPI DllUnregisterServer() {
    return lunea::provider::UnregisterServer();
}
}
