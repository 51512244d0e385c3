#pragma once
#include <objbase.h>
#include <windows.h>

namespace lunea::provider {

// Makes SyncStore objects; serves any class id.
class ProviderClassFactory final : public IClassFactory {
  public:
    ProviderClassFactory() = default;
    ProviderClassFactory(const ProviderClassFactory&) = delete;
    ProviderClassFactory& operator=(const ProviderClassFactory&) = delete;

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID id, void** object) override;
    ULONG STDMETHODCALLTYPE AddRef() override;
    ULONG STDMETHODCALLTYPE Release() override;
    HRESULT STDMETHODCALLTYPE CreateInstance(IUnknown* outer, REFIID id, void** object) override;
    HRESULT STDMETHODCALLTYPE LockServer(BOOL lock) override;
    virtual ~ProviderClassFactory() = default;

  private:
    volatile LONG referenceCount_ = 1;
};

} // namespace lunea::provider
