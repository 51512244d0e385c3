#pragma once
// Copies of the journal file taken before a step that overwrites it, kept in
// a "Backups" folder beside it as "Lunea-YYYY-MM-DD-HHMM.dat"; the newest
// ten stay. The time is the caller's, so the rule never reads a clock.
#include "common/file_system.h"

#include <string>
#include <vector>

namespace lunea {

struct BackupTime {
    int year = 0, month = 0, day = 0, hour = 0, minute = 0;
};

inline constexpr int kBackupsKept = 10;

enum class BackupResult { Made, NothingToBackUp, Failed };

struct BackupOutcome {
    BackupResult result = BackupResult::NothingToBackUp;
    std::string path;      // the copy made
    std::string errorText; // the system's reason for a failure
};

struct BackupEntry {
    BackupTime time;
    int clash = 0; // 0, or the counter a second copy in the same minute got
    std::string path;
};

std::string BackupFolderFor(const std::string& dataPath);

// Copies the data file as it is now. No file, or an empty one, makes no
// copy. Two copies in the same minute both stay: the later one's name gets
// "-2", "-3"... after the minute.
BackupOutcome BackUpJournal(FileSystem& files, const std::string& dataPath, const BackupTime& now);

// The copy before the first save of a day. Whether one was made today is
// read from the Backups folder, so it holds across restarts.
BackupOutcome BackUpBeforeFirstSaveOfDay(FileSystem& files, const std::string& dataPath,
                                         const BackupTime& now);

// The copies in the Backups folder, newest first; other files are ignored.
std::vector<BackupEntry> ListBackups(FileSystem& files, const std::string& dataPath);

} // namespace lunea
