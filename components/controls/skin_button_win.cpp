#include "components/controls/skin_button_win.h"

#include <windowsx.h>

namespace lunea {

ButtonState SkinButton::State() const {
    ButtonState state = state_;
    state.enabled = IsWindowEnabled(Window()) != FALSE;
    return state;
}

void SkinButton::SetChecked(bool checked) {
    if (state_.checked == checked)
        return;
    state_.checked = checked;
    Redraw();
}

void SkinButton::SetCaption(const std::string& caption) {
    SetWindowTextA(Window(), caption.c_str());
}

void SkinButton::UncheckGroupSiblings() {
    const HWND parent = GetParent(Window());
    for (HWND sibling = GetWindow(parent, GW_CHILD); sibling;
         sibling = GetWindow(sibling, GW_HWNDNEXT)) {
        auto* other = dynamic_cast<SkinButton*>(SkinControl::FromWindow(sibling));
        if (other && other != this && other->behaviour_ == ClickBehaviour::Radio &&
            other->group_ == group_)
            other->SetChecked(false);
    }
}

void SkinButton::Click() {
    const HWND window = Window();
    if (!IsWindowEnabled(window))
        return;
    if (behaviour_ == ClickBehaviour::Toggle)
        SetChecked(!state_.checked);
    else if (behaviour_ == ClickBehaviour::Radio) {
        UncheckGroupSiblings();
        SetChecked(true);
    }
    // The parent's handler may destroy this control: nothing follows it.
    SendMessageA(GetParent(window), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(window), BN_CLICKED),
                 reinterpret_cast<LPARAM>(window));
}

// Space clicks every button, as it does a system button; Enter only a
// push button, which is what it means to press one. A held key's repeats
// do not click again.
bool SkinButton::IsClickKey(WPARAM key, LPARAM flags) const {
    const bool repeat = (flags & (1 << 30)) != 0;
    return !repeat && (key == VK_SPACE || (key == VK_RETURN && behaviour_ == ClickBehaviour::Push));
}

bool SkinButton::Contains(POINT at) const {
    const RECT client = ClientArea();
    return PtInRect(&client, at) != FALSE;
}

void SkinButton::MouseMoved(POINT at) {
    if (!state_.hot) {
        state_.hot = true;
        TRACKMOUSEEVENT track{sizeof(track), TME_LEAVE, Window(), 0};
        TrackMouseEvent(&track);
        Redraw();
    }
    if (tracking_ && state_.pressed != Contains(at)) {
        state_.pressed = !state_.pressed;
        Redraw();
    }
}

LRESULT SkinButton::HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) {
    switch (message) {
    case WM_MOUSEMOVE:
        MouseMoved({GET_X_LPARAM(lparam), GET_Y_LPARAM(lparam)});
        return 0;
    case WM_MOUSELEAVE:
        state_.hot = false;
        Redraw();
        return 0;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        SetCapture(Window());
        tracking_ = true;
        state_.pressed = true;
        Redraw();
        return 0;
    case WM_LBUTTONUP: {
        const bool clicked = tracking_ && state_.pressed;
        if (tracking_)
            ReleaseCapture();
        if (clicked)
            Click();
        return 0;
    }
    case WM_CAPTURECHANGED:
        tracking_ = false;
        state_.pressed = false;
        Redraw();
        return 0;
    case WM_KEYDOWN:
        if (IsClickKey(wparam, lparam)) {
            Click();
            return 0;
        }
        break;
    case BM_CLICK:
        Click();
        return 0;
    case BM_SETCHECK:
        SetChecked(wparam == BST_CHECKED);
        return 0;
    case BM_GETCHECK:
        return state_.checked ? BST_CHECKED : BST_UNCHECKED;
    case WM_SETCURSOR:
        if (handCursor_) {
            SetCursor(LoadCursor(nullptr, IDC_HAND));
            return TRUE;
        }
        break;
    default:
        break;
    }
    return SkinControl::HandleMessage(message, wparam, lparam);
}

} // namespace lunea
