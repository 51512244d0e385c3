#pragma once
// The merge of the device's day records with the data file's records.
#include "provider/device_day_record.h"

#include <cstdint>
#include <span>
#include <vector>

namespace lunea::provider {

struct MergeResult {
    std::vector<std::uint8_t> newFile;  // whole 152-byte records, every Flag 0
    std::vector<std::uint8_t> outgoing; // whole 144-byte records for the device
};

// desktopRecords: whole 152-byte records in file order; deviceRecords: whole
// 144-byte records in device order (shorter tails are ignored). Throws
// std::bad_alloc when memory runs out, its only failure.
MergeResult MergeRecords(std::span<const std::uint8_t> desktopRecords,
                         std::span<const std::uint8_t> deviceRecords);

} // namespace lunea::provider
