// The report window of the running program: opening and closing it from the
// main window, the cycle list, the views, and the picture it saves and
// prints (reports-standard-look.bmp, reports-advanced-look.bmp for the eye).
#include "app/control_ids.h"
#include "common/desktop_contract.h"
#include "components/canvas/bmp_file.h"
#include "reports/report_control_ids.h"
#include "reports/report_renderer.h"
#include "tests/wine/bmp_reader.h"
#include "tests/wine/calendar_driver.h"
#include "tests/wine/journal_files.h"
#include "tests/wine/native_command.h"
#include "tests/wine/page_pixels.h"
#include "tests/wine/printed_pages.h"
#include "tests/wine/printer_harness.h"
#include "tests/wine/program_harness.h"
#include "tests/wine/screen_capture.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace lunea::test {
namespace {

namespace rids = report_ids;

// Cycles of 27 to 31 days from 3 March 2026 on, each with four days of flow,
// intercourse on day 12, a biphasic temperature curve and a note on day 2.
std::vector<DatedRecord> Cycles(int count) {
    std::vector<DatedRecord> records;
    std::int32_t start = DateToSerial({2026, 3, 3});
    for (int cycle = 0; cycle < count; ++cycle) {
        const int length = 27 + cycle % 5;
        for (int i = 0; i < length; ++i) {
            TDayRecord day;
            day.Status = i < 4 ? (i == 1 ? 3 : 2) : 0;
            day.Sex = i == 11;
            if (i % 6 != 5)
                day.Temperature = (i < length - 14 ? 36.35 : 36.85) + 0.05 * ((i * 7) % 3);
            if (i == 1)
                day.Note.Assign("cramps in the morning");
            records.push_back({SerialToDate(start + i), day});
        }
        start += length;
    }
    return records;
}

class Reports : public FirstStartTest {
  protected:
    void Launch(const std::vector<DatedRecord>& records) {
        WriteFileBytes(LocalDataFile(), EncodeRecords(records));
        calendar_ = std::make_unique<CalendarProcess>();
        main_ = calendar_->WaitForMainWindow();
        ASSERT_NE(main_, nullptr);
    }
    // Clicks the main window's Reports button and waits for the window.
    HWND OpenReports() const {
        PostMessageA(CalendarDriver(main_).Control(ids::ReportsButton), BM_CLICK, 0, 0);
        return WaitForWindow(calendar_->ProcessId(), "TReportsForm", nullptr);
    }
    // The picture's size, as its window in the scroll box has it.
    static PictureSize PictureOf(HWND report) {
        RECT bounds{};
        const HWND picture = CalendarDriver(report).Control(rids::ReportsImage);
        if (!IsWindowVisible(picture) || !GetWindowRect(picture, &bounds))
            return {};
        return {bounds.right - bounds.left, bounds.bottom - bounds.top};
    }
    // Painted in full before anyone looks.
    bool SaveLook(HWND report, const char* name) const {
        calendar_->WaitUntilIdle();
        RedrawWindow(report, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
        // A maximized window's frame reaches past the screen's edges.
        RECT shown{};
        const RECT screen{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
        RECT frame{};
        return GetWindowRect(report, &frame) && IntersectRect(&shown, &frame, &screen) &&
               SaveBmp(BinaryFolder() + name, CaptureScreenRect(shown));
    }
    static void Command(HWND report, int command) {
        SendMessageA(report, WM_COMMAND, static_cast<WPARAM>(command), 0);
    }
    // The first page of the job printed next with that document name, in
    // pixels at 50 dpi, after the Print dialog that its command opens is
    // accepted (the command is posted: the dialog runs its own loop).
    PictureSize PrintedPageSize(HWND commandTarget, UINT message, WPARAM command,
                                const std::string& documentName, const std::string& keptAs) const {
        PrintedPdfs printed;
        PostMessageA(commandTarget, message, command, 0);
        if (!PressDialogButton(calendar_->ProcessId(), "Print", IDOK))
            return {};
        const auto pdf = printed.WaitFor(documentName, keptAs);
        const auto page = pdf ? RenderPdfPage(*pdf, 1, 50) : std::nullopt;
        return page ? PictureSize{page->width, page->height} : PictureSize{};
    }
    std::unique_ptr<CalendarProcess> calendar_;
    HWND main_ = nullptr;
};

TEST_F(Reports, WithoutACycleTheyAreNotOpenedAndTheButtonComesBackUp) {
    Launch({});
    const CalendarDriver driver(main_);
    PostMessageA(driver.Control(ids::ReportsButton), BM_CLICK, 0, 0);
    const HWND box = WaitForMessageBox(calendar_->ProcessId());
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(MessageBoxText(box),
              "There is no data to show. You must enter at least one cycle first.");
    PostMessageA(box, WM_COMMAND, IDOK, 0);
    ASSERT_TRUE(WaitUntilGone(box, 5000));
    EXPECT_FALSE(driver.Checked(ids::ReportsButton));
    EXPECT_EQ(WaitForWindow(calendar_->ProcessId(), "TReportsForm", nullptr, 500), nullptr);
}

TEST_F(Reports, FiveCyclesAreListedOldestFirstAndAClickedLineDrawsWhatRemains) {
    const auto records = Cycles(5);
    Launch(records);
    const HWND report = OpenReports();
    ASSERT_NE(report, nullptr);
    const CalendarDriver window(report);
    EXPECT_TRUE(IsZoomed(report));
    EXPECT_TRUE(CalendarDriver(main_).Checked(ids::ReportsButton)) << "down while open";
    char caption[64] = {};
    GetWindowTextA(report, caption, sizeof caption);
    EXPECT_STREQ(caption, "Standard Report");

    const HWND list = window.Control(rids::CycleList);
    ASSERT_EQ(SendMessageA(list, LB_GETCOUNT, 0, 0), 5);
    wchar_t line[64] = {};
    SendMessageW(list, LB_GETTEXT, 0, reinterpret_cast<LPARAM>(line));
    EXPECT_STREQ(line, L"3/3/2026") << "oldest first, in the session's en-US short date";
    EXPECT_EQ(SendMessageA(list, LB_GETCURSEL, 0, 0), 0);
    EXPECT_EQ(PictureOf(report), (PictureSize{866, 3 * 534}));
    EXPECT_TRUE(SaveLook(report, "reports-standard-look.bmp"));

    // The fourth line: only cycles 4 and 5 remain.
    window.MouseAt(rids::CycleList, 10, 3 * 15 + 7);
    EXPECT_EQ(SendMessageA(list, LB_GETITEMHEIGHT, 0, 0), 15);
    EXPECT_EQ(SendMessageA(list, LB_GETCURSEL, 0, 0), 3);
    EXPECT_EQ(PictureOf(report), (PictureSize{866, 2 * 534}));

    // An edit in the main window brings the report back to the first cycle.
    const CalendarDriver driver(main_);
    driver.ShowMonth(2026, 3);
    driver.ClickDay(2026, 3, 20);
    driver.Click(ids::PMSBox);
    ASSERT_TRUE(calendar_->WaitUntilIdle());
    EXPECT_EQ(SendMessageA(list, LB_GETCURSEL, 0, 0), 0);
    EXPECT_EQ(PictureOf(report), (PictureSize{866, 3 * 534}));
}

TEST_F(Reports, TheAdvancedViewsRowsSetThePicturesHeightAndItsNotes) {
    Launch(Cycles(5));
    const HWND report = OpenReports();
    ASSERT_NE(report, nullptr);
    const CalendarDriver window(report);
    Command(report, rids::AdvancedView);
    char caption[64] = {};
    GetWindowTextA(report, caption, sizeof caption);
    EXPECT_STREQ(caption, "Advanced Report");
    EXPECT_EQ(PictureOf(report), (PictureSize{826, 3 * (19 * 18 + 30)}));
    EXPECT_EQ(window.Text(rids::NotesEdit).rfind("Notes for cycle: ", 0), 0u);
    window.SetText(rids::CyclesInPageEdit, "6");
    EXPECT_EQ(PictureOf(report), (PictureSize{826, 5 * (19 * 18 + 30)})) << "five remain";
    EXPECT_TRUE(SaveLook(report, "reports-advanced-look.bmp"));

    Command(report, rids::TemperatureRow); // 7 rows fewer
    Command(report, rids::NotesRow);       // none
    EXPECT_EQ(PictureOf(report), (PictureSize{826, 5 * (12 * 18 + 30)}));
    EXPECT_EQ(window.Text(rids::NotesEdit), "");

    Command(report, rids::StandardView);
    EXPECT_EQ(window.Text(rids::CyclesInPageEdit), "6") << "kept when the maximum falls to 3";
    EXPECT_EQ(PictureOf(report), (PictureSize{866, 5 * 534}));
}

TEST_F(Reports, TheCloseBoxReleasesTheButtonAndTheNextOpeningStartsAfresh) {
    Launch(Cycles(2));
    HWND report = OpenReports();
    ASSERT_NE(report, nullptr);
    Command(report, rids::AdvancedView);
    PostMessageA(report, WM_SYSCOMMAND, SC_CLOSE, 0);
    ASSERT_TRUE(WaitUntilGone(report, 5000));
    const CalendarDriver driver(main_);
    EXPECT_FALSE(driver.Checked(ids::ReportsButton));

    report = OpenReports();
    ASSERT_NE(report, nullptr);
    char caption[64] = {};
    GetWindowTextA(report, caption, sizeof caption);
    EXPECT_STREQ(caption, "Standard Report");
    // The Reports button closes it as well.
    driver.Click(ids::ReportsButton);
    EXPECT_TRUE(WaitUntilGone(report, 5000));
    EXPECT_FALSE(driver.Checked(ids::ReportsButton));
    // And Escape, wherever the focus is.
    report = OpenReports();
    ASSERT_NE(report, nullptr);
    PostMessageA(CalendarDriver(report).Control(rids::CycleList), WM_KEYDOWN, VK_ESCAPE, 0);
    EXPECT_TRUE(WaitUntilGone(report, 5000));
    EXPECT_FALSE(driver.Checked(ids::ReportsButton));
    EXPECT_TRUE(driver.Save()) << "the program goes on";
}

TEST_F(Reports, EscapeInTheNotesBoxKeepsTheWindowAndWhatWasTyped) {
    Launch(Cycles(2));
    const HWND report = OpenReports();
    ASSERT_NE(report, nullptr);
    const CalendarDriver window(report);
    // Clicked into first, as a person does before typing.
    const HWND notes = window.Control(rids::NotesEdit);
    PostMessageA(notes, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(4, 4));
    PostMessageA(notes, WM_LBUTTONUP, 0, MAKELPARAM(4, 4));
    for (const char typed : std::string("see a doctor"))
        PostMessageA(notes, WM_CHAR, static_cast<WPARAM>(typed), 1);
    PostMessageA(notes, WM_KEYDOWN, VK_ESCAPE, 1);
    PostMessageA(notes, WM_KEYUP, VK_ESCAPE, 0xC0000001);
    EXPECT_FALSE(WaitUntilGone(report, 1500)) << "the typed notes went with the window";
    EXPECT_EQ(window.Text(rids::NotesEdit), "see a doctor");

    const HWND list = window.Control(rids::CycleList);
    PostMessageA(list, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(4, 4));
    PostMessageA(list, WM_LBUTTONUP, 0, MAKELPARAM(4, 4));
    PostMessageA(list, WM_KEYDOWN, VK_ESCAPE, 1);
    EXPECT_TRUE(WaitUntilGone(report, 5000)) << "elsewhere Escape closes it";
    EXPECT_TRUE(CalendarDriver(main_).Save()) << "the program goes on";
}

int PdfPages(const std::string& pdf) {
    const auto info = RunNativeCommand({"pdfinfo", UnixPathOf(pdf)});
    const auto pages = info ? info->output.find("Pages:") : std::string::npos;
    return pages == std::string::npos ? 0 : std::atoi(info->output.c_str() + pages + 6);
}

TEST_F(Reports, SaveAsBitmapWritesThePictureUnderTheNameOfItsFirstCycle) {
    Launch(Cycles(5));
    const HWND report = OpenReports();
    ASSERT_NE(report, nullptr);
    const std::string saved = BinaryFolder() + "report-saved.bmp";
    DeleteFileA(saved.c_str());
    PostMessageA(report, WM_COMMAND, rids::SaveBitmapButton, 0);
    const HWND dialog = WaitForWindow(calendar_->ProcessId(), "#32770", "Save As Bitmap");
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(CalendarDriver(dialog).Text(1148), "Cycle3.3.2026.bmp");
    const std::wstring wide(saved.begin(), saved.end());
    SetWindowTextW(GetDlgItem(dialog, 1148), wide.c_str());
    PostMessageW(GetDlgItem(dialog, IDOK), BM_CLICK, 0, 0);
    ASSERT_TRUE(WaitUntilGone(dialog, 5000));
    // Answered only once the command that wrote the file has returned.
    DWORD_PTR answer = 0;
    ASSERT_TRUE(SendMessageTimeoutA(report, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 20000, &answer));

    const auto picture = ReadBmp(saved);
    ASSERT_TRUE(picture);
    ASSERT_EQ(picture->width, 866);
    ASSERT_EQ(picture->height, 3 * 534);
    EXPECT_EQ(picture->At(70, 300), kBlack) << "the grid's left line";
    EXPECT_EQ(picture->At(30, 520), kWhite) << "the gap below a block";
    const Color red[] = {kRed};
    const Rect points = BoundsOf(*picture, red, 0);
    EXPECT_GE(points.top, 126 - 4) << "the curve's points within the temperature area";
    const Rect drops = BoundsOf(*picture, red, 60);
    EXPECT_LE(drops.top, 73 + 16) << "the first cycle's drops in the Menses row";
    DeleteFileA(saved.c_str());
}

TEST_F(Reports, PrintingPutsTheTitleAboveThePictureAndTheAdvancedNotesFollow) {
    Launch(Cycles(5));
    const HWND report = OpenReports();
    ASSERT_NE(report, nullptr);
    PrintedPdfs printed;
    PostMessageA(report, WM_COMMAND, rids::PrintCommand, 0);
    ASSERT_TRUE(PressDialogButton(calendar_->ProcessId(), "Print", IDOK));
    const auto pdf = printed.WaitFor("LuneaDesktop Report", "printed-standard-report.pdf");
    ASSERT_TRUE(pdf);
    EXPECT_EQ(PdfPages(*pdf), 1);
    constexpr int kDpi = 50;
    const auto page = RenderPdfPage(*pdf, 1, kDpi);
    ASSERT_TRUE(page);
    const Rect ink = InkBounds(*page);
    EXPECT_NEAR(ink.left, page->width * 8 / 100, 2) << "8 % left margin";
    EXPECT_NEAR(page->width - ink.right, page->width * 8 / 100, 2) << "and right";
    const Color black[] = {kBlack};
    const Rect grid = BoundsOf(*page, black, 60);
    EXPECT_GT(grid.Height(), page->height / 2) << "three blocks stretched down the page";
    const Rect corner{ink.left, ink.top, ink.left + 8, ink.top + 8};
    EXPECT_EQ(ShareOf(*page, corner, kWhite, 30), 1.0)
        << "the topmost ink is the centred title, not the picture's corner";

    Command(report, rids::AdvancedView);
    PrintedPdfs again;
    PostMessageA(report, WM_COMMAND, rids::PrintButton, 0);
    ASSERT_TRUE(PressDialogButton(calendar_->ProcessId(), "Print", IDOK));
    EXPECT_TRUE(again.WaitFor("LuneaDesktop Report", "printed-advanced-report.pdf"));
    const auto notes = again.WaitFor("Lunea Desktop Notes", "printed-report-notes.pdf");
    ASSERT_TRUE(notes) << "the notes' own job";
    EXPECT_GE(PdfPages(*notes), 1);
    EXPECT_TRUE(CalendarDriver(main_).Save()) << "the program goes on";
}

TEST_F(Reports, ThePaperChosenInPrintSetupHoldsForTheChartAndTheNextReportWindow) {
    // The session's printer starts on A4 (413 x 585 at 50 dpi).
    constexpr PictureSize kLetter{425, 550};
    Launch(Cycles(2));
    HWND report = OpenReports();
    ASSERT_NE(report, nullptr);
    PostMessageA(report, WM_COMMAND, rids::PrintSetupCommand, 0);
    ASSERT_TRUE(ChoosePaper(calendar_->ProcessId(), DMPAPER_LETTER));
    ASSERT_TRUE(PressDialogButton(calendar_->ProcessId(), "Print Setup", IDOK));
    PostMessageA(report, WM_SYSCOMMAND, SC_CLOSE, 0);
    ASSERT_TRUE(WaitUntilGone(report, 5000));

    const CalendarDriver driver(main_);
    driver.Click(ids::ChartsButton);
    EXPECT_EQ(PrintedPageSize(driver.Control(ids::PrintChartButton), BM_CLICK, 0, "Lunea Chart",
                              "printed-chart-on-letter.pdf"),
              kLetter)
        << "the chart printed on the paper the report window chose";

    report = OpenReports();
    ASSERT_NE(report, nullptr);
    EXPECT_EQ(PrintedPageSize(report, WM_COMMAND, rids::PrintCommand, "LuneaDesktop Report",
                              "printed-report-on-letter.pdf"),
              kLetter)
        << "and the report window opened again";
}

TEST_F(Reports, AReloadUnderThePrintDialogRedrawsTheWindowAndThePrintKeepsItsOwnPicture) {
    Launch(Cycles(5));
    const HWND report = OpenReports();
    ASSERT_NE(report, nullptr);
    PrintedPdfs printed;
    PostMessageA(report, WM_COMMAND, rids::PrintCommand, 0);
    ASSERT_NE(WaitForWindow(calendar_->ProcessId(), "#32770", "Print", 20000), nullptr);
    // As the sync provider does after it changed the journal.
    WriteFileBytes(LocalDataFile(), EncodeRecords(Cycles(2)));
    DWORD_PTR result = 0;
    ASSERT_NE(SendMessageTimeoutA(main_, messages::kReloadJournal, 0, 0, SMTO_ABORTIFHUNG, 15000,
                                  &result),
              0);
    const HWND list = CalendarDriver(report).Control(rids::CycleList);
    EXPECT_EQ(SendMessageA(list, LB_GETCOUNT, 0, 0), 2) << "redrawn under the dialog";
    ASSERT_TRUE(PressDialogButton(calendar_->ProcessId(), "Print", IDOK));
    const auto pdf = printed.WaitFor("LuneaDesktop Report", "printed-report-after-reload.pdf");
    ASSERT_TRUE(pdf);
    const auto page = RenderPdfPage(*pdf, 1, 50);
    ASSERT_TRUE(page);
    const Color black[] = {kBlack};
    const Rect grid = BoundsOf(*page, black, 60);
    // Three blocks of 866 x 534 (five cycles, three to a page), not the two
    // the window shows after the reload.
    EXPECT_NEAR(static_cast<double>(grid.Height()) / grid.Width(), 3 * 534.0 / 866, 0.1)
        << "printed as it was when Print was chosen";
    EXPECT_TRUE(CalendarDriver(main_).Save()) << "the program goes on";
}

TEST_F(Reports, ClosingTheMainWindowUnderTheirPrintDialogWaitsForItThenEndsCleanly) {
    Launch(Cycles(2));
    const HWND report = OpenReports();
    ASSERT_NE(report, nullptr);
    PostMessageA(report, WM_COMMAND, rids::PrintCommand, 0);
    ASSERT_NE(WaitForWindow(calendar_->ProcessId(), "#32770", "Print", 20000), nullptr);
    EXPECT_FALSE(IsWindowEnabled(main_)) << "no input while the dialog runs";
    // As the task bar closes it, which a disabled window does not prevent.
    PostMessageA(main_, WM_CLOSE, 0, 0);
    EXPECT_FALSE(calendar_->WaitForExit(1000)) << "the close waits for the dialog";
    ASSERT_TRUE(PressDialogButton(calendar_->ProcessId(), "Print", IDCANCEL));
    ASSERT_TRUE(calendar_->WaitForExit());
    EXPECT_EQ(calendar_->ExitCode(), 0u);
    EXPECT_EQ(ReadSavedJournal()->At(2026, 3, 4).Status, 3) << "the journal was saved whole";
}

// Windows ending the session under the dialog: the report window it returns
// into outlives the end, and the journal is saved once the session is asked.
TEST_F(Reports, TheSessionsEndUnderTheirPrintDialogLeavesTheDialogItsWindow) {
    Launch(Cycles(2));
    const HWND report = OpenReports();
    ASSERT_NE(report, nullptr);
    PostMessageA(report, WM_COMMAND, rids::PrintCommand, 0);
    const HWND dialog = WaitForWindow(calendar_->ProcessId(), "#32770", "Print", 20000);
    ASSERT_NE(dialog, nullptr);
    DWORD_PTR result = 0;
    ASSERT_TRUE(SendMessageTimeoutA(main_, WM_QUERYENDSESSION, 0, 0, SMTO_BLOCK, 15000, &result));
    EXPECT_EQ(result, TRUE);
    ASSERT_TRUE(SendMessageTimeoutA(main_, WM_ENDSESSION, TRUE, 0, SMTO_BLOCK, 15000, &result));
    EXPECT_TRUE(IsWindow(report) && IsWindow(dialog)) << "neither taken down under the call";
    EXPECT_EQ(ReadSavedJournal()->At(2026, 3, 4).Status, 3) << "saved when the session asked";
    ASSERT_TRUE(PressDialogButton(calendar_->ProcessId(), "Print", IDCANCEL));
    PostMessageA(main_, WM_CLOSE, 0, 0);
    ASSERT_TRUE(calendar_->WaitForExit());
    EXPECT_EQ(calendar_->ExitCode(), 0u);
}

} // namespace
} // namespace lunea::test
