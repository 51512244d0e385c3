#pragma once
// The host's callback object: answers the provider's device queries from the
// partnership key and from files, as the device would.
#include "provider/sync_host_abi_win.h"
#include "tests/synchost/host_options.h"

#include <cstdio>

namespace lunea::synchost {

class HostNotify final : public IReplNotify {
  public:
    explicit HostNotify(const HostOptions& options);
    ~HostNotify();
    HostNotify(const HostNotify&) = delete;
    HostNotify& operator=(const HostNotify&) = delete;

    // References the provider still holds besides the host's own.
    LONG ForeignReferences() const { return referenceCount_ - 1; }

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID id, void** object) override;
    ULONG STDMETHODCALLTYPE AddRef() override;
    ULONG STDMETHODCALLTYPE Release() override;
    HRESULT STDMETHODCALLTYPE SetStatusText(LPCSTR text) override;
    HWND STDMETHODCALLTYPE GetWindow(UINT flags) override;
    HRESULT STDMETHODCALLTYPE OnItemNotify(UINT code, LPCSTR progId, LPCSTR name, HREPLITEM item,
                                           ULONG flags) override;
    HRESULT STDMETHODCALLTYPE QueryDevice(UINT code, void** data) override;
    HRESULT STDMETHODCALLTYPE OnItemCompleted(REPLSETUP* setup) override;

  private:
    HRESULT OpenPartnership(HKEY* key);
    HRESULT HandDevicePacket(SDREQUEST& request);
    HRESULT TakeDeviceRecords(const SDREQUEST& request);
    void Log(const char* format, ...);

    const HostOptions& options_;
    volatile LONG referenceCount_ = 1; // the host's own
    std::FILE* log_ = nullptr;
};

} // namespace lunea::synchost
