#include "journal/save_fallbacks.h"

#include "common/replace_file.h"

namespace lunea {
namespace {

constexpr int kRecoveryNames = 100;

bool WriteInPlace(FileSystem& files, const std::string& target,
                  std::span<const std::uint8_t> bytes) {
    std::unique_ptr<OpenFile> file;
    if (files.OpenExisting(target, file) != OpenStatus::Opened)
        return false;
    return file->Write(bytes.data(), bytes.size()) && file->Truncate() && file->Flush() &&
           file->Close();
}

} // namespace

JournalWrite WriteJournal(FileSystem& files, const std::string& target,
                          std::span<const std::uint8_t> bytes, std::string& failureText) {
    const ReplaceResult replace = WriteFileReplacing(files, target, bytes);
    if (replace.replaced)
        return JournalWrite::Replaced;
    if (replace.failedAt != ReplaceStep::WriteTemporary && WriteInPlace(files, target, bytes))
        return JournalWrite::WrittenInPlace;
    failureText = replace.failureText.value_or(files.LastErrorText());
    return JournalWrite::Failed;
}

std::string FreeRecoveryPath(FileSystem& files, const std::string& journal) {
    const std::string base = journal + ".recovered";
    std::string path = base;
    for (int number = 2; number <= kRecoveryNames; ++number) {
        std::unique_ptr<OpenFile> existing;
        if (files.OpenExisting(path, existing) == OpenStatus::NotFound)
            break;
        path = base + std::to_string(number);
    }
    return path;
}

} // namespace lunea
