#pragma once
// A partnership's data folder, from its "DataFolder" registry value, and the
// data file in it.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace lunea {

// The buffer the "DataFolder" value is read into.
inline constexpr std::size_t kDataFolderBufferSize = 520;

// The value as a string, from the bytes a registry read of at most
// kDataFolderBufferSize bytes returned, whatever the value's type: the
// characters before the first NUL, never more than the buffer holds with its
// terminating NUL. Nothing (unreadable) when more bytes than the buffer
// holds are passed.
std::optional<std::string> DataFolderFromValueBytes(std::span<const std::uint8_t> valueBytes);

// A value starting with a backslash names a folder under the current user's
// application-data folder; only then is that folder needed.
bool IsUnderAppData(const std::optional<std::string>& dataFolder);

// The folder, ending in a backslash. dataFolder empty: the value was
// unreadable. appDataFolder: the current user's application-data folder,
// used only when IsUnderAppData.
std::string ResolveDataFolder(const std::optional<std::string>& dataFolder,
                              std::string_view appDataFolder);

// The data file in that folder.
std::string BuildDataFilePath(const std::optional<std::string>& dataFolder,
                              std::string_view appDataFolder);

} // namespace lunea
