#include "tests/synchost/host_notify.h"

#include "tests/synchost/host_files.h"

#include <cstdarg>
#include <cstring>

namespace lunea::synchost {

HostNotify::HostNotify(const HostOptions& options) : options_(options) {
    if (!options_.logFile.empty())
        log_ = std::fopen(options_.logFile.c_str(), "wb");
}

HostNotify::~HostNotify() {
    if (log_)
        std::fclose(log_);
}

HRESULT HostNotify::QueryInterface(REFIID id, void** object) {
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

ULONG HostNotify::AddRef() {
    return static_cast<ULONG>(InterlockedIncrement(&referenceCount_));
}

// The host owns the object; the count only tells whether the provider let go.
ULONG HostNotify::Release() {
    return static_cast<ULONG>(InterlockedDecrement(&referenceCount_));
}

HRESULT HostNotify::SetStatusText(LPCSTR) {
    Log("unexpected SetStatusText");
    return E_NOTIMPL;
}

HWND HostNotify::GetWindow(UINT) {
    Log("unexpected GetWindow");
    return nullptr;
}

HRESULT HostNotify::OnItemNotify(UINT, LPCSTR, LPCSTR, HREPLITEM, ULONG) {
    Log("unexpected OnItemNotify");
    return E_NOTIMPL;
}

HRESULT HostNotify::OnItemCompleted(REPLSETUP*) {
    Log("unexpected OnItemCompleted");
    return E_NOTIMPL;
}

HRESULT HostNotify::QueryDevice(UINT code, void** data) {
    if (code == options_.failingQueryCode) {
        Log("query %u refused", code);
        return E_FAIL;
    }
    if (code == QDC_CON_DEVICE_KEY && data)
        return OpenPartnership(reinterpret_cast<HKEY*>(data));
    if (code == QDC_SYNC_DATA && data) {
        // The request itself travels in the pointer argument.
        auto& request = *reinterpret_cast<SDREQUEST*>(data);
        return request.fSet ? TakeDeviceRecords(request) : HandDevicePacket(request);
    }
    Log("unexpected query %u", code);
    return E_INVALIDARG;
}

HRESULT HostNotify::OpenPartnership(HKEY* key) {
    const std::string path = PartnershipKeyPath(options_.partnerId);
    const LONG error = RegOpenKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, KEY_READ, key);
    Log("query 4 partnership %s", error == ERROR_SUCCESS ? "opened" : "missing");
    return error == ERROR_SUCCESS ? S_OK : HRESULT_FROM_WIN32(error);
}

HRESULT HostNotify::HandDevicePacket(SDREQUEST& request) {
    std::vector<std::uint8_t> packet;
    if (!ReadDevicePacket(options_.packetFile, packet)) {
        Log("query 5 receive: packet file unreadable");
        return E_FAIL;
    }
    // The provider frees the block with GlobalFree.
    HGLOBAL block = GlobalAlloc(GMEM_FIXED, packet.empty() ? 1 : packet.size());
    if (!block)
        return E_OUTOFMEMORY;
    std::memcpy(block, packet.data(), packet.size());
    request.lpbData = static_cast<BYTE*>(block);
    request.cbData = options_.claimedSize.value_or(static_cast<UINT>(packet.size()));
    Log("query 5 receive %u bytes", request.cbData);
    return S_OK;
}

HRESULT HostNotify::TakeDeviceRecords(const SDREQUEST& request) {
    Log("query 5 send %u bytes", request.cbData);
    if (options_.receivedFile.empty())
        return S_OK;
    return WriteWholeFile(options_.receivedFile, request.lpbData, request.cbData) ? S_OK : E_FAIL;
}

void HostNotify::Log(const char* format, ...) {
    if (!log_)
        return;
    va_list arguments;
    va_start(arguments, format);
    std::vfprintf(log_, format, arguments);
    va_end(arguments);
    std::fputc('\n', log_);
    std::fflush(log_);
}

} // namespace lunea::synchost
