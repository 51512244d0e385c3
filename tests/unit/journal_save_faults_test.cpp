#include "journal/data_file.h"
#include "tests/unit/journal_test_support.h"

#include <gtest/gtest.h>

namespace lunea {
namespace {

using testing::Append;
using testing::DayWithStatus;
using testing::Encoded;
using testing::FaultAt;

struct SaveFault {
    FaultAt step;
    bool reported; // failures after the temporary file was opened are reported
};

class JournalSaveFaults : public ::testing::TestWithParam<SaveFault> {};

TEST_P(JournalSaveFaults, TheOldFileStaysWholeAndNoTemporaryFileIsLeft) {
    testing::ScratchFolder folder;
    const std::string dataFile = folder.File("Lunea.dat");
    std::vector<std::uint8_t> original;
    for (int day = 1; day <= 28; ++day)
        Append(original, Encoded(DayWithStatus(2), {2018, 2, day}));
    testing::WriteBytes(dataFile, original);

    testing::FaultyFileSystem files{FaultAt::Nothing};
    testing::RecordingPrompts prompts;
    Journal journal{files, prompts};
    journal.LoadData(dataFile);
    journal.Days().At(2018, 3, 1).Status = 1;
    files.SetFault(GetParam().step);
    journal.SaveData(dataFile);

    EXPECT_EQ(testing::ReadBytes(dataFile), original);
    EXPECT_EQ(folder.Entries(), std::vector<std::string>{"Lunea.dat"});
    EXPECT_EQ(prompts.ioErrors.size(), GetParam().reported ? 1u : 0u);

    files.SetFault(FaultAt::Nothing);
    journal.SaveData(dataFile);
    EXPECT_EQ(testing::ReadBytes(dataFile).size(), original.size() + datafile::kRecordSize);
    EXPECT_EQ(folder.Entries(), std::vector<std::string>{"Lunea.dat"});
}

INSTANTIATE_TEST_SUITE_P(
    EachStep, JournalSaveFaults,
    ::testing::Values(SaveFault{FaultAt::Open, false}, SaveFault{FaultAt::CreateTemporary, false},
                      SaveFault{FaultAt::Write, true}, SaveFault{FaultAt::Flush, true},
                      SaveFault{FaultAt::Close, true}, SaveFault{FaultAt::Replace, true}));

} // namespace
} // namespace lunea
