#pragma once
// Whole files as bytes, for tests that prepare and check data files.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace lunea::test {

// Nothing when the file cannot be opened.
std::optional<std::vector<std::uint8_t>> ReadFileBytes(const std::string& path);
// Replaces the file's content; a failure fails the running test.
void WriteFileBytes(const std::string& path, const std::vector<std::uint8_t>& bytes);

} // namespace lunea::test
