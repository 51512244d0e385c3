#include "provider/class_factory_win.h"

#include "provider/module_state_win.h"
#include "provider/sync_store_win.h"

#include <new>

namespace lunea::provider {

HRESULT ProviderClassFactory::QueryInterface(REFIID id, void** object) {
    if (!object)
        return E_INVALIDARG;
    if (!IsEqualIID(id, IID_IUnknown) && !IsEqualIID(id, IID_IClassFactory)) {
        *object = nullptr;
        return E_NOINTERFACE;
    }
    *object = static_cast<IClassFactory*>(this);
    AddRef();
    return S_OK;
}

ULONG ProviderClassFactory::AddRef() {
    return SharedAddRef(referenceCount_);
}

ULONG ProviderClassFactory::Release() {
    const LONG remaining = InterlockedDecrement(&referenceCount_);
    if (remaining == 0)
        delete this;
    return static_cast<ULONG>(remaining);
}

HRESULT ProviderClassFactory::CreateInstance(IUnknown* outer, REFIID id, void** object) {
    if (!object)
        return E_INVALIDARG;
    *object = nullptr;
    if (outer)
        return CLASS_E_NOAGGREGATION;
    auto* store = new (std::nothrow) SyncStore();
    if (!store)
        return E_OUTOFMEMORY;
    // A refused interface leaves the creation reference alone and ends the store.
    const HRESULT result = store->QueryInterface(id, object);
    store->Release();
    return result;
}

HRESULT ProviderClassFactory::LockServer(BOOL lock) {
    if (lock)
        InterlockedIncrement(&Module().lockCount);
    else
        InterlockedDecrement(&Module().lockCount);
    return S_OK;
}

} // namespace lunea::provider
