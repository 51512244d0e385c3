#include "journal/backups.h"
#include "tests/unit/file_test_support.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

namespace lunea {
namespace {

using testing::FaultAt;
using testing::ReadBytes;
using testing::WriteBytes;

const std::vector<std::uint8_t> kJournal = {1, 2, 3, 4, 5};

std::vector<std::string> BackupNames(FileSystem& files, const std::string& dataPath) {
    std::vector<std::string> names;
    for (const BackupEntry& entry : ListBackups(files, dataPath))
        names.push_back(std::filesystem::path(entry.path).filename().string());
    return names;
}

TEST(JournalBackups, TheNewestTenStayAndOtherFilesAreLeftAlone) {
    testing::ScratchFolder folder;
    const std::string data = folder.File("Lunea.dat");
    WriteBytes(data, kJournal);
    auto files = MakePlatformFileSystem();
    ASSERT_TRUE(files->CreateFolder(BackupFolderFor(data)));
    WriteBytes(BackupFolderFor(data) + "/notes.txt", {9});
    for (int minute = 0; minute < 12; ++minute)
        ASSERT_EQ(BackUpJournal(*files, data, {2026, 3, 9, 23, minute}).result, BackupResult::Made);
    const std::vector<std::string> names = BackupNames(*files, data);
    ASSERT_EQ(names.size(), 10u);
    EXPECT_EQ(names.front(), "Lunea-2026-03-09-2311.dat");
    EXPECT_EQ(names.back(), "Lunea-2026-03-09-2302.dat");
    EXPECT_TRUE(std::filesystem::exists(BackupFolderFor(data) + "/notes.txt"));
}

TEST(JournalBackups, TwoCopiesInOneMinuteBothStayAndTheLaterSortsFirst) {
    testing::ScratchFolder folder;
    const std::string data = folder.File("Lunea.dat");
    auto files = MakePlatformFileSystem();
    WriteBytes(data, {1});
    ASSERT_EQ(BackUpJournal(*files, data, {2026, 1, 2, 8, 5}).result, BackupResult::Made);
    WriteBytes(data, {2});
    const BackupOutcome second = BackUpJournal(*files, data, {2026, 1, 2, 8, 5});
    ASSERT_EQ(second.result, BackupResult::Made);
    EXPECT_EQ(BackupNames(*files, data), (std::vector<std::string>{"Lunea-2026-01-02-0805-2.dat",
                                                                   "Lunea-2026-01-02-0805.dat"}));
    EXPECT_EQ(ReadBytes(second.path), std::vector<std::uint8_t>{2});
}

struct NothingCase {
    const char* name;
    bool fileExists;
};

class JournalBackupsNothing : public ::testing::TestWithParam<NothingCase> {};

TEST_P(JournalBackupsNothing, NoCopyAndNoFolder) {
    testing::ScratchFolder folder;
    const std::string data = folder.File("Lunea.dat");
    if (GetParam().fileExists)
        WriteBytes(data, {});
    auto files = MakePlatformFileSystem();
    EXPECT_EQ(BackUpJournal(*files, data, {2026, 5, 1, 10, 0}).result,
              BackupResult::NothingToBackUp);
    EXPECT_FALSE(std::filesystem::exists(BackupFolderFor(data)));
}

INSTANTIATE_TEST_SUITE_P(Cases, JournalBackupsNothing,
                         ::testing::Values(NothingCase{"NoFile", false},
                                           NothingCase{"EmptyFile", true}),
                         [](const auto& info) { return std::string(info.param.name); });

struct BackupFault {
    const char* name;
    FaultAt fault;
};

class JournalBackupFaults : public ::testing::TestWithParam<BackupFault> {};

TEST_P(JournalBackupFaults, AFailedCopyIsToldWithTheReasonAndLeavesNoCopy) {
    testing::ScratchFolder folder;
    const std::string data = folder.File("Lunea.dat");
    WriteBytes(data, kJournal);
    testing::FaultyFileSystem files(GetParam().fault);
    const BackupOutcome outcome = BackUpJournal(files, data, {2026, 5, 1, 10, 0});
    EXPECT_EQ(outcome.result, BackupResult::Failed);
    EXPECT_EQ(outcome.errorText, "Injected failure.");
    EXPECT_EQ(ReadBytes(data), kJournal);
    auto real = MakePlatformFileSystem();
    EXPECT_TRUE(ListBackups(*real, data).empty());
    std::vector<std::string> left;
    ASSERT_TRUE(real->ListFiles(BackupFolderFor(data), left));
    EXPECT_TRUE(left.empty());
}

INSTANTIATE_TEST_SUITE_P(Faults, JournalBackupFaults,
                         ::testing::Values(BackupFault{"OpenJournal", FaultAt::Open},
                                           BackupFault{"ReadJournal", FaultAt::Read},
                                           BackupFault{"CreateFolder", FaultAt::CreateFolder},
                                           BackupFault{"ListFolder", FaultAt::ListFiles},
                                           BackupFault{"CreateCopy", FaultAt::CreateTemporary},
                                           BackupFault{"WriteCopy", FaultAt::Write},
                                           BackupFault{"FlushCopy", FaultAt::Flush},
                                           BackupFault{"PutCopyInPlace", FaultAt::Replace}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(FileSystemFolders, ListingGivesFilesOnlyAndAMissingFolderIsEmpty) {
    testing::ScratchFolder folder;
    auto files = MakePlatformFileSystem();
    const std::string inner = folder.File("inner");
    ASSERT_TRUE(files->CreateFolder(inner));
    EXPECT_TRUE(files->CreateFolder(inner)); // an existing one counts as created
    WriteBytes(folder.File("a.dat"), {1});
    std::vector<std::string> names;
    ASSERT_TRUE(files->ListFiles(folder.File(""), names));
    EXPECT_EQ(names, std::vector<std::string>{"a.dat"});
    ASSERT_TRUE(files->ListFiles(folder.File("missing"), names));
    EXPECT_TRUE(names.empty());
    EXPECT_FALSE(files->CreateFolder(folder.File("missing/deeper")));
}

TEST(JournalBackups, TheFirstSaveOfADayIsReadFromTheFolderSoItHoldsAcrossARestart) {
    testing::ScratchFolder folder;
    const std::string data = folder.File("Lunea.dat");
    WriteBytes(data, kJournal);
    const BackupOutcome first =
        BackUpBeforeFirstSaveOfDay(*MakePlatformFileSystem(), data, {2026, 6, 30, 9, 0});
    ASSERT_EQ(first.result, BackupResult::Made);
    EXPECT_EQ(ReadBytes(first.path), kJournal);
    WriteBytes(data, {7});
    // A fresh file system stands for the program started again.
    EXPECT_EQ(
        BackUpBeforeFirstSaveOfDay(*MakePlatformFileSystem(), data, {2026, 6, 30, 18, 0}).result,
        BackupResult::NothingToBackUp);
    const BackupOutcome nextDay =
        BackUpBeforeFirstSaveOfDay(*MakePlatformFileSystem(), data, {2026, 7, 1, 0, 1});
    ASSERT_EQ(nextDay.result, BackupResult::Made);
    EXPECT_EQ(ReadBytes(nextDay.path), std::vector<std::uint8_t>{7});
}

} // namespace
} // namespace lunea
