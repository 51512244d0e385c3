#pragma once
// The provider's three requests to the host's device query.
#include "common/unique_win.h"
#include "provider/sync_host_abi_win.h"

#include <cstdint>
#include <vector>

namespace lunea::provider {

// The connected device's partnership key; the provider closes it.
bool OpenPartnershipKey(IReplNotify& notify, win::UniqueRegKey& key);
// A copy of the device's packet, at most as long as the host's block; the
// block is freed.
bool ReceiveDevicePacket(IReplNotify& notify, std::vector<std::uint8_t>& packet);
// Hands the records to the device, also when there are none; the host's
// answer does not matter any more.
void SendDeviceRecords(IReplNotify& notify, std::vector<std::uint8_t>& records);

} // namespace lunea::provider
