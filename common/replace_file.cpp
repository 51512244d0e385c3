#include "common/replace_file.h"

#include <new>

namespace lunea {
namespace {

// Leftovers are found again at the next replace: running out of memory here
// must not turn a replace that happened into a failure.
void RemoveLeftovers(FileSystem& files, const std::string& target) noexcept {
    try {
        files.RemoveLeftoverTemporaries(target);
    } catch (const std::bad_alloc&) {
    }
}

} // namespace

bool MayReplace(FileSystem& files, const std::string& target) {
    std::unique_ptr<OpenFile> existing;
    const OpenStatus status = files.OpenExisting(target, existing);
    return status != OpenStatus::Failed && (!existing || existing->Close());
}

ReplaceResult WriteFileReplacing(FileSystem& files, const std::string& target,
                                 std::span<const std::uint8_t> bytes) {
    std::string tempPath;
    std::unique_ptr<OpenFile> temp = files.CreateTemporaryBeside(target, tempPath);
    if (!temp)
        return {.replaced = false, .failedAt = ReplaceStep::CreateTemporary, .failureText = {}};
    const bool written = temp->Write(bytes.data(), bytes.size()) && temp->Flush() && temp->Close();
    if (written && files.Replace(tempPath, target)) {
        RemoveLeftovers(files, target);
        return {.replaced = true, .failedAt = ReplaceStep::None, .failureText = {}};
    }
    ReplaceResult failed{.replaced = false,
                         .failedAt =
                             written ? ReplaceStep::PutInPlace : ReplaceStep::WriteTemporary,
                         .failureText = files.LastErrorText()};
    // Closed first: an open file cannot be deleted. Best effort: the failure
    // that matters is the one above.
    temp.reset();
    static_cast<void>(files.Remove(tempPath));
    return failed;
}

} // namespace lunea
