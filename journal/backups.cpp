#include "journal/backups.h"

#include "common/replace_file.h"
#include "common/temporary_names.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <optional>
#include <tuple>

namespace lunea {
namespace {

char SeparatorOf(const std::string& dataPath) {
    const std::string_view folder = FolderOf(dataPath);
    return folder.empty() ? '/' : folder.back();
}

std::string BackupName(const BackupTime& time, int clash) {
    char name[40];
    std::snprintf(name, sizeof name, "Lunea-%04d-%02d-%02d-%02d%02d", time.year, time.month,
                  time.day, time.hour, time.minute);
    return std::string(name) + (clash > 0 ? "-" + std::to_string(clash) : "") + ".dat";
}

std::optional<BackupEntry> ParseBackupName(const std::string& name) {
    BackupEntry entry;
    int used = 0;
    if (std::sscanf(name.c_str(), "Lunea-%4d-%2d-%2d-%2d%2d%n", &entry.time.year, &entry.time.month,
                    &entry.time.day, &entry.time.hour, &entry.time.minute, &used) != 5)
        return std::nullopt;
    std::string rest = name.substr(static_cast<std::size_t>(used));
    if (rest.size() > 5 && rest[0] == '-') {
        int after = 0;
        if (std::sscanf(rest.c_str(), "-%d%n", &entry.clash, &after) != 1 || entry.clash < 2)
            return std::nullopt;
        rest = rest.substr(static_cast<std::size_t>(after));
    }
    if (rest != ".dat" || name != BackupName(entry.time, entry.clash))
        return std::nullopt;
    return entry;
}

auto Order(const BackupEntry& entry) {
    const BackupTime& t = entry.time;
    return std::tie(t.year, t.month, t.day, t.hour, t.minute, entry.clash);
}

// The whole file; nothing when it cannot be read.
std::optional<std::vector<std::uint8_t>> ReadWhole(FileSystem& files, const std::string& path) {
    std::unique_ptr<OpenFile> file;
    const OpenStatus status = files.OpenExisting(path, file);
    if (status == OpenStatus::NotFound)
        return std::vector<std::uint8_t>();
    if (status != OpenStatus::Opened)
        return std::nullopt;
    std::vector<std::uint8_t> bytes;
    std::uint8_t chunk[8192];
    std::size_t got = 0;
    do {
        if (!file->Read(chunk, sizeof chunk, got))
            return std::nullopt;
        bytes.insert(bytes.end(), chunk, chunk + got);
    } while (got == sizeof chunk);
    return bytes;
}

// Failures are left for the next copy: the extra ones cost only space.
void RemoveBeyondKept(FileSystem& files, const std::string& dataPath) {
    const std::vector<BackupEntry> kept = ListBackups(files, dataPath);
    for (std::size_t i = kBackupsKept; i < kept.size(); ++i)
        static_cast<void>(files.Remove(kept[i].path));
}

BackupOutcome Failure(FileSystem& files) {
    return {BackupResult::Failed, {}, files.LastErrorText()};
}

} // namespace

std::string BackupFolderFor(const std::string& dataPath) {
    return std::string(FolderOf(dataPath)) + "Backups";
}

std::vector<BackupEntry> ListBackups(FileSystem& files, const std::string& dataPath) {
    const std::string folder = BackupFolderFor(dataPath);
    std::vector<std::string> names;
    std::vector<BackupEntry> entries;
    if (!files.ListFiles(folder, names))
        return entries;
    for (const std::string& name : names)
        if (std::optional<BackupEntry> entry = ParseBackupName(name)) {
            entry->path = folder + SeparatorOf(dataPath) + name;
            entries.push_back(*entry);
        }
    std::sort(entries.begin(), entries.end(),
              [](const BackupEntry& a, const BackupEntry& b) { return Order(a) > Order(b); });
    return entries;
}

BackupOutcome BackUpJournal(FileSystem& files, const std::string& dataPath, const BackupTime& now) {
    const std::optional<std::vector<std::uint8_t>> bytes = ReadWhole(files, dataPath);
    if (!bytes)
        return Failure(files);
    if (bytes->empty())
        return {};
    const std::string folder = BackupFolderFor(dataPath);
    std::vector<std::string> names;
    if (!files.CreateFolder(folder) || !files.ListFiles(folder, names))
        return Failure(files);
    int clash = 0;
    while (std::find(names.begin(), names.end(), BackupName(now, clash)) != names.end())
        clash = clash == 0 ? 2 : clash + 1;
    const std::string path = folder + SeparatorOf(dataPath) + BackupName(now, clash);
    const ReplaceResult written = WriteFileReplacing(files, path, *bytes);
    if (!written.replaced)
        return {BackupResult::Failed, {}, written.failureText.value_or(files.LastErrorText())};
    RemoveBeyondKept(files, dataPath);
    return {BackupResult::Made, path, {}};
}

BackupOutcome BackUpBeforeFirstSaveOfDay(FileSystem& files, const std::string& dataPath,
                                         const BackupTime& now) {
    for (const BackupEntry& entry : ListBackups(files, dataPath))
        if (entry.time.year == now.year && entry.time.month == now.month &&
            entry.time.day == now.day)
            return {};
    return BackUpJournal(files, dataPath, now);
}

} // namespace lunea
