// The report window's life and its handlers.
#include "reports/report_window_win.h"

#include "common/desktop_contract.h"
#include "components/canvas/gdi_canvas_win.h"
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

    OnClick(ids::SaveAsBitmap1, [this] { SaveAsBitmap1Click(); });
    OnClick(ids::PrintSetup1, [this] { PrintSetup1Click(); });
    OnClick(ids::Print1, [this] { Print1Click(); });
    OnClick(ids::Close1, [this] { Close1Click(); });
    OnClick(ids::Standard1, [this] { Standard1Click(); });
    OnClick(ids::Advanced1, [this] { Advanced1Click(); });
    OnClick(IDCANCEL, [this] { PostClose(); });
    for (int command : {ids::CalendarMethod1, ids::Menses1, ids::Sex1, ids::Protection1, ids::PMS1,
                        ids::Cramps1, ids::Secret1, ids::DrsApp1, ids::Notes1})
        OnClick(command, [this, command] { CheckMenu1Click(command); });
    OnClick(ids::Temperature1, [this] { Temperature1Click(ids::Temperature1); });
    OnClick(ids::Mucus1, [this] { Mucus1Click(ids::Mucus1); });
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
    FormShow();
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
        if (reinterpret_cast<HWND>(lparam) == ListBox1)
            return ListColours(reinterpret_cast<HDC>(wparam));
        break;
    case WM_MOUSEWHEEL:
        // The wheel turns the picture wherever the focus is.
        if (ScrollBox1 && GetFocus() != ListBox1 && GetFocus() != Memo1->Window())
            return SendMessageA(ScrollBox1->Window(), message, wparam, lparam);
        break;
    case WM_DESTROY:
        FormClose();
        return 0;
    }
    return WindowBase::HandleMessage(message, wparam, lparam);
}

void ReportWindow::FormShow() {
    RefreshReport();
}

void ReportWindow::FormClose() {
    RemoveDialogKeysWindow(Window());
    if (context_.closed)
        context_.closed();
}

void ReportWindow::RefreshReport() {
    if (!Window())
        return;
    SendMessageA(ListBox1, LB_RESETCONTENT, 0, 0);
    const auto starts = context_.cycles.Starts();
    for (auto start = starts.rbegin(); start != starts.rend(); ++start)
        SendMessageA(ListBox1, LB_ADDSTRING, 0,
                     reinterpret_cast<LPARAM>(context_.shortDate(SerialToDate(*start)).c_str()));
    FirstCycle = -1;
    ScrollBox1->RemovePicture();
    if (starts.empty()) {
        MessageBoxA(Window(), "There is no data to show.", kApplicationTitle,
                    MB_OK | MB_ICONINFORMATION);
        return;
    }
    FirstCycle = 1;
    DrawCurrentView();
    SendMessageA(ListBox1, LB_SETCURSEL, 0, 0);
}

ReportInput ReportWindow::Input(int first) const {
    return ReportInput{context_.days,         context_.cycles, context_.settings, first,
                       CntSpinEdit1->Value(), menu_.Rows(),    context_.shortDate};
}

void ReportWindow::DrawReport(const ReportRenderer& report, int first) {
    if (first < 1)
        return;
    const ReportInput input = Input(first);
    const PictureSize size = report.SizeOf(input);
    if (DibSurface* picture = ScrollBox1->NewPicture(size.width, size.height)) {
        GdiCanvas canvas(picture->Dc());
        report.Draw(canvas, input);
    }
    ScrollBox1->PictureChanged();
    std::string notes;
    for (const std::string& line : report.Notes(input))
        notes += line + "\r\n";
    Memo1->SetText(notes);
}

void ReportWindow::DrawCurrentView() {
    if (menu_.AdvancedView())
        DrawAdvancedReport(FirstCycle);
    else
        DrawStandardReport(FirstCycle);
}

void ReportWindow::ListBox1Click() {
    const auto selected = static_cast<int>(SendMessageA(ListBox1, LB_GETCURSEL, 0, 0));
    if (SendMessageA(ListBox1, LB_GETCOUNT, 0, 0) <= 0 || selected < 0)
        return;
    FirstCycle = selected + 1;
    DrawCurrentView();
}

void ReportWindow::Panel1Resize() {
    DrawCurrentView();
}

void ReportWindow::CntSpinEdit1Change() {
    DrawCurrentView();
}

void ReportWindow::Standard1Click() {
    menu_.ShowView(false);
    DrawStandardReport(FirstCycle);
    SetWindowTextA(Window(), "Standard Report");
    CntSpinEdit1->SetArrowsMaximum(3);
}

void ReportWindow::Advanced1Click() {
    menu_.ShowView(true);
    DrawAdvancedReport(FirstCycle);
    SetWindowTextA(Window(), "Advanced Report");
    CntSpinEdit1->SetArrowsMaximum(6);
}

void ReportWindow::CheckMenu1Click(int command) {
    menu_.Toggle(command);
    DrawAdvancedReport(FirstCycle);
}

} // namespace lunea
