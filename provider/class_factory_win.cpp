#include "provider/class_factory_win.h"

#include "provider/module_state_win.h"
#include "provider/sync_store_win.h"

#include <new>

namespace lunea::provider {

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
