#include "provider/data_file_path.h"

#include "common/desktop_contract.h"

#include <algorithm>

namespace lunea::provider {

namespace {

constexpr std::string_view kUnreadableFolder = "C:\\";

} // namespace

std::optional<std::string> DataFolderFromValueBytes(std::span<const std::uint8_t> valueBytes) {
    if (valueBytes.size() > kDataFolderBufferSize)
        return std::nullopt;
    // A value that fills the buffer without a NUL (a string stored without
    // one, or another type) loses its last byte to the terminator.
    const auto usable = valueBytes.first(std::min(valueBytes.size(), kDataFolderBufferSize - 1));
    const auto end = std::find(usable.begin(), usable.end(), std::uint8_t{0});
    return std::string(usable.begin(), end);
}

std::string BuildDataFilePath(const std::optional<std::string>& dataFolder,
                              std::string_view appDataFolder) {
    std::string path;
    if (!dataFolder) {
        path = kUnreadableFolder;
    } else if (dataFolder->starts_with('\\')) {
        if (appDataFolder.ends_with('\\'))
            appDataFolder.remove_suffix(1);
        path.append(appDataFolder).append(*dataFolder).push_back('\\');
    } else {
        path.append(*dataFolder).push_back('\\');
    }
    path.append(kDataFileName);
    return path;
}

} // namespace lunea::provider
