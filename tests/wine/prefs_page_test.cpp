// The Preferences page of the running program, worked from outside: its
// sheets, the real colour and save dialogs, the kind menu, the registry it
// writes. The first test leaves pictures of the three sheets and the menu.
#include "app/control_ids.h"
#include "common/unique_win.h"
#include "settings/prefs_ids.h"
#include "tests/wine/calendar_driver.h"
#include "tests/wine/journal_files.h"
#include "tests/wine/program_harness.h"
#include "tests/wine/screen_capture.h"

#include <commctrl.h>
#include <gtest/gtest.h>

namespace lunea::test {
namespace {

void PostKey(HWND window, WPARAM key) {
    PostMessageA(window, WM_KEYDOWN, key, 1);
    PostMessageA(window, WM_KEYUP, key, 0xC0000001);
}

void SetTextW(HWND control, const wchar_t* text) {
    SendMessageW(control, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text));
}

bool AnyFileBeginningWith(const std::string& folder, const std::string& prefix) {
    WIN32_FIND_DATAA found;
    const HANDLE search = FindFirstFileA((folder + "*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE)
        return false;
    bool any = false;
    do
        any |= std::string(found.cFileName).starts_with(prefix);
    while (FindNextFileA(search, &found));
    FindClose(search);
    return any;
}

class PrefsPage : public FirstStartTest {
  protected:
    CalendarDriver Start() {
        window_ = calendar_->WaitForMainWindow();
        EXPECT_NE(window_, nullptr);
        return CalendarDriver(window_);
    }
    void Launch() { calendar_ = std::make_unique<CalendarProcess>(); }
    // As a click on the tab does.
    void ShowSheet(const CalendarDriver& driver, int index) const {
        SendMessageA(driver.Control(prefs_ids::PrefsPageControl), TCM_SETCURFOCUS,
                     static_cast<WPARAM>(index), 0);
        // Painted before anyone looks.
        RedrawWindow(window_, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    }
    HWND WaitForDialog(const char* caption) const {
        return WaitForWindow(calendar_->ProcessId(), "#32770", caption);
    }
    void Close() {
        PostMessageA(window_, WM_CLOSE, 0, 0);
        ASSERT_TRUE(calendar_->WaitForExit());
    }
    std::unique_ptr<CalendarProcess> calendar_;
    HWND window_ = nullptr;
};

TEST_F(PrefsPage, ColourAndFertilePeriodAreStoredWhenLeftAndTheCalendarUsesThem) {
    Launch();
    const CalendarDriver driver = Start();
    driver.Click(ids::PrefsButton);
    ASSERT_TRUE(IsWindowVisible(driver.Control(ids::PrefsPage)));
    EXPECT_FALSE(IsWindowVisible(driver.Control(ids::MonthImage)));
    EXPECT_FALSE(IsWindowVisible(driver.Control(ids::MonthButton)));
    EXPECT_EQ(driver.Text(prefs_ids::AverageLengthLabel), "0 days");
    for (int sheet = 0; sheet < 3; ++sheet) {
        ShowSheet(driver, sheet);
        EXPECT_TRUE(SaveWindowLook(window_, "prefs-look-" + std::to_string(sheet) + ".bmp"));
    }

    PostMessageA(driver.Control(prefs_ids::ClearDayColor), WM_LBUTTONDOWN, MK_LBUTTON,
                 MAKELPARAM(4, 4));
    const HWND colours = WaitForDialog(nullptr);
    ASSERT_NE(colours, nullptr);
    // The colour dialog's red, green and blue boxes.
    SetTextW(GetDlgItem(colours, 706), L"10");
    SetTextW(GetDlgItem(colours, 707), L"200");
    SetTextW(GetDlgItem(colours, 708), L"30");
    SendMessageW(GetDlgItem(colours, IDOK), BM_CLICK, 0, 0);
    ASSERT_TRUE(WaitUntilGone(colours, 5000));
    ASSERT_TRUE(WaitUntilForeground(window_, 5000));

    // Wine may still be moving the activation back from the colour dialog,
    // which cancels a menu opened meanwhile; a person would click again.
    HWND menu = nullptr;
    for (int click = 0; click < 3 && !menu; ++click) {
        PostMessageA(driver.Control(prefs_ids::IconSlotButtons + 7), BM_CLICK, 0, 0);
        menu = WaitForWindow(calendar_->ProcessId(), "#32768", nullptr, 3000);
    }
    ASSERT_NE(menu, nullptr);
    EXPECT_TRUE(SaveWindowLook(menu, "prefs-kind-menu-look.bmp"));
    PostMessageA(menu, WM_KEYDOWN, VK_ESCAPE, 0);
    ASSERT_TRUE(WaitUntilHidden(menu, 5000));

    ShowSheet(driver, 1);
    driver.SetText(prefs_ids::OvulationSpinEdit, "3");
    driver.SetText(prefs_ids::MenstruationSpinEdit, "25"); // typed past the range
    EXPECT_TRUE(driver.Checked(prefs_ids::ShowCoverlineBox)) << "on by default";
    driver.Click(prefs_ids::ShowCoverlineBox);
    driver.Click(ids::CalendarButton);
    EXPECT_EQ(ReadSetting("Color1"), std::to_string(Rgb(10, 200, 30)));
    EXPECT_EQ(ReadSetting("Ovulation"), "3");
    EXPECT_EQ(ReadSetting("Menstruation"), "10");
    EXPECT_EQ(ReadSetting("TempFormat"), "Celsius");
    EXPECT_EQ(ReadSetting("Coverline"), "0");
    EXPECT_TRUE(IsWindowVisible(driver.Control(ids::MonthImage)));
    driver.ShowMonth(2019, 12);
    EXPECT_EQ(driver.CellColor(2019, 12, 10), Rgb(10, 200, 30)) << "a clear day";
}

TEST_F(PrefsPage, ClickingTheButtonOfThePageThatShowsKeepsWhatWasTypedOnIt) {
    Launch();
    const CalendarDriver driver = Start();
    driver.Click(ids::CalendarButton);
    EXPECT_TRUE(driver.Checked(ids::CalendarButton));
    driver.Click(ids::PrefsButton);
    ShowSheet(driver, 1);
    driver.SetText(prefs_ids::OvulationSpinEdit, "7");
    driver.Click(ids::PrefsButton);
    EXPECT_TRUE(IsWindowVisible(driver.Control(ids::PrefsPage)));
    EXPECT_TRUE(driver.Checked(ids::PrefsButton));
    EXPECT_EQ(driver.Text(prefs_ids::OvulationSpinEdit), "7") << "not refilled from the registry";
    driver.Click(ids::CalendarButton);
    EXPECT_EQ(ReadSetting("Ovulation"), "7");
}

TEST_F(PrefsPage, DefaultsResetEstimatesAndPasswordButNotTheTemperatureFormat) {
    WriteSetting("TempFormat", "Fahrenheit");
    WriteSetting("FCycles", "30");
    WriteSetting("Menstruation", "8");
    WriteSetting("calIcon0", "99"); // hand-edited: outside the kinds
    Launch();
    const CalendarDriver driver = Start();
    driver.Click(ids::PrefsButton);
    EXPECT_EQ(driver.Text(prefs_ids::IconSlotButtons), "None");
    EXPECT_TRUE(driver.Checked(prefs_ids::CustomButton));
    ShowSheet(driver, 2);
    driver.Click(prefs_ids::CustomDefault);
    EXPECT_TRUE(driver.Checked(prefs_ids::AverageButton));
    EXPECT_EQ(driver.Text(prefs_ids::MenstruationSpinEdit), "5");
    EXPECT_EQ(driver.Text(prefs_ids::IconSlotButtons), "Protection");
    driver.Click(ids::CalendarButton);
    EXPECT_EQ(ReadSetting("FCycles"), "0");
    EXPECT_EQ(ReadSetting("Menstruation"), "5");
    EXPECT_EQ(ReadSetting("calIcon0"), "1");
    EXPECT_EQ(ReadSetting("TempFormat"), "Fahrenheit");
}

TEST_F(PrefsPage, ThePasswordGuardsThePageAndAnEmptiedOneIsSaidToBeDisabled) {
    WriteSetting("Quorv", "pw");
    Launch();
    const HWND start =
        WaitForWindow(calendar_->ProcessId(), "LuneaDialog", "Lunea Calendar Protection", 20000);
    ASSERT_NE(start, nullptr);
    SetTextW(GetDlgItem(start, 10), L"pw");
    PostKey(GetDlgItem(start, 10), VK_RETURN);
    const CalendarDriver driver = Start();

    PostMessageA(driver.Control(ids::PrefsButton), BM_CLICK, 0, 0);
    HWND prompt = WaitForWindow(calendar_->ProcessId(), "LuneaDialog", "Lunea Calendar Protection");
    ASSERT_NE(prompt, nullptr);
    PostKey(GetDlgItem(prompt, 10), VK_ESCAPE);
    ASSERT_TRUE(WaitUntilGone(prompt, 5000));
    EXPECT_FALSE(IsWindowVisible(driver.Control(ids::PrefsPage))) << "the calendar stays";
    EXPECT_TRUE(driver.Checked(ids::CalendarButton));

    PostMessageA(driver.Control(ids::PrefsButton), BM_CLICK, 0, 0);
    prompt = WaitForWindow(calendar_->ProcessId(), "LuneaDialog", "Lunea Calendar Protection");
    ASSERT_NE(prompt, nullptr);
    SetTextW(GetDlgItem(prompt, 10), L"pw");
    PostKey(GetDlgItem(prompt, 10), VK_RETURN);
    ASSERT_TRUE(WaitUntilGone(prompt, 5000));
    driver.SetText(prefs_ids::PasswordEdit, "");
    PostMessageA(driver.Control(ids::CalendarButton), BM_CLICK, 0, 0);
    const HWND box = WaitForMessageBox(calendar_->ProcessId());
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(MessageBoxText(box), "Password is disabled!");
    SendMessageA(GetDlgItem(box, IDOK), BM_CLICK, 0, 0);
    ASSERT_TRUE(WaitUntilGone(box, 5000));
    ASSERT_TRUE(driver.Save()) << "the program got past the box";
    EXPECT_EQ(ReadSetting("Quorv"), "");
}

TEST_F(PrefsPage, BoyGirlInASlotShowsBeforeThePageIsLeft) {
    Launch();
    const CalendarDriver driver = Start();
    driver.Click(ids::PrefsButton);
    ShowSheet(driver, 2);
    ASSERT_TRUE(driver.ChooseFromMenu(prefs_ids::IconSlotButtons, 10));
    EXPECT_EQ(driver.Text(prefs_ids::IconSlotButtons), "Boy/Girl");
    Close();
    // Written with the rest at the close, since the page was still open.
    EXPECT_EQ(ReadSetting("calIcon0"), "10");
}

TEST_F(PrefsPage, ClearingTheDatabaseThenClosingWritesAnEmptyFile) {
    TDayRecord day;
    day.Status = 2;
    WriteFileBytes(LocalDataFile(), EncodeRecords({{{2019, 5, 1}, day}}));
    Launch();
    const CalendarDriver driver = Start();
    driver.Click(ids::PrefsButton);
    PostMessageA(driver.Control(prefs_ids::ClearDatabaseButton), BM_CLICK, 0, 0);
    HWND box = WaitForMessageBox(calendar_->ProcessId());
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(MessageBoxText(box), "Clear entire database? Are you sure?");
    SendMessageA(GetDlgItem(box, IDYES), BM_CLICK, 0, 0);
    ASSERT_TRUE(WaitUntilGone(box, 5000));
    box = WaitForMessageBox(calendar_->ProcessId());
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(MessageBoxText(box), "Database is empty!");
    SendMessageA(GetDlgItem(box, IDOK), BM_CLICK, 0, 0);
    ASSERT_TRUE(WaitUntilGone(box, 5000));
    Close();
    EXPECT_EQ(ReadFileBytes(LocalDataFile()), Bytes{});
}

TEST_F(PrefsPage, TheExportWritesTheJournalWhereTheSaveDialogSaysAndTellsWhereItCannot) {
    TDayRecord day;
    day.Flag = 1;
    day.Temperature = 36.55;
    day.Note.Assign("x");
    WriteFileBytes(LocalDataFile(), EncodeRecords({{{2003, 10, 7}, day}}));
    const std::string exported = BinaryFolder() + "export test.csv";
    // Held open without sharing by another program: it cannot be written.
    const std::string blocked = BinaryFolder() + "blocked.csv";
    DeleteFileA(exported.c_str());
    WriteFileBytes(blocked, Bytes{'o', 'l', 'd'});
    win::UniqueHandle holder(CreateFileA(blocked.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                                         FILE_ATTRIBUTE_NORMAL, nullptr));
    ASSERT_TRUE(holder);
    Launch();
    const CalendarDriver driver = Start();
    driver.Click(ids::PrefsButton);
    for (const std::string& path : {exported, blocked}) {
        PostMessageA(driver.Control(prefs_ids::ExportCsvButton), BM_CLICK, 0, 0);
        const HWND save = WaitForDialog(nullptr);
        ASSERT_NE(save, nullptr);
        const std::wstring wide(path.begin(), path.end());
        SetTextW(GetDlgItem(save, 1148), wide.c_str());
        PostMessageW(GetDlgItem(save, IDOK), BM_CLICK, 0, 0);
        ASSERT_TRUE(WaitUntilHidden(save, 5000));
        ASSERT_TRUE(calendar_->WaitUntilIdle());
        Sleep(300);
        const HWND box = WaitForMessageBox(calendar_->ProcessId(), path == blocked ? 5000 : 500);
        if (path == exported) {
            EXPECT_EQ(box, nullptr) << "a written export says nothing";
            continue;
        }
        ASSERT_NE(box, nullptr) << "the user chose a file: its failure is told";
        EXPECT_FALSE(MessageBoxText(box).empty());
        SendMessageA(GetDlgItem(box, IDOK), BM_CLICK, 0, 0);
        ASSERT_TRUE(calendar_->WaitUntilIdle());
    }
    const std::string expected =
        "Date DD.MM.YYYY;Flag;Status;Appointment;Temperature;PMS;Sex;Cramping;Secrets;"
        "Protect;Note\r\n7.10.2003;1;0;0;36.55;0;0;0;0;0;\"x\"\r\n";
    EXPECT_EQ(ReadFileBytes(exported), Bytes(expected.begin(), expected.end()));
    EXPECT_FALSE(AnyFileBeginningWith(BinaryFolder(), "blocked.csv."))
        << "no temporary file beside the blocked name";
    holder.Reset();
    EXPECT_EQ(ReadFileBytes(blocked), (Bytes{'o', 'l', 'd'}));
    Close();
    DeleteFileA(exported.c_str());
    DeleteFileA(blocked.c_str());
}

} // namespace
} // namespace lunea::test
