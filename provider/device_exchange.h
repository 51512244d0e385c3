#pragma once
// The portable part of a device exchange: everything between reading the
// data file and writing it back. The Win32 side reads the file, receives the
// device's packet, writes the file and sends the outgoing block.
#include "provider/device_day_record.h"
#include "provider/device_packet.h"
#include "provider/merge_records.h"
#include "provider/record_conversion.h"

#include <cstdint>
#include <optional>
#include <span>

namespace lunea::provider {

// Checks the data file's length and parses the packet, then merges. Nothing
// when either check fails or memory runs out: the exchange then stops and
// writes nothing. The file's length is checked before the packet is asked
// for, so the Win32 side calls CountDesktopRecords on its own first.
std::optional<MergeResult> ExchangeJournal(std::span<const std::uint8_t> dataFileBytes,
                                           std::span<const std::uint8_t> devicePacketBytes);

} // namespace lunea::provider
