#pragma once
// Writing a file so that no reader meets it half written and a failed write
// never costs the old one.
#include "common/file_system.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>

namespace lunea {

// The step at which a replace failed.
enum class ReplaceStep { None, CreateTemporary, WriteTemporary, PutInPlace };

struct ReplaceResult {
    bool replaced = false;
    ReplaceStep failedAt = ReplaceStep::None;
    // The system's text for a failure after the temporary file was opened;
    // nothing when it could not be created (or nothing failed).
    std::optional<std::string> failureText;
};

// False for an existing entry that cannot be opened for writing (read-only,
// locked, a directory): writing over it would fail, or should not be tried.
bool MayReplace(FileSystem& files, const std::string& target);

// Writes the bytes into a new, uniquely named file in target's folder,
// forces them onto the disk, closes it and puts it in place of target (or
// creates target) in one step. On any failure target stays as it was and
// the temporary file is removed. After a replace, the temporary files that
// killed writers left beside target go too.
ReplaceResult WriteFileReplacing(FileSystem& files, const std::string& target,
                                 std::span<const std::uint8_t> bytes);

} // namespace lunea
