#include "provider/data_file_location_win.h"

#include "common/data_folder.h"

#include <shlobj.h>

#include <cstdint>
#include <optional>

namespace lunea::provider {
namespace {

// The value's bytes as the host stored them, whatever their type; a value
// longer than the buffer is unreadable.
std::optional<std::string> ReadDataFolder(HKEY partnership) {
    std::uint8_t buffer[kDataFolderBufferSize];
    DWORD size = sizeof buffer;
    if (RegQueryValueExA(partnership, "DataFolder", nullptr, nullptr, buffer, &size) !=
        ERROR_SUCCESS)
        return std::nullopt;
    return DataFolderFromValueBytes(std::span<const std::uint8_t>(buffer, size));
}

std::string AppDataFolder() {
    char folder[MAX_PATH] = {};
    if (FAILED(SHGetFolderPathA(nullptr, CSIDL_APPDATA, nullptr, SHGFP_TYPE_CURRENT, folder)))
        return {};
    return folder;
}

} // namespace

std::string DataFilePathOf(win::UniqueRegKey partnership) {
    const std::optional<std::string> dataFolder = ReadDataFolder(partnership.Get());
    partnership.Reset();
    return BuildDataFilePath(dataFolder,
                             IsUnderAppData(dataFolder) ? AppDataFolder() : std::string());
}

} // namespace lunea::provider
