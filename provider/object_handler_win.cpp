#include "provider/object_handler_win.h"

#include "provider/module_state_win.h"

namespace lunea::provider {

HRESULT ObjectHandler::QueryInterface(REFIID id, void** object) {
    if (!object)
        return E_INVALIDARG;
    if (!IsEqualIID(id, IID_IUnknown)) {
        *object = nullptr;
        return E_NOINTERFACE;
    }
    *object = static_cast<IUnknown*>(this);
    AddRef();
    return S_OK;
}

ULONG ObjectHandler::AddRef() {
    return SharedAddRef(referenceCount_);
}

ULONG ObjectHandler::Release() {
    const LONG remaining = InterlockedDecrement(&referenceCount_);
    if (remaining == 0)
        delete this;
    return static_cast<ULONG>(remaining);
}

HRESULT ObjectHandler::Setup(REPLSETUP* setup) {
    return setup ? S_OK : E_INVALIDARG;
}

HRESULT ObjectHandler::Reset(REPLSETUP* setup) {
    return Setup(setup);
}

HRESULT ObjectHandler::GetPacket(BYTE** data, DWORD* size, DWORD) {
    if (!data || !size)
        return E_INVALIDARG;
    *data = nullptr;
    *size = 0;
    return RWRN_LAST_PACKET;
}

HRESULT ObjectHandler::SetPacket(BYTE* data, DWORD) {
    return data ? S_OK : E_INVALIDARG;
}

HRESULT ObjectHandler::DeleteObj(REPLSETUP* setup) {
    return setup ? S_FALSE : E_INVALIDARG;
}

} // namespace lunea::provider
