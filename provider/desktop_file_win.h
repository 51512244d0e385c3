#pragma once
#include <cstdint>
#include <string>
#include <vector>

namespace lunea::provider {

// The whole data file, opened with read sharing; a missing file is created
// empty.
bool ReadDesktopFile(const std::string& path, std::vector<std::uint8_t>& bytes);
// Writes the bytes to a uniquely named file in the same folder and puts it in
// place of the data file in one step. On failure the old file stays whole and
// no temporary file remains.
bool ReplaceDesktopFile(const std::string& path, const std::vector<std::uint8_t>& bytes);

} // namespace lunea::provider
