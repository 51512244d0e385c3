#pragma once
// The host never sees an item, so the handler never moves a packet: every
// call gets a fixed answer.
#include "provider/com_object_win.h"
#include "provider/sync_host_abi_win.h"

namespace lunea::provider {

class ObjectHandler final : public ComObject<IReplObjHandler, nullptr> {
  public:
    HRESULT STDMETHODCALLTYPE Setup(REPLSETUP* setup) override;
    HRESULT STDMETHODCALLTYPE Reset(REPLSETUP* setup) override;
    HRESULT STDMETHODCALLTYPE GetPacket(BYTE** data, DWORD* size, DWORD recommendedSize) override;
    HRESULT STDMETHODCALLTYPE SetPacket(BYTE* data, DWORD size) override;
    HRESULT STDMETHODCALLTYPE DeleteObj(REPLSETUP* setup) override;
};

} // namespace lunea::provider
