#pragma once
#include "provider/com_object_win.h"

#include <objbase.h>
#include <windows.h>

namespace lunea::provider {

// Makes SyncStore objects; serves any class id.
class ProviderClassFactory final : public ComObject<IClassFactory, &IID_IClassFactory> {
  public:
    HRESULT STDMETHODCALLTYPE CreateInstance(IUnknown* outer, REFIID id, void** object) override;
    HRESULT STDMETHODCALLTYPE LockServer(BOOL lock) override;
};

} // namespace lunea::provider
