#include "journal/data_file.h"
#include "tests/unit/journal_test_support.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

namespace lunea {
namespace {

using testing::Append;
using testing::DayWithStatus;
using testing::Encoded;
using testing::FaultAt;

// Untouched: the journal as it was; Nowhere: a failed write in place may
// have torn it, and the edits are only in memory.
enum class Kept { Untouched, InJournal, InRecoveryFile, Nowhere };

struct SaveFault {
    std::vector<FaultAt> faults;
    Kept kept;
    bool told; // the user hears of every save that did not reach the journal
};

class JournalSaveFaults : public ::testing::TestWithParam<SaveFault> {};

TEST_P(JournalSaveFaults, TheEditsAreKeptAndNoTemporaryFileIsLeft) {
    testing::ScratchFolder folder;
    const std::string dataFile = folder.File("Lunea.dat");
    const std::string recoveryFile = dataFile + ".recovered";
    std::vector<std::uint8_t> original;
    for (int day = 1; day <= 28; ++day)
        Append(original, Encoded(DayWithStatus(2), {2018, 2, day}));
    testing::WriteBytes(dataFile, original);
    std::vector<std::uint8_t> edited = original;
    Append(edited, Encoded(DayWithStatus(1), {2018, 3, 1}));

    testing::FaultyFileSystem files{FaultAt::Nothing};
    testing::RecordingPrompts prompts;
    Journal journal{files, prompts};
    journal.LoadData(dataFile);
    journal.Days().At(2018, 3, 1).Status = 1;
    for (FaultAt fault : GetParam().faults)
        files.AddFault(fault);
    journal.SaveData(dataFile);
    EXPECT_TRUE(prompts.ioErrors.empty()) << "nothing is shown before TellSaveProblems";
    journal.TellSaveProblems();

    const Kept kept = GetParam().kept;
    if (kept == Kept::InJournal || kept == Kept::Untouched) {
        EXPECT_EQ(testing::ReadBytes(dataFile), kept == Kept::InJournal ? edited : original);
    }
    EXPECT_EQ(std::filesystem::exists(recoveryFile), kept == Kept::InRecoveryFile);
    ASSERT_EQ(prompts.ioErrors.size(), GetParam().told ? 1u : 0u);
    if (kept == Kept::InRecoveryFile) {
        EXPECT_EQ(testing::ReadBytes(recoveryFile), edited);
        EXPECT_NE(prompts.ioErrors[0].find(recoveryFile), std::string::npos);
    }

    files.SetFault(FaultAt::Nothing);
    journal.SaveData(dataFile);
    EXPECT_EQ(testing::ReadBytes(dataFile), edited);
    std::vector<std::string> entries = folder.Entries();
    std::erase(entries, "Lunea.dat.recovered");
    EXPECT_EQ(entries, std::vector<std::string>{"Lunea.dat"});
}

INSTANTIATE_TEST_SUITE_P(
    EachStep, JournalSaveFaults,
    ::testing::Values(
        // A journal read at start that cannot be opened for writing now: left
        // as it is, the edits beside it.
        SaveFault{{FaultAt::OpenHeld}, Kept::InRecoveryFile, true},
        // No new file may be made in the folder, or the journal is held open
        // without delete sharing: written in place.
        SaveFault{{FaultAt::CreateTemporary}, Kept::InJournal, false},
        SaveFault{{FaultAt::Replace}, Kept::InJournal, false},
        SaveFault{{FaultAt::ReplaceExisting}, Kept::InJournal, false},
        // The in-place write fails too: a recovery file beside the journal.
        SaveFault{{FaultAt::ReplaceExisting, FaultAt::WriteInPlace}, Kept::InRecoveryFile, true},
        // The disk refuses every new file's bytes: nowhere to keep them.
        SaveFault{{FaultAt::Write}, Kept::Untouched, true},
        SaveFault{{FaultAt::Flush}, Kept::Untouched, true},
        SaveFault{{FaultAt::Close}, Kept::Untouched, true},
        SaveFault{{FaultAt::CreateTemporary, FaultAt::WriteInPlace}, Kept::Nowhere, true}));

} // namespace
} // namespace lunea
