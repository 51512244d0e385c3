#include "common/data_folder.h"

#include "common/desktop_contract.h"

#include <algorithm>

namespace lunea {

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

bool IsUnderAppData(const std::optional<std::string>& dataFolder) {
    return dataFolder && dataFolder->starts_with('\\');
}

std::string ResolveDataFolder(const std::optional<std::string>& dataFolder,
                              std::string_view appDataFolder) {
    if (!dataFolder)
        return std::string(kUnreadableFolder);
    std::string folder;
    if (IsUnderAppData(dataFolder)) {
        if (appDataFolder.ends_with('\\'))
            appDataFolder.remove_suffix(1);
        folder.append(appDataFolder);
    }
    folder.append(*dataFolder).push_back('\\');
    return folder;
}

std::string BuildDataFilePath(const std::optional<std::string>& dataFolder,
                              std::string_view appDataFolder) {
    return ResolveDataFolder(dataFolder, appDataFolder) + kDataFileName;
}

} // namespace lunea
