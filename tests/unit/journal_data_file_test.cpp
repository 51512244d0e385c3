#include "journal/data_file.h"
#include "tests/unit/journal_test_support.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <string>
#include <utility>

namespace lunea {
namespace {

using testing::Append;
using testing::DayWithStatus;
using testing::Encoded;
using testing::FaultAt;
using testing::ReadBytes;
using testing::WriteBytes;

class JournalDataFile : public ::testing::Test {
  protected:
    bool TableIsEmpty() const {
        for (int year = DayTable::FirstYear; year <= DayTable::LastYear; ++year)
            for (int month = 1; month <= 12; ++month)
                for (int day = 1; day <= 31; ++day)
                    if (journal.Days().At(year, month, day) != TDayRecord{})
                        return false;
        return true;
    }

    testing::ScratchFolder folder;
    std::string dataFile = folder.File("Lunea.dat");
    testing::FaultyFileSystem files{FaultAt::Nothing};
    testing::RecordingPrompts prompts;
    Journal journal{files, prompts};
};

TEST_F(JournalDataFile, MissingFileGivesAnEmptyTableAndTheFirstSaveCreatesIt) {
    journal.Days().At(2003, 3, 3).Status = 2; // left over from a previous user
    journal.LoadData(dataFile);
    EXPECT_TRUE(TableIsEmpty());
    EXPECT_FALSE(journal.IsUnread(dataFile));

    journal.SaveData(dataFile);
    ASSERT_TRUE(std::filesystem::exists(dataFile));
    EXPECT_EQ(std::filesystem::file_size(dataFile), 0u);
    EXPECT_TRUE(prompts.ioErrors.empty());
    EXPECT_TRUE(prompts.messages.empty());
}

TEST_F(JournalDataFile, EmptyFileAndTrailingPartialRecord) {
    WriteBytes(dataFile, {});
    journal.LoadData(dataFile);
    EXPECT_TRUE(TableIsEmpty());
    EXPECT_FALSE(journal.IsUnread(dataFile));

    std::vector<std::uint8_t> bytes;
    Append(bytes, Encoded(DayWithStatus(2), {2010, 5, 17}));
    bytes.push_back(0x7F);
    ASSERT_EQ(bytes.size(), 153u);
    WriteBytes(dataFile, bytes);
    journal.LoadData(dataFile);
    EXPECT_EQ(journal.Days().At(2010, 5, 17).Status, 2);
}

TEST_F(JournalDataFile, UnusedRecordsAreSkippedAndALaterDuplicateReplacesTheEarlier) {
    TDayRecord first = DayWithStatus(1);
    first.Temperature = 36.5;
    first.Note.Assign("first");
    std::vector<std::uint8_t> bytes;
    EncodedRecord unused = Encoded(DayWithStatus(3), {2004, 1, 1});
    unused[0] = unused[1] = 0;
    Append(bytes, unused);
    Append(bytes, Encoded(first, {2004, 2, 29}));
    Append(bytes, Encoded(DayWithStatus(3), {2004, 2, 29}));
    WriteBytes(dataFile, bytes);

    journal.LoadData(dataFile);
    EXPECT_EQ(journal.Days().At(2004, 2, 29), DayWithStatus(3)) << "no merging of duplicates";
    EXPECT_EQ(journal.Days().At(2004, 1, 1), TDayRecord{});
}

TEST_F(JournalDataFile, ALongFileMixingEveryKindOfRecordLoadsAsReadOneByOne) {
    // More records than the table holds, every date of it taken and then
    // taken again, so unused, repeated and outside ones fall on every side
    // of where the reading goes on; loaded over another journal.
    journal.Days().At(2050, 5, 5).Note.Assign("a previous user's");
    std::vector<std::uint8_t> bytes;
    std::map<std::int32_t, TDayRecord> expected;
    std::vector<EncodedRecord> outside;
    const std::int32_t first = DateToSerial({DayTable::FirstYear, 1, 1});
    const std::int32_t days = DateToSerial({DayTable::LastYear, 12, 31}) - first + 1;
    for (int i = 0; i < 40000; ++i) {
        TDayRecord day = DayWithStatus(static_cast<std::uint8_t>(1 + i % 6));
        day.Note.Assign("record " + std::to_string(i));
        std::int32_t serial = first + i % days;
        if (i % 7 == 3)
            serial = first + (i / 2) % days; // a date that came before
        EncodedRecord record = Encoded(day, SerialToDate(serial));
        if (i % 11 == 5)
            record[0] = record[1] = 0; // unused
        else if (i % 13 == 6)
            outside.push_back(record = Encoded(day, {1990, 1, 1 + i % 28}));
        else
            expected[serial] = day;
        Append(bytes, record);
    }
    WriteBytes(dataFile, bytes);
    journal.LoadData(dataFile);

    std::size_t recorded = 0;
    for (std::int32_t serial = DateToSerial({DayTable::FirstYear, 1, 1});
         serial <= DateToSerial({DayTable::LastYear, 12, 31}); ++serial) {
        const auto found = expected.find(serial);
        const TDayRecord& day = *std::as_const(journal.Days()).AtSerial(serial);
        ASSERT_EQ(day, found == expected.end() ? TDayRecord{} : found->second) << serial;
        recorded += found != expected.end();
    }
    EXPECT_EQ(recorded, expected.size());
    EXPECT_EQ(journal.HeldAside(), outside);
}

TEST_F(JournalDataFile, StoredTemperaturesAreRoundedToHundredths) {
    TDayRecord a;
    a.Temperature = 36.666;
    TDayRecord b;
    b.Temperature = 36.125;
    std::vector<std::uint8_t> bytes;
    Append(bytes, Encoded(a, {2012, 7, 1}));
    Append(bytes, Encoded(b, {2012, 7, 2}));
    WriteBytes(dataFile, bytes);
    journal.LoadData(dataFile);
    EXPECT_EQ(journal.Days().At(2012, 7, 1).Temperature, 36.67);
    EXPECT_EQ(journal.Days().At(2012, 7, 2).Temperature, 36.12);
}

TEST_F(JournalDataFile, SaveWritesRecordedDaysInDateOrderAndDropsEmptyOnes) {
    std::vector<std::uint8_t> bytes;
    Append(bytes, Encoded(DayWithStatus(5), {2078, 12, 31}));
    Append(bytes, Encoded(DayWithStatus(2), {2000, 1, 1}));
    Append(bytes, Encoded(DayWithStatus(6), {2008, 2, 29}));
    WriteBytes(dataFile, bytes);
    journal.LoadData(dataFile);

    TDayRecord secretOnly;
    secretOnly.Secrets = 1;
    secretOnly.Protect = 1;
    journal.Days().At(2001, 1, 1) = secretOnly;
    TDayRecord flagOnly;
    flagOnly.Flag = 1;
    journal.Days().At(2001, 1, 2) = flagOnly;
    TDayRecord coldOnly;
    coldOnly.Temperature = 1.0;
    journal.Days().At(2001, 1, 3) = coldOnly;
    journal.SaveData(dataFile);

    std::vector<std::uint8_t> expected;
    Append(expected, Encoded(DayWithStatus(2), {2000, 1, 1}));
    Append(expected, Encoded(secretOnly, {2001, 1, 1}));
    Append(expected, Encoded(flagOnly, {2001, 1, 2}));
    Append(expected, Encoded(DayWithStatus(6), {2008, 2, 29}));
    Append(expected, Encoded(DayWithStatus(5), {2078, 12, 31}));
    EXPECT_EQ(ReadBytes(dataFile), expected);
    EXPECT_EQ(folder.Entries(), std::vector<std::string>{"Lunea.dat"});
}

TEST_F(JournalDataFile, RecordsOutsideTheTableYearsAreKeptAndWrittenAfterTheTable) {
    // Days of 2020 and 2026 were held aside by older versions of the program
    // and come after the table's records; now they are in the table.
    std::vector<std::uint8_t> bytes;
    const EncodedRecord inside = Encoded(DayWithStatus(1), {2011, 11, 11});
    const EncodedRecord later = Encoded(DayWithStatus(2), {2079, 1, 1});
    const EncodedRecord earlier = Encoded(DayWithStatus(4), {1999, 12, 31});
    EncodedRecord last = Encoded(DayWithStatus(3), {2000, 1, 1});
    last[0] = last[1] = 0xFF; // serial 65535, 4 June 2079
    const EncodedRecord today = Encoded(DayWithStatus(5), {2026, 12, 9});
    const EncodedRecord olderSide = Encoded(DayWithStatus(6), {2020, 1, 1});
    for (const EncodedRecord& record : {later, inside, earlier, last, today, olderSide})
        Append(bytes, record);
    WriteBytes(dataFile, bytes);

    journal.LoadData(dataFile);
    EXPECT_EQ(journal.Days().At(2011, 11, 11).Status, 1);
    EXPECT_EQ(journal.Days().At(2020, 1, 1).Status, 6);
    EXPECT_EQ(journal.Days().At(2026, 12, 9).Status, 5);
    ASSERT_EQ(journal.HeldAside().size(), 3u);
    journal.SaveData(dataFile);

    std::vector<std::uint8_t> expected;
    for (const EncodedRecord& record : {inside, olderSide, today, later, earlier, last})
        Append(expected, record);
    EXPECT_EQ(ReadBytes(dataFile), expected);

    journal.LoadData(folder.File("Other.dat"));
    EXPECT_TRUE(journal.HeldAside().empty()) << "a load replaces what was held aside";
}

TEST_F(JournalDataFile, ADirectoryInTheWayIsNeitherLoadedNorReplaced) {
    std::filesystem::create_directory(dataFile);
    journal.LoadData(dataFile);
    EXPECT_TRUE(TableIsEmpty());
    EXPECT_TRUE(journal.IsUnread(dataFile));

    Journal other{files, prompts}; // never tried to load it
    other.Days().At(2005, 5, 5).Status = 2;
    other.SaveData(dataFile);
    EXPECT_TRUE(std::filesystem::is_directory(dataFile));
    EXPECT_EQ(folder.Entries(), std::vector<std::string>{"Lunea.dat"});
    EXPECT_TRUE(prompts.ioErrors.empty());
}

TEST_F(JournalDataFile, AFileThatCannotBeOpenedIsNeverOverwritten) {
    std::vector<std::uint8_t> original;
    Append(original, Encoded(DayWithStatus(3), {2015, 3, 1}));
    WriteBytes(dataFile, original);

    files.SetFault(FaultAt::Open);
    journal.LoadData(dataFile);
    EXPECT_TRUE(TableIsEmpty());
    EXPECT_TRUE(journal.IsUnread(dataFile));
    EXPECT_TRUE(prompts.ioErrors.empty()) << "a failing open is silent";

    // Even once the file could be opened again, the empty table must not
    // replace it until it has been read.
    files.SetFault(FaultAt::Nothing);
    journal.SaveData(dataFile);
    EXPECT_EQ(ReadBytes(dataFile), original);

    journal.LoadData(dataFile);
    EXPECT_FALSE(journal.IsUnread(dataFile));
    journal.Days().At(2015, 3, 2).Status = 2;
    journal.SaveData(dataFile);
    EXPECT_EQ(ReadBytes(dataFile).size(), 2 * datafile::kRecordSize);
}

TEST_F(JournalDataFile, ASaveOverAnEntryThatCannotBeOpenedWritesNothing) {
    std::vector<std::uint8_t> original;
    Append(original, Encoded(DayWithStatus(3), {2015, 3, 1}));
    WriteBytes(dataFile, original);

    files.SetFault(FaultAt::Open);
    journal.SaveData(dataFile);
    EXPECT_EQ(ReadBytes(dataFile), original);
    EXPECT_EQ(folder.Entries(), std::vector<std::string>{"Lunea.dat"});
    EXPECT_TRUE(prompts.ioErrors.empty());
}

TEST_F(JournalDataFile, AReadErrorKeepsWhatWasReadReportsItAndProtectsTheFile) {
    std::vector<std::uint8_t> original;
    Append(original, Encoded(DayWithStatus(2), {2016, 8, 1}));
    Append(original, Encoded(DayWithStatus(2), {2016, 8, 2}));
    WriteBytes(dataFile, original);

    files.SetFault(FaultAt::Read);
    journal.LoadData(dataFile);
    EXPECT_EQ(journal.Days().At(2016, 8, 1).Status, 2);
    EXPECT_EQ(prompts.ioErrors, std::vector<std::string>{"Injected failure."});
    EXPECT_TRUE(journal.IsUnread(dataFile));

    files.SetFault(FaultAt::Nothing);
    journal.Days().At(2016, 8, 2).Status = 0;
    journal.SaveData(dataFile);
    EXPECT_EQ(ReadBytes(dataFile), original);
}

TEST_F(JournalDataFile, AnUnreadJournalKeepsTheSessionsEditsBesideItAndSaysWhereOnce) {
    std::vector<std::uint8_t> original;
    Append(original, Encoded(DayWithStatus(3), {2015, 3, 1}));
    WriteBytes(dataFile, original);
    const std::vector<std::uint8_t> earlier = {1, 2, 3};
    WriteBytes(dataFile + ".recovered", earlier); // an earlier session's, not yet taken back
    const std::string recoveryFile = dataFile + ".recovered2";

    files.SetFault(FaultAt::Open);
    journal.LoadData(dataFile);
    files.SetFault(FaultAt::Nothing);
    journal.SaveData(dataFile);
    EXPECT_FALSE(std::filesystem::exists(recoveryFile)) << "no edit yet, nothing to keep";

    std::vector<std::uint8_t> expected;
    for (int day = 2; day <= 3; ++day) {
        journal.Days().At(2015, 3, day).Status = 2;
        Append(expected, Encoded(DayWithStatus(2), {2015, 3, day}));
        journal.SaveData(dataFile);
        journal.TellSaveProblems();
        EXPECT_EQ(ReadBytes(dataFile), original);
        EXPECT_EQ(ReadBytes(recoveryFile), expected);
    }
    EXPECT_EQ(ReadBytes(dataFile + ".recovered"), earlier);
    ASSERT_EQ(prompts.ioErrors.size(), 1u);
    EXPECT_NE(prompts.ioErrors[0].find(recoveryFile), std::string::npos);
}

TEST_F(JournalDataFile, ClearDatabaseAsksFirstAndEmptiesEverything) {
    std::vector<std::uint8_t> bytes;
    Append(bytes, Encoded(DayWithStatus(2), {2002, 2, 2}));
    Append(bytes, Encoded(DayWithStatus(2), {2079, 3, 3}));
    WriteBytes(dataFile, bytes);
    journal.LoadData(dataFile);

    prompts.answerYes = false;
    journal.ClearDatabase();
    EXPECT_EQ(prompts.questions, std::vector<std::string>{"Clear entire database? Are you sure?"});
    EXPECT_TRUE(prompts.messages.empty());
    EXPECT_EQ(journal.Days().At(2002, 2, 2).Status, 2);
    EXPECT_EQ(journal.HeldAside().size(), 1u);

    prompts.answerYes = true;
    journal.ClearDatabase();
    EXPECT_EQ(prompts.messages, std::vector<std::string>{"Database is empty!"});
    EXPECT_TRUE(TableIsEmpty());
    EXPECT_EQ(ReadBytes(dataFile), bytes) << "the file waits for the next save";
    journal.SaveData(dataFile);
    EXPECT_EQ(std::filesystem::file_size(dataFile), 0u);
}

} // namespace
} // namespace lunea
