#pragma once
// The host never sees an item, so the handler never moves a packet: every
// call gets a fixed answer.
#include "provider/sync_host_abi_win.h"

namespace lunea::provider {

class ObjectHandler final : public IReplObjHandler {
  public:
    ObjectHandler() = default;
    virtual ~ObjectHandler() = default;
    ObjectHandler(const ObjectHandler&) = delete;
    ObjectHandler& operator=(const ObjectHandler&) = delete;

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID id, void** object) override;
    ULONG STDMETHODCALLTYPE AddRef() override;
    ULONG STDMETHODCALLTYPE Release() override;
    HRESULT STDMETHODCALLTYPE Setup(REPLSETUP* setup) override;
    HRESULT STDMETHODCALLTYPE Reset(REPLSETUP* setup) override;
    HRESULT STDMETHODCALLTYPE GetPacket(BYTE** data, DWORD* size, DWORD recommendedSize) override;
    HRESULT STDMETHODCALLTYPE SetPacket(BYTE* data, DWORD size) override;
    HRESULT STDMETHODCALLTYPE DeleteObj(REPLSETUP* setup) override;

  private:
    volatile LONG referenceCount_ = 1;
};

} // namespace lunea::provider
