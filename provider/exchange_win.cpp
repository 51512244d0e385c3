#include "provider/exchange_win.h"

#include "provider/data_file_location_win.h"
#include "provider/desktop_file_win.h"
#include "provider/desktop_window_win.h"
#include "provider/device_exchange.h"
#include "provider/device_link_win.h"

#include <optional>
#include <string>
#include <utility>

namespace lunea::provider {
namespace {

void Exchange(IReplNotify& notify, ExchangeBuffers& buffers) {
    win::UniqueRegKey partnership;
    if (!OpenPartnershipKey(notify, partnership))
        return;
    const std::optional<std::string> path = DataFilePathOf(std::move(partnership));
    if (!path)
        return;

    // The desktop program saves first, so a day edited there reaches the device.
    NotifyDesktopSave();
    if (!ReadDesktopFile(*path, buffers.desktopFile))
        return;
    if (!CountDesktopRecords(buffers.desktopFile.size()))
        return;
    if (!ReceiveDevicePacket(notify, buffers.devicePacket))
        return;
    std::optional<MergeResult> merged = ExchangeJournal(buffers.desktopFile, buffers.devicePacket);
    if (!merged)
        return;
    buffers.merged = std::move(*merged);
    if (!ReplaceDesktopFile(*path, buffers.merged.newFile))
        return;
    NotifyDesktopReload();
    SendDeviceRecords(notify, buffers.merged.outgoing);
}

} // namespace

void ExchangeBuffers::Clear() {
    // Swapping with empty vectors gives the memory back, not just the size.
    ExchangeBuffers empty;
    std::swap(*this, empty);
}

void RunExchange(IReplNotify* notify, ExchangeBuffers& buffers) {
    buffers.Clear();
    // Emptied however the exchange ends, an exception included.
    const struct Emptied {
        ExchangeBuffers& buffers;
        ~Emptied() { buffers.Clear(); }
    } emptied{buffers};
    if (notify)
        Exchange(*notify, buffers);
}

} // namespace lunea::provider
