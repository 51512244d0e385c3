// The printing layer on the session's real printer: LuneaTestPage.exe prints
// the test page through it, CUPS-PDF writes the job as a PDF, and the page
// pdftoppm renders from it is checked against the page's layout.
#include "common/unique_win.h"
#include "reports/report_page_geometry.h"
#include "tests/testpage/test_page_layout.h"
#include "tests/wine/native_command.h"
#include "tests/wine/page_pixels.h"
#include "tests/wine/printed_pages.h"
#include "tests/wine/printer_harness.h"
#include "tests/wine/program_harness.h"
#include "tests/wine/test_files.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <span>
#include <string>
#include <vector>

namespace lunea::test {
namespace {

constexpr int kRenderDpi = 50;
constexpr int kColourTolerance = 8;

// LuneaTestPage.exe started with the arguments, its output going to a file.
class TestPageProcess {
  public:
    explicit TestPageProcess(const std::vector<std::string>& arguments)
        : outputPath_(BinaryFolder() + "test-page-output.txt") {
        SECURITY_ATTRIBUTES inherited{sizeof inherited, nullptr, TRUE};
        win::UniqueHandle output(CreateFileA(outputPath_.c_str(), GENERIC_WRITE, FILE_SHARE_READ,
                                             &inherited, CREATE_ALWAYS, 0, nullptr));
        std::string commandLine = "\"" + BinaryFolder() + "LuneaTestPage.exe\"";
        for (const std::string& argument : arguments)
            commandLine += " \"" + argument + "\"";
        STARTUPINFOA startup{};
        startup.cb = sizeof startup;
        startup.dwFlags = STARTF_USESTDHANDLES;
        startup.hStdOutput = output.Get();
        startup.hStdError = output.Get();
        PROCESS_INFORMATION info{};
        if (output && CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, TRUE, 0,
                                     nullptr, BinaryFolder().c_str(), &startup, &info)) {
            win::UniqueHandle thread(info.hThread);
            process_ = win::UniqueHandle(info.hProcess);
            processId_ = info.dwProcessId;
        }
    }
    ~TestPageProcess() {
        if (process_ && WaitForSingleObject(process_.Get(), 0) == WAIT_TIMEOUT)
            TerminateProcess(process_.Get(), 99);
    }
    TestPageProcess(const TestPageProcess&) = delete;
    TestPageProcess& operator=(const TestPageProcess&) = delete;

    DWORD ProcessId() const { return processId_; }
    // The exit code once it ended (0 printed, 1 cancelled, 2 failed); -1
    // when it did not start or did not end in time.
    int WaitForExit(DWORD timeoutMs = 60000) const {
        DWORD code = 0;
        if (!process_ || WaitForSingleObject(process_.Get(), timeoutMs) != WAIT_OBJECT_0 ||
            !GetExitCodeProcess(process_.Get(), &code))
            return -1;
        return static_cast<int>(code);
    }
    // Its one line of output, without the line break.
    std::string Output() const {
        const auto bytes = ReadFileBytes(outputPath_);
        std::string text = bytes ? std::string(bytes->begin(), bytes->end()) : std::string();
        while (!text.empty() && (text.back() == '\n' || text.back() == '\r'))
            text.pop_back();
        return text;
    }

  private:
    std::string outputPath_;
    win::UniqueHandle process_;
    DWORD processId_ = 0;
};

// The rendered page holds the test page: nothing outside the margins, the
// bands and the picture's quadrants in their colours and places, the picture
// undistorted.
void ExpectTestPage(const PixelImage& page) {
    ASSERT_GT(page.width, 0);
    // The printer's page is A4, 210 x 297 mm.
    EXPECT_NEAR(static_cast<double>(page.width) / page.height, 210.0 / 297.0, 0.005);
    const test_page::Layout layout =
        test_page::LayoutOf({page.width, page.height, kRenderDpi, kRenderDpi});

    const Rect ink = InkBounds(page);
    ASSERT_GT(ink.Width(), 0) << "the page is blank";
    EXPECT_GE(ink.left, layout.area.left - 1);
    EXPECT_GE(ink.top, layout.area.top - 1);
    EXPECT_LE(ink.right, layout.area.right + 1);
    EXPECT_LE(ink.bottom, layout.area.bottom + 1);

    for (std::size_t i = 0; i < layout.bands.size(); ++i)
        EXPECT_GT(
            ShareOf(page, Shrunk(layout.bands[i], 2), test_page::kBandColours[i], kColourTolerance),
            0.95)
            << "band " << i;
    for (std::size_t i = 0; i < layout.quadrants.size(); ++i)
        EXPECT_GT(ShareOf(page, Shrunk(layout.quadrants[i], 2), test_page::kQuadrantColours[i],
                          kColourTolerance),
                  0.95)
            << "quadrant " << i;

    const Rect picture = BoundsOf(page, test_page::kQuadrantColours, kColourTolerance);
    EXPECT_NEAR(picture.left, layout.picture.left, 2);
    EXPECT_NEAR(picture.top, layout.picture.top, 2);
    EXPECT_NEAR(static_cast<double>(picture.Width()) / picture.Height(),
                static_cast<double>(test_page::kPictureWidth) / test_page::kPictureHeight, 0.02);
}

TEST(PrintLayer, TheDefaultPrinterPrintsTwoPagesAsLaidOut) {
    PrintedPdfs printed;
    TestPageProcess program({"Lunea test page", "--two-pages"});
    ASSERT_EQ(program.WaitForExit(), 0) << program.Output();
    // The printer's page in its own pixels, for whoever reads the log.
    std::cout << program.Output() << "\n";

    const auto pdf = printed.WaitFor("Lunea test page", "printed-test-page.pdf");
    ASSERT_TRUE(pdf) << "no PDF of the job";
    for (int number = 1; number <= 2; ++number) {
        const auto page = RenderPdfPage(*pdf, number, kRenderDpi);
        ASSERT_TRUE(page) << "page " << number;
        ExpectTestPage(*page);
    }
}

TEST(PrintLayer, PrintSetupAndThePrintDialogAcceptedPrintAndACancelledDialogDoesNot) {
    PrintedPdfs printed;
    {
        TestPageProcess program({"Lunea dialog page", "--setup"});
        ASSERT_TRUE(PressDialogButton(program.ProcessId(), "Print Setup", IDOK));
        ASSERT_TRUE(PressDialogButton(program.ProcessId(), "Print", IDOK));
        ASSERT_EQ(program.WaitForExit(), 0) << program.Output();
    }
    const auto pdf = printed.WaitFor("Lunea dialog page", "printed-dialog-page.pdf");
    ASSERT_TRUE(pdf) << "no PDF of the job";
    const auto page = RenderPdfPage(*pdf, 1, kRenderDpi);
    ASSERT_TRUE(page);
    ExpectTestPage(*page);

    TestPageProcess cancelled({"Lunea cancelled page", "--dialog"});
    ASSERT_TRUE(PressDialogButton(cancelled.ProcessId(), "Print", IDCANCEL));
    EXPECT_EQ(cancelled.WaitForExit(), 1) << cancelled.Output();
    EXPECT_EQ(cancelled.Output(), "cancelled");
}

// The rows above `bottom`, for looking at what stands over the picture.
PixelImage RowsAbove(const PixelImage& page, int bottom) {
    PixelImage rows(page.width, std::max(bottom, 0), 0);
    for (int y = 0; y < rows.height; ++y)
        for (int x = 0; x < rows.width; ++x)
            rows.At(x, y) = page.At(x, y);
    return rows;
}

TEST(PrintLayer, TheReportPrintsUprightUnderItsTitleAndItsNotesAsASecondJob) {
    PrintedPdfs printed;
    {
        TestPageProcess program({"--report"});
        ASSERT_TRUE(PressDialogButton(program.ProcessId(), "Print Setup", IDOK));
        ASSERT_TRUE(PressDialogButton(program.ProcessId(), "Print", IDOK));
        ASSERT_EQ(program.WaitForExit(), 0) << program.Output();
    }
    const auto report = printed.WaitFor("LuneaDesktop Report", "printed-report.pdf");
    ASSERT_TRUE(report) << "no PDF of the report";
    const auto page = RenderPdfPage(*report, 1, kRenderDpi);
    ASSERT_TRUE(page);
    // Upright although Print Setup's paper was turned to landscape.
    EXPECT_NEAR(static_cast<double>(page->width) / page->height, 210.0 / 297.0, 0.005);
    const int titleHeight = kRenderDpi * 12 / 72;
    const auto expected = LayOutReportPage({page->width, page->height, titleHeight, 0,
                                            test_page::kPictureWidth, test_page::kPictureHeight});
    ASSERT_TRUE(expected);
    // The dark quadrant's grey is also the title's blended edges: the other
    // three span the picture.
    const Rect picture =
        BoundsOf(*page, std::span(test_page::kQuadrantColours).first(3), kColourTolerance);
    EXPECT_NEAR(picture.left, expected->picture.left, 2);
    EXPECT_NEAR(picture.right, expected->picture.right, 2);
    EXPECT_NEAR(picture.top, expected->picture.top, 2);
    EXPECT_NEAR(picture.bottom, expected->picture.bottom, 2);
    const Rect title = InkBounds(RowsAbove(*page, picture.top - 1));
    ASSERT_GT(title.Width(), 0) << "no title";
    EXPECT_NEAR(title.left + title.right, page->width, 3) << "the title is not centred";
    EXPECT_GE(title.top, titleHeight - 1);
    EXPECT_LE(title.bottom, 2 * titleHeight + 2);

    const auto notes = printed.WaitFor("Lunea Desktop Notes", "printed-report-notes.pdf");
    ASSERT_TRUE(notes) << "no PDF of the notes";
    // Arial 10 points: lines 11.2 points apart, eight blanks 22 points wide.
    const double lineHeight = kRenderDpi * 11.2 / 72;
    const double indent = kRenderDpi * 22.0 / 72;
    const auto first = RenderPdfPage(*notes, 1, kRenderDpi);
    const auto second = RenderPdfPage(*notes, 2, kRenderDpi);
    ASSERT_TRUE(first && second) << "the notes take two pages";
    const Rect firstInk = InkBounds(*first);
    EXPECT_NEAR(firstInk.left, indent, 3);
    EXPECT_GT(firstInk.top, 2 * lineHeight) << "two empty lines first";
    EXPECT_LT(firstInk.top, 3 * lineHeight);
    EXPECT_GT(firstInk.bottom, first->height - 2 * lineHeight) << "the first page is full";
    const Rect secondInk = InkBounds(*second);
    EXPECT_NEAR(secondInk.left, indent, 3);
    EXPECT_LT(secondInk.top, lineHeight);
}

TEST(PrintLayer, WithoutAPrinterTheFailureIsToldNotTakenForACancel) {
    const PrintQueueRemoved noPrinter;
    ASSERT_TRUE(noPrinter.Removed());

    TestPageProcess byDefault({"Lunea no printer"});
    EXPECT_EQ(byDefault.WaitForExit(), 2) << byDefault.Output();
    EXPECT_EQ(byDefault.Output(), "failed: No printer is installed.");

    // Wine's dialog would show its own box and then return as if cancelled.
    TestPageProcess throughDialog({"Lunea no printer", "--dialog"});
    EXPECT_EQ(throughDialog.WaitForExit(), 2) << throughDialog.Output();
    EXPECT_EQ(throughDialog.Output(), "failed: No printer is installed.");
}

} // namespace
} // namespace lunea::test
