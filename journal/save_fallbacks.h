#pragma once
// Where a save's bytes may go when the one-step replace of the journal
// cannot be done: over the journal in place, or into a recovery file beside
// it. A session's edits are never thrown away.
#include "common/file_system.h"

#include <cstdint>
#include <span>
#include <string>

namespace lunea {

enum class JournalWrite { Replaced, WrittenInPlace, Failed };

// The one-step replace of target; when that step cannot be taken (no new
// file may be made beside target, or the new one cannot take its place),
// the bytes written over target in place and flushed. Not in place when the
// disk refused the temporary file's bytes: a write over the journal could
// then tear it. failureText gets the system's reason of a Failed write.
JournalWrite WriteJournal(FileSystem& files, const std::string& target,
                          std::span<const std::uint8_t> bytes, std::string& failureText);

// "<journal>.recovered", or with a number after it when that name is taken:
// an earlier session's recovery file may hold edits not yet taken back.
std::string FreeRecoveryPath(FileSystem& files, const std::string& journal);

} // namespace lunea
