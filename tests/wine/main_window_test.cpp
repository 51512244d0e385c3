#include "app/control_ids.h"
#include "common/desktop_contract.h"
#include "tests/wine/journal_files.h"
#include "tests/wine/program_harness.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace lunea::test {
namespace {

TDayRecord Day(std::uint8_t status, double temperature, const char* note, std::uint8_t flag) {
    TDayRecord day;
    day.Status = status;
    day.Temperature = temperature;
    day.Note.Assign(note);
    day.Flag = flag;
    return day;
}

// Three days in the order the provider may leave them: not by date.
const std::vector<DatedRecord> kUnordered = {
    {{2005, 3, 2}, Day(2, 36.6, "cramps after lunch", 1)},
    {{2004, 1, 1}, Day(0, 36.45, "", 0)},
    {{2019, 12, 31}, Day(6, 0.0, "last day", 1)},
};

std::vector<DatedRecord> ByDate(std::vector<DatedRecord> records) {
    std::sort(records.begin(), records.end(), [](const DatedRecord& a, const DatedRecord& b) {
        return DateToSerial(a.date) < DateToSerial(b.date);
    });
    return records;
}

bool SendAndWait(HWND window, UINT message) {
    DWORD_PTR result = 0;
    return SendMessageTimeoutA(window, message, 0, 0, SMTO_ABORTIFHUNG, 15000, &result) != 0;
}

int CountMainWindows() {
    int count = 0;
    for (HWND window = FindWindowExA(nullptr, nullptr, kMainWindowClass, nullptr); window;
         window = FindWindowExA(nullptr, window, kMainWindowClass, nullptr))
        ++count;
    return count;
}

bool LeftoverFilesBesideTheJournal() {
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((LocalDataFile() + "?*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE)
        return false;
    FindClose(search);
    return true;
}

class MainWindow : public FirstStartTest {};

TEST_F(MainWindow, SaveRequestRewritesTheWholeFileInDateOrder) {
    WriteFileBytes(LocalDataFile(), EncodeRecords(kUnordered));
    CalendarProcess calendar;
    HWND window = calendar.WaitForMainWindow();
    ASSERT_NE(window, nullptr);

    ASSERT_TRUE(SendAndWait(window, messages::kSaveJournal));
    EXPECT_EQ(ReadFileBytes(LocalDataFile()), EncodeRecords(ByDate(kUnordered)));
    EXPECT_FALSE(LeftoverFilesBesideTheJournal());
}

TEST_F(MainWindow, ReloadRequestReplacesTheTable) {
    WriteFileBytes(LocalDataFile(), EncodeRecords(kUnordered));
    CalendarProcess calendar;
    HWND window = calendar.WaitForMainWindow();
    ASSERT_NE(window, nullptr);

    const std::vector<DatedRecord> replaced = {{{2010, 6, 15}, Day(3, 37.1, "synced", 0)}};
    WriteFileBytes(LocalDataFile(), EncodeRecords(replaced));
    ASSERT_TRUE(SendAndWait(window, messages::kReloadJournal));
    WriteFileBytes(LocalDataFile(), {});
    ASSERT_TRUE(SendAndWait(window, messages::kSaveJournal));
    EXPECT_EQ(ReadFileBytes(LocalDataFile()), EncodeRecords(replaced));
}

TEST_F(MainWindow, ClosingSavesTheTableAndRemembersTheUser) {
    WriteFileBytes(LocalDataFile(), EncodeRecords(kUnordered));
    CalendarProcess calendar;
    HWND window = calendar.WaitForMainWindow();
    ASSERT_NE(window, nullptr);
    WriteFileBytes(LocalDataFile(), {}); // only the close's save restores it

    PostMessageA(GetDlgItem(window, ids::CloseButton), BM_CLICK, 0, 0);
    ASSERT_TRUE(calendar.WaitForExit());
    EXPECT_EQ(ReadFileBytes(LocalDataFile()), EncodeRecords(ByDate(kUnordered)));
    EXPECT_EQ(ReadSetting("LastUser"), "Lunea");
}

TEST_F(MainWindow, FirstStartWithoutJournalCreatesAnEmptyOneOnClose) {
    CalendarProcess calendar;
    HWND window = calendar.WaitForMainWindow();
    ASSERT_NE(window, nullptr);
    PostMessageA(window, WM_CLOSE, 0, 0);
    ASSERT_TRUE(calendar.WaitForExit());
    EXPECT_NE(GetFileAttributesA(LocalDataFile().c_str()), INVALID_FILE_ATTRIBUTES);
    EXPECT_EQ(ReadFileBytes(LocalDataFile()), Bytes{});
}

TEST_F(MainWindow, JournalThatCouldNotBeReadIsNeverOverwritten) {
    const Bytes original = EncodeRecords(kUnordered);
    WriteFileBytes(LocalDataFile(), original);
    win::UniqueHandle held(CreateFileA(LocalDataFile().c_str(), GENERIC_READ, 0, nullptr,
                                       OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    ASSERT_TRUE(held);
    CalendarProcess calendar;
    HWND window = calendar.WaitForMainWindow();
    held.Reset();
    ASSERT_NE(window, nullptr);

    ASSERT_TRUE(SendAndWait(window, messages::kSaveJournal));
    PostMessageA(window, WM_CLOSE, 0, 0);
    ASSERT_TRUE(calendar.WaitForExit());
    EXPECT_EQ(ReadFileBytes(LocalDataFile()), original);
    EXPECT_FALSE(LeftoverFilesBesideTheJournal());
}

TEST_F(MainWindow, SecondCopyEndsAtOnceWithoutAWindowOrWrites) {
    CalendarProcess first;
    ASSERT_NE(first.WaitForMainWindow(), nullptr);

    CalendarProcess second;
    ASSERT_TRUE(second.Started());
    ASSERT_TRUE(second.WaitForExit(10000));
    EXPECT_EQ(second.ExitCode(), 0u);
    EXPECT_EQ(CountMainWindows(), 1);
    EXPECT_EQ(ReadSetting("LastUser"), ""); // only the first copy writes it, on exit
    EXPECT_EQ(GetFileAttributesA(LocalDataFile().c_str()), INVALID_FILE_ATTRIBUTES);
}

} // namespace
} // namespace lunea::test
