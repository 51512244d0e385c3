// The report window's life and its handlers.
#include "reports/report_window_win.h"

#include "components/canvas/gdi_canvas_win.h"
#include "components/controls/help_file_win.h"
#include "components/controls/message_box_prompts_win.h"
#include "components/controls/message_loop_win.h"
#include "reports/report_control_ids.h"

#include <string>

namespace lunea {
namespace {

namespace ids = report_ids;

} // namespace

ReportWindow::ReportWindow(ReportWindowContext context) : context_(std::move(context)) {
    // No owner: a task-bar button of its own, and the main window may come
    // in front of it.
    CreateWindowOf(
        {"TReportsForm", CS_HREDRAW | CS_VREDRAW, IDC_ARROW, GetSysColorBrush(COLOR_BTNFACE)},
        WS_EX_APPWINDOW, "Standard Report", WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, CW_USEDEFAULT,
        CW_USEDEFAULT, 900, 700, nullptr, menu_.Handle());
    if (!Window())
        return;
    menu_.AttachedTo(Window());
    CreateControls();
    LayOut();
    AddDialogKeysWindow(Window());

    OnClick(ids::SaveAsBitmapCommand, [this] { SaveAsBitmap(); });
    OnClick(ids::PrintSetupCommand, [this] { SetUpPrinter(); });
    OnClick(ids::PrintCommand, [this] { PrintPicture(); });
    OnClick(ids::CloseCommand, [this] { PostClose(); });
    OnClick(ids::StandardView, [this] { ShowStandardReport(); });
    OnClick(ids::AdvancedView, [this] { ShowAdvancedReport(); });
    OnClick(IDCANCEL, [this] { PostClose(); });
    for (int command : {ids::CalendarMethodRow, ids::MensesRow, ids::MucusRow, ids::TemperatureRow,
                        ids::SexRow, ids::ProtectionRow, ids::PmsRow, ids::CrampsRow,
                        ids::SecretRow, ids::AppointmentsRow, ids::NotesRow})
        OnClick(command, [this, command] { ToggleRow(command); });
}

ReportWindow::~ReportWindow() {
    if (Window())
        RemoveDialogKeysWindow(Window());
}

void ReportWindow::Open() {
    if (!Window())
        return;
    ShowWindow(Window(), SW_SHOWMAXIMIZED);
    SetForegroundWindow(Window());
    RefreshReport();
}

void ReportWindow::Close() {
    if (Window())
        DestroyWindow(Window());
}

void ReportWindow::PostClose() const {
    PostMessageA(Window(), WM_CLOSE, 0, 0);
}

LRESULT ReportWindow::HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) {
    switch (message) {
    case WM_SIZE:
        LayOut();
        return 0;
    case WM_CTLCOLORLISTBOX:
        if (reinterpret_cast<HWND>(lparam) == cycleList_)
            return ListColours(reinterpret_cast<HDC>(wparam));
        break;
    case WM_MOUSEWHEEL:
        // The wheel turns the picture wherever the focus is.
        if (pictureScroller_ && GetFocus() != cycleList_ && GetFocus() != notesEdit_->Window())
            return SendMessageA(pictureScroller_->Window(), message, wparam, lparam);
        break;
    case WM_HELP: {
        // F1 anywhere in the window: the help's page on the reports.
        MessageBoxPrompts prompts(Window());
        OpenHelpPage(Window(), prompts, "LuneaHelp.chm", "reports.html");
        return TRUE;
    }
    case WM_DESTROY:
        WindowDestroyed();
        return 0;
    }
    return WindowBase::HandleMessage(message, wparam, lparam);
}

void ReportWindow::WindowDestroyed() {
    RemoveDialogKeysWindow(Window());
    if (context_.closed)
        context_.closed();
}

void ReportWindow::RefreshReport() {
    if (!Window())
        return;
    SendMessageA(cycleList_, LB_RESETCONTENT, 0, 0);
    const auto starts = context_.cycles.Starts();
    for (auto start = starts.rbegin(); start != starts.rend(); ++start)
        SendMessageA(cycleList_, LB_ADDSTRING, 0,
                     reinterpret_cast<LPARAM>(context_.shortDate(SerialToDate(*start)).c_str()));
    firstCycle_ = -1;
    pictureScroller_->RemovePicture();
    if (starts.empty()) {
        MessageBoxPrompts(Window()).Notice("There is no data to show.");
        return;
    }
    firstCycle_ = 1;
    DrawCurrentView();
    SendMessageA(cycleList_, LB_SETCURSEL, 0, 0);
}

ReportInput ReportWindow::Input(int first) const {
    return ReportInput{
        context_.days, context_.cycles,   context_.settings, first, cyclesInPageEdit_->Value(),
        menu_.Rows(),  context_.shortDate};
}

void ReportWindow::DrawReport(const ReportRenderer& report, int first) {
    if (first < 1)
        return;
    const ReportInput input = Input(first);
    const PictureSize size = report.SizeOf(input);
    if (DibSurface* picture = pictureScroller_->NewPicture(size.width, size.height)) {
        GdiCanvas canvas(picture->Dc());
        report.Draw(canvas, input);
    }
    pictureScroller_->PictureChanged();
    std::string notes;
    for (const std::string& line : report.Notes(input))
        notes += line + "\r\n";
    notesEdit_->SetText(notes);
}

void ReportWindow::DrawCurrentView() {
    if (menu_.AdvancedView())
        DrawAdvancedReport(firstCycle_);
    else
        DrawStandardReport(firstCycle_);
}

void ReportWindow::ShowSelectedCycle() {
    const auto selected = static_cast<int>(SendMessageA(cycleList_, LB_GETCURSEL, 0, 0));
    if (SendMessageA(cycleList_, LB_GETCOUNT, 0, 0) <= 0 || selected < 0)
        return;
    firstCycle_ = selected + 1;
    DrawCurrentView();
}

void ReportWindow::ShowStandardReport() {
    menu_.ShowView(false);
    DrawStandardReport(firstCycle_);
    SetWindowTextA(Window(), "Standard Report");
    cyclesInPageEdit_->SetArrowsMaximum(3);
}

void ReportWindow::ShowAdvancedReport() {
    menu_.ShowView(true);
    DrawAdvancedReport(firstCycle_);
    SetWindowTextA(Window(), "Advanced Report");
    cyclesInPageEdit_->SetArrowsMaximum(6);
}

void ReportWindow::ToggleRow(int command) {
    menu_.Toggle(command);
    DrawAdvancedReport(firstCycle_);
}

} // namespace lunea
