#include "components/controls/modal_dialog_win.h"

#include "components/art/desktop_skin.h"
#include "components/art/dialog_skin.h"
#include "components/canvas/gdi_canvas_win.h"
#include "components/controls/message_loop_win.h"

#include <windowsx.h>

namespace lunea {
namespace {

// Not clipping its children: a group box paints no inside of its own.
constexpr DWORD kCaptionedStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU;
constexpr DWORD kCaptionedExStyle = WS_EX_DLGMODALFRAME | WS_EX_CONTROLPARENT;
constexpr DWORD kSkinnedStyle = WS_POPUP | WS_CLIPCHILDREN;
constexpr DWORD kSkinnedExStyle = WS_EX_CONTROLPARENT;

RECT CentreIn(const RECT& area, int width, int height) {
    const int left = area.left + (area.right - area.left - width) / 2;
    const int top = area.top + (area.bottom - area.top - height) / 2;
    return {left, top, left + width, top + height};
}

// The owner's rectangle, or the screen's work area when the dialog has no
// owner on the screen to stand over.
RECT CentringArea(HWND owner) {
    RECT area{};
    if (owner && IsWindowVisible(owner) && !IsIconic(owner) && GetWindowRect(owner, &area))
        return area;
    if (!SystemParametersInfoA(SPI_GETWORKAREA, 0, &area, 0))
        area = {0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    return area;
}

} // namespace

bool ModalDialog::CreateDialogWindow(const std::string& caption, int clientWidth,
                                     int clientHeight) {
    const bool skinned = frame_ == DialogFrame::Skinned;
    const DWORD style = skinned ? kSkinnedStyle : kCaptionedStyle;
    const DWORD exStyle = skinned ? kSkinnedExStyle : kCaptionedExStyle;
    RECT frame{0, 0, clientWidth, clientHeight};
    AdjustWindowRectEx(&frame, style, FALSE, exStyle);
    if (skinned) {
        skin_ = std::make_unique<DibSurface>(clientWidth, clientHeight);
        if (skin_->IsValid())
            skin_->SetPixels(PaintDialogSkin(clientWidth, clientHeight));
    }
    NONCLIENTMETRICSA metrics{};
    metrics.cbSize = sizeof(metrics);
    if (SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0))
        font_.Reset(CreateFontIndirectA(&metrics.lfMessageFont));
    return CreateWindowOf({"LuneaDialog", 0, IDC_ARROW, GetSysColorBrush(COLOR_BTNFACE)}, exStyle,
                          caption.c_str(), style, 0, 0, frame.right - frame.left,
                          frame.bottom - frame.top, owner_, nullptr);
}

HWND ModalDialog::AddControl(const char* className, int id, const Rect& bounds,
                             const std::string& text, DWORD style, DWORD exStyle) {
    HWND control = CreateWindowExA(exStyle, className, text.c_str(), WS_CHILD | WS_VISIBLE | style,
                                   bounds.left, bounds.top, bounds.Width(), bounds.Height(),
                                   Window(), reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                                   GetModuleHandleA(nullptr), nullptr);
    if (control && font_)
        SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(font_.Get()), FALSE);
    return control;
}

HWND ModalDialog::AddButton(int id, const Rect& bounds, const std::string& caption,
                            bool isDefault) {
    if (isDefault)
        defaultId_ = id;
    return AddControl("BUTTON", id, bounds, caption,
                      WS_TABSTOP | (isDefault ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON));
}

void ModalDialog::CentreOverOwner() const {
    RECT frame{};
    GetWindowRect(Window(), &frame);
    const HWND over = place_ == DialogPlace::OverOwner ? owner_ : nullptr;
    const RECT placed =
        CentreIn(CentringArea(over), frame.right - frame.left, frame.bottom - frame.top);
    SetWindowPos(Window(), nullptr, placed.left, placed.top, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

DialogResult ModalDialog::ShowModal() {
    if (!Window() || TerminationRequested())
        return DialogResult::Cancel;
    CentreOverOwner();
    const bool ownerWasEnabled = owner_ && IsWindowEnabled(owner_);
    if (ownerWasEnabled)
        EnableWindow(owner_, FALSE);
    ShowWindow(Window(), SW_SHOW);
    if (HWND first = GetNextDlgTabItem(Window(), nullptr, FALSE))
        SetFocus(first);

    result_ = DialogResult::Cancel;
    running_ = true;
    MSG message;
    while (running_) {
        const BOOL got = GetMessageA(&message, nullptr, 0, 0);
        if (got <= 0) {
            // The program is ending: the dialog ends as cancelled and the
            // outer loop still sees the quit.
            if (got == 0)
                PostQuitMessage(static_cast<int>(message.wParam));
            break;
        }
        if (!IsDialogMessageA(Window(), &message)) {
            TranslateMessage(&message);
            DispatchMessageA(&message);
        }
    }
    running_ = false;
    // The owner is enabled before the dialog hides, so it gets the activation.
    if (ownerWasEnabled)
        EnableWindow(owner_, TRUE);
    ShowWindow(Window(), SW_HIDE);
    return result_;
}

void ModalDialog::EndModal(DialogResult result) {
    result_ = result;
    running_ = false;
}

LRESULT ModalDialog::HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) {
    switch (message) {
    case WM_COMMAND:
        if (RouteCommand(wparam))
            return 0;
        if (LOWORD(wparam) == IDOK)
            OkClick();
        else if (LOWORD(wparam) == IDCANCEL)
            CancelClick();
        return 0;
    case WM_CLOSE:
        CancelClick();
        return 0;
    case WM_ERASEBKGND:
        if (!skin_)
            break;
        PaintSkin(reinterpret_cast<HDC>(wparam));
        return 1;
    case WM_PRINTCLIENT:
        if (skin_)
            PaintSkin(reinterpret_cast<HDC>(wparam));
        return 0;
    case WM_NCHITTEST: {
        const LRESULT hit = Default(message, wparam, lparam);
        POINT at{GET_X_LPARAM(lparam), GET_Y_LPARAM(lparam)};
        ScreenToClient(Window(), &at);
        return skin_ && hit == HTCLIENT && at.y < kDialogTitleBandHeight ? HTCAPTION : hit;
    }
    case DM_GETDEFID:
        return defaultId_ ? MAKELRESULT(defaultId_, DC_HASDEFID) : 0;
    default:
        break;
    }
    return WindowBase::HandleMessage(message, wparam, lparam);
}

void ModalDialog::PaintSkin(HDC dc) const {
    if (!skin_->IsValid())
        return;
    BitBlt(dc, 0, 0, skin_->Width(), skin_->Height(), skin_->Dc(), 0, 0, SRCCOPY);
    char caption[128] = {};
    GetWindowTextA(Window(), caption, sizeof caption);
    Font font = SkinTitleFont();
    font.height = -12;
    GdiCanvas(dc).Text(kDialogTitleTextAt, caption, font);
}

} // namespace lunea
