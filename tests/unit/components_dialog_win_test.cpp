// The modal dialog base with the keyboard, as a user works it: Enter
// presses the default button, Escape cancels, Tab moves between controls;
// and the modeless dialog keys of the program's message loop.
#include "components/controls/message_loop_win.h"
#include "components/controls/modal_dialog_win.h"
#include "tests/unit/components_test_parent_win.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <vector>

namespace lunea {
namespace {

constexpr UINT kProbe = WM_APP + 1; // notes where the focus is

class KeyboardDialog final : public ModalDialog {
  public:
    explicit KeyboardDialog(HWND owner) : ModalDialog(owner) {
        CreateDialogWindow("Keys", 240, 120);
        edit = AddControl("EDIT", 10, {10, 10, 230, 32}, "", WS_TABSTOP | WS_BORDER);
        ok = AddButton(IDOK, {60, 80, 140, 104}, "OK", true);
        cancel = AddButton(IDCANCEL, {150, 80, 230, 104}, "Cancel");
    }

    // Keys as the keyboard gives them to the focused control, run by the
    // dialog's own loop once it is shown.
    void PostKey(HWND target, WPARAM key) const {
        PostMessageA(target, WM_KEYDOWN, key, 1);
        PostMessageA(target, WM_KEYUP, key, 0xC0000001);
    }
    void PostProbe() const { PostMessageA(Window(), kProbe, 0, 0); }

    HWND edit = nullptr, ok = nullptr, cancel = nullptr;
    std::vector<HWND> focus;
    std::vector<bool> ownerEnabled;

  private:
    LRESULT HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) override {
        if (message != kProbe)
            return ModalDialog::HandleMessage(message, wparam, lparam);
        focus.push_back(GetFocus());
        ownerEnabled.push_back(IsWindowEnabled(Owner()) != FALSE);
        return 0;
    }
};

POINT CentreOf(HWND window) {
    RECT r{};
    GetWindowRect(window, &r);
    return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

TEST(ModalDialog, EnterPressesTheDefaultButtonAndTabMovesTheFocus) {
    testing::TestParent owner(WS_OVERLAPPEDWINDOW, 500, 400);
    ShowWindow(owner.Window(), SW_SHOWNOACTIVATE);
    KeyboardDialog dialog(owner.Window());
    dialog.PostProbe();
    dialog.PostKey(dialog.edit, VK_TAB);
    dialog.PostProbe();
    dialog.PostKey(dialog.ok, VK_TAB);
    dialog.PostProbe();
    dialog.PostKey(dialog.cancel, VK_TAB); // round to the first control again
    dialog.PostProbe();
    dialog.PostKey(dialog.edit, VK_RETURN);

    EXPECT_EQ(dialog.ShowModal(), DialogResult::Ok);
    EXPECT_EQ(dialog.focus,
              (std::vector<HWND>{dialog.edit, dialog.ok, dialog.cancel, dialog.edit}));
    const POINT dialogCentre = CentreOf(dialog.Window());
    const POINT ownerCentre = CentreOf(owner.Window());
    EXPECT_LE(std::abs(dialogCentre.x - ownerCentre.x), 1);
    EXPECT_LE(std::abs(dialogCentre.y - ownerCentre.y), 1);
}

TEST(ModalDialog, EscapeAndTheCloseBoxCancelAndTheOwnerIsDisabledMeanwhile) {
    testing::TestParent owner(WS_OVERLAPPEDWINDOW, 500, 400);
    ShowWindow(owner.Window(), SW_SHOWNOACTIVATE);
    KeyboardDialog escaped(owner.Window());
    escaped.PostProbe();
    escaped.PostKey(escaped.edit, VK_ESCAPE);
    EXPECT_EQ(escaped.ShowModal(), DialogResult::Cancel);
    EXPECT_EQ(escaped.ownerEnabled, std::vector<bool>{false});
    EXPECT_TRUE(IsWindowEnabled(owner.Window()));

    KeyboardDialog closed(owner.Window());
    PostMessageA(closed.Window(), WM_CLOSE, 0, 0);
    EXPECT_EQ(closed.ShowModal(), DialogResult::Cancel);

    // Without an owner on the screen the dialog stands in the screen's middle.
    KeyboardDialog alone(nullptr);
    PostMessageA(alone.Window(), WM_CLOSE, 0, 0);
    EXPECT_EQ(alone.ShowModal(), DialogResult::Cancel);
    RECT work{};
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    const POINT centre = CentreOf(alone.Window());
    EXPECT_LE(std::abs(centre.x - (work.left + work.right) / 2), 1);
    EXPECT_LE(std::abs(centre.y - (work.top + work.bottom) / 2), 1);
}

TEST(MessageLoop, AModelessWindowGetsItsTabKey) {
    testing::TestParent window(WS_OVERLAPPEDWINDOW, 300, 200);
    const auto button = [&](int id, int left) {
        return CreateWindowExA(
            0, "BUTTON", "B", WS_CHILD | WS_VISIBLE | WS_TABSTOP, left, 10, 60, 24, window.Window(),
            reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleA(nullptr), nullptr);
    };
    const HWND first = button(1, 10);
    const HWND second = button(2, 80);
    ShowWindow(window.Window(), SW_SHOW);
    SetFocus(first);
    AddDialogKeysWindow(window.Window());
    PostMessageA(first, WM_KEYDOWN, VK_TAB, 1);
    PostQuitMessage(0);
    RunMessageLoop();
    RemoveDialogKeysWindow(window.Window());
    EXPECT_EQ(GetFocus(), second);
}

} // namespace
} // namespace lunea
