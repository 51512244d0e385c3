#include "common/unique_win.h"
#include "journal/data_file.h"
#include "tests/unit/journal_test_support.h"

#include <windows.h>

#include <gtest/gtest.h>

namespace lunea {
namespace {

using testing::Append;
using testing::DayWithStatus;
using testing::Encoded;
using testing::ReadBytes;

// Another reader of the data file, sharing it as given.
class HeldFile {
  public:
    HeldFile(const std::string& path, DWORD share)
        : handle_(CreateFileA(path.c_str(), GENERIC_READ, share, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr)) {}
    bool Held() const { return static_cast<bool>(handle_); }

  private:
    win::UniqueHandle handle_;
};

class JournalWin32Files : public ::testing::Test {
  protected:
    void SetUp() override {
        Append(original, Encoded(DayWithStatus(2), {2017, 4, 1}));
        testing::WriteBytes(dataFile, original);
    }

    testing::ScratchFolder folder;
    std::string dataFile = folder.File("Lunea.dat");
    std::vector<std::uint8_t> original;
    std::unique_ptr<FileSystem> files = MakePlatformFileSystem();
    testing::RecordingPrompts prompts;
};

TEST_F(JournalWin32Files, AFileHeldWithoutSharingIsNeitherLoadedNorReplaced) {
    Journal journal{*files, prompts};
    Journal transfer{*files, prompts};
    transfer.Days().At(2017, 4, 2).Status = 3;
    {
        const HeldFile lock(dataFile, 0);
        ASSERT_TRUE(lock.Held());
        journal.LoadData(dataFile);
        EXPECT_EQ(journal.Days().At(2017, 4, 1).Status, 0);
        EXPECT_TRUE(journal.IsUnread(dataFile));
        transfer.SaveData(dataFile);
    }
    journal.SaveData(dataFile);
    EXPECT_EQ(ReadBytes(dataFile), original);
    EXPECT_EQ(folder.Entries(), std::vector<std::string>{"Lunea.dat"});
    EXPECT_TRUE(prompts.ioErrors.empty());

    journal.LoadData(dataFile);
    EXPECT_EQ(journal.Days().At(2017, 4, 1).Status, 2);
    EXPECT_FALSE(journal.IsUnread(dataFile));
}

// Opening for reading and writing is allowed, replacing is not: the table
// goes into the journal in place, and there is nothing to tell.
TEST_F(JournalWin32Files, AJournalThatCannotBeReplacedIsWrittenInPlace) {
    Journal journal{*files, prompts};
    journal.LoadData(dataFile);
    journal.Days().At(2017, 4, 2).Status = 3;
    {
        const HeldFile holder(dataFile, FILE_SHARE_READ | FILE_SHARE_WRITE);
        ASSERT_TRUE(holder.Held());
        journal.SaveData(dataFile);
    }
    journal.TellSaveProblems();
    std::vector<std::uint8_t> edited = original;
    Append(edited, Encoded(DayWithStatus(3), {2017, 4, 2}));
    EXPECT_EQ(ReadBytes(dataFile), edited);
    EXPECT_EQ(folder.Entries(), std::vector<std::string>{"Lunea.dat"});
    EXPECT_TRUE(prompts.ioErrors.empty());
}

TEST_F(JournalWin32Files, OpenFailuresTellAMissingFileFromOthers) {
    std::unique_ptr<OpenFile> file;
    EXPECT_EQ(files->OpenExisting(folder.File("absent.dat"), file), OpenStatus::NotFound);
    EXPECT_EQ(files->OpenExisting(folder.File("no folder\\Lunea.dat"), file), OpenStatus::NotFound);
    const HeldFile lock(dataFile, 0);
    EXPECT_EQ(files->OpenExisting(dataFile, file), OpenStatus::Failed);
    EXPECT_FALSE(files->LastErrorText().empty());
    EXPECT_EQ(file, nullptr);
}

} // namespace
} // namespace lunea
