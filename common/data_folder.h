#pragma once
// A partnership's data folder, from its "DataFolder" registry value: the one
// rule the desktop program and the sync provider both follow, so they always
// pick the same data file or neither does.
#include "common/registry_key.h"

#include <cstddef>
#include <functional>
#include <optional>
#include <string>

namespace lunea {

// The longest data file path the system's file calls take (MAX_PATH less
// its terminator).
inline constexpr std::size_t kMaxDataFilePathLength = 259;

// What makes a folder's value whole.
struct PathEnvironment {
    // The current user's application-data folder, for values starting with a
    // backslash; empty when the system does not know it.
    std::string appDataFolder;
    // A REG_EXPAND_SZ value with its %VARIABLE% references expanded; nothing
    // when the expansion fails.
    std::function<std::optional<std::string>(const std::string&)> expand;
};

// Why a value names no folder. Anything but Found leaves the partnership
// without a data file: the desktop lists no user for it and the provider
// exchanges nothing.
enum class DataFolderOutcome {
    Found,
    Missing,  // no value, or an empty one
    NotText,  // neither REG_SZ nor REG_EXPAND_SZ, or an expansion that failed
    Relative, // it would depend on the working directory
    TooLong,  // the data file's path would pass kMaxDataFilePathLength
};

struct DataFolder {
    DataFolderOutcome outcome = DataFolderOutcome::Missing;
    std::string folder; // ending in a backslash; only when Found
};

DataFolder ReadDataFolder(const RegistryKey& partnership, const PathEnvironment& environment);

// The data file in a folder ending in a backslash.
std::string DataFileIn(const std::string& folder);

} // namespace lunea
