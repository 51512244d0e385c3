#pragma once
// One whole exchange of the journal with the device, run inside ReportStatus.
#include "provider/merge_records.h"
#include "provider/sync_host_abi_win.h"

#include <cstdint>
#include <vector>

namespace lunea::provider {

// What one exchange holds in memory; empty between exchanges.
struct ExchangeBuffers {
    std::vector<std::uint8_t> desktopFile;
    std::vector<std::uint8_t> devicePacket;
    MergeResult merged;

    void Clear();
};

// Every failure ends the exchange silently: the data file is then unchanged
// and the device receives nothing. An exception (only possible before the
// file is written) goes on to the caller, with the buffers emptied.
void RunExchange(IReplNotify* notify, ExchangeBuffers& buffers);

} // namespace lunea::provider
