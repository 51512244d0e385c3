#include "provider/device_link_win.h"

#include "provider/provider_names_win.h"

#include <algorithm>
#include <cstring>

namespace lunea::provider {
namespace {

SDREQUEST MakeRequest(BOOL toDevice) {
    SDREQUEST request = {};
    std::strncpy(request.szObjType, kObjectTypeName, sizeof request.szObjType - 1);
    request.fSet = toDevice;
    request.uCode = 1;
    return request;
}

// Frees the host's block on every path.
struct GlobalBlock {
    HGLOBAL block;
    ~GlobalBlock() {
        if (block)
            GlobalFree(block);
    }
};

} // namespace

bool OpenPartnershipKey(IReplNotify& notify, win::UniqueRegKey& key) {
    return SUCCEEDED(notify.QueryDevice(QDC_CON_DEVICE_KEY, reinterpret_cast<void**>(key.Put())));
}

bool ReceiveDevicePacket(IReplNotify& notify, std::vector<std::uint8_t>& packet) {
    SDREQUEST request = MakeRequest(FALSE);
    if (FAILED(notify.QueryDevice(QDC_SYNC_DATA, reinterpret_cast<void**>(&request))))
        return false;
    if (!request.lpbData)
        return false;
    const GlobalBlock hostBlock{request.lpbData};
    // The length field is the host's word; the block's own size is the
    // system's. A longer claim must not be read past the block's end.
    const SIZE_T held = GlobalSize(request.lpbData);
    packet.assign(request.lpbData, request.lpbData + std::min<SIZE_T>(request.cbData, held));
    return true;
}

void SendDeviceRecords(IReplNotify& notify, std::vector<std::uint8_t>& records) {
    SDREQUEST request = MakeRequest(TRUE);
    request.lpbData = records.data();
    request.cbData = static_cast<UINT>(records.size());
    notify.QueryDevice(QDC_SYNC_DATA, reinterpret_cast<void**>(&request));
}

} // namespace lunea::provider
