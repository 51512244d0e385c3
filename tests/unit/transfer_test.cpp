// The transfer: the chosen entry's user gets the journal, whatever the
// names, and a journal that could not be read is never handed on.
#include "users/transfer.h"
#include "tests/unit/journal_test_support.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace lunea {
namespace {

using testing::FaultAt;

constexpr BackupTime kNow{2026, 5, 6, 9, 41};

class TransferTest : public ::testing::Test {
  protected:
    TransferTest() {
        for (const char* folder : {"lunea", "anna1", "anna2"}) {
            std::filesystem::create_directories(scratch_.File(folder));
            users_.names.push_back(folder[0] == 'l' ? "Lunea" : "Anna");
            users_.folders.push_back(scratch_.File(folder) + "/");
        }
        for (int user = 0; user < users_.UserCount(); ++user) {
            std::vector<std::uint8_t> bytes;
            testing::Append(bytes,
                            testing::Encoded(testing::DayWithStatus(2), {2018, 2, 1 + user}));
            testing::WriteBytes(users_.DataFile(user), bytes);
            before_.push_back(bytes);
        }
    }

    testing::ScratchFolder scratch_;
    UserList users_;
    std::vector<std::vector<std::uint8_t>> before_;
    testing::RecordingPrompts prompts_;
};

TEST_F(TransferTest, TheChosenEntrysPositionNamesTheUserEvenWhenNamesRepeat) {
    const struct {
        int current;
        int entry;
        int target;
    } cases[] = {{0, 0, 1}, {0, 1, 2}, {1, 0, 0}, {1, 1, 2}, {2, 0, 0}, {2, 1, 1}};
    for (const auto& c : cases) {
        testing::FaultyFileSystem files(FaultAt::Nothing);
        Journal journal(files, prompts_);
        journal.LoadData(users_.DataFile(c.current));
        const std::vector<int> targets = TransferTargets(users_, c.current);
        ASSERT_EQ(targets.size(), 2u);
        const TransferOutcome outcome = TransferJournalTo(
            {journal, files, users_, c.current, kNow}, targets[static_cast<std::size_t>(c.entry)]);
        EXPECT_TRUE(outcome.transferred);
        EXPECT_EQ(outcome.text, "Your data was transfered to " +
                                    users_.names[static_cast<std::size_t>(c.target)]);
        for (int user = 0; user < users_.UserCount(); ++user) {
            const auto& expected =
                before_[static_cast<std::size_t>(user == c.target ? c.current : user)];
            EXPECT_EQ(testing::ReadBytes(users_.DataFile(user)), expected)
                << "current " << c.current << ", entry " << c.entry << ", user " << user;
            testing::WriteBytes(users_.DataFile(user), before_[static_cast<std::size_t>(user)]);
        }
    }
}

TEST_F(TransferTest, AJournalThatCouldNotBeReadIsRefusedAndNothingIsWritten) {
    for (const FaultAt fault : {FaultAt::Open, FaultAt::Read}) {
        testing::FaultyFileSystem files(fault);
        Journal journal(files, prompts_);
        journal.LoadData(users_.DataFile(1));
        files.SetFault(FaultAt::Nothing);
        journal.Days().At(2018, 3, 1).Status = 1; // edits after the failed load
        const TransferOutcome outcome = TransferJournalTo({journal, files, users_, 1, kNow}, 2);
        EXPECT_FALSE(outcome.transferred);
        EXPECT_EQ(outcome.text, "Your data could not be transferred to Anna.\n\nYour journal could "
                                "not be read, so the data in memory is incomplete. Nothing was "
                                "written.");
        for (int user = 0; user < users_.UserCount(); ++user)
            EXPECT_EQ(testing::ReadBytes(users_.DataFile(user)),
                      before_[static_cast<std::size_t>(user)]);
    }
}

TEST_F(TransferTest, TheTargetsFileIsCopiedFirstAndAFailedCopyStopsTheTransfer) {
    const struct {
        bool targetHasFile;
        FaultAt fault;
        std::size_t copies;
    } cases[] = {{true, FaultAt::Nothing, 1},
                 {false, FaultAt::Nothing, 0},
                 {true, FaultAt::CreateFolder, 0},
                 {true, FaultAt::Write, 0}};
    const std::string target = users_.DataFile(2);
    for (const auto& c : cases) {
        std::filesystem::remove_all(BackupFolderFor(target));
        std::filesystem::remove(target);
        if (c.targetHasFile)
            testing::WriteBytes(target, before_[2]);
        testing::FaultyFileSystem files(FaultAt::Nothing);
        Journal journal(files, prompts_);
        journal.LoadData(users_.DataFile(0));
        files.SetFault(c.fault);
        const TransferOutcome outcome = TransferJournalTo({journal, files, users_, 0, kNow}, 2);
        const bool failed = c.fault != FaultAt::Nothing;
        EXPECT_EQ(outcome.transferred, !failed) << outcome.text;
        EXPECT_EQ(testing::ReadBytes(target), failed ? before_[2] : before_[0]);
        const std::vector<BackupEntry> copies = ListBackups(files, target);
        ASSERT_EQ(copies.size(), c.copies);
        if (c.copies == 1) {
            EXPECT_EQ(testing::ReadBytes(copies[0].path), before_[2]);
            EXPECT_EQ(std::filesystem::path(copies[0].path).filename(),
                      "Lunea-2026-05-06-0941.dat");
        }
        if (failed) {
            EXPECT_EQ(outcome.text, "Your data could not be transferred to Anna.\n\nNo backup of " +
                                        target +
                                        " could be written, so nothing was written: "
                                        "Injected failure.");
        }
    }
}

} // namespace
} // namespace lunea
