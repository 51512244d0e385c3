#pragma once
// Where a partnership's data file lives, from its "DataFolder" registry value.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace lunea::provider {

// The buffer the "DataFolder" value is read into.
inline constexpr std::size_t kDataFolderBufferSize = 520;

// The value as a string, from the bytes a registry read of at most
// kDataFolderBufferSize bytes returned, whatever the value's type: the
// characters before the first NUL, never more than the buffer holds with its
// terminating NUL. Nothing (unreadable) when more bytes than the buffer
// holds are passed.
std::optional<std::string> DataFolderFromValueBytes(std::span<const std::uint8_t> valueBytes);

// The data file's full path. dataFolder empty: the value was unreadable.
// appDataFolder: the current user's application-data folder, used only for a
// value that starts with a backslash.
std::string BuildDataFilePath(const std::optional<std::string>& dataFolder,
                              std::string_view appDataFolder);

} // namespace lunea::provider
