#include "provider/object_handler_win.h"

#include "provider/module_state_win.h"

namespace lunea::provider {

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
