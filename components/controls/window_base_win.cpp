#include "components/controls/window_base_win.h"

#include "components/controls/edit_box_win.h"
#include "components/controls/owner_drawn_win.h"
#include "components/controls/tab_order_win.h"

namespace lunea {
namespace {

bool RegisterOnce(const WindowClassInfo& info, WNDPROC procedure) {
    const HINSTANCE instance = GetModuleHandleA(nullptr);
    WNDCLASSEXA existing{};
    existing.cbSize = sizeof(existing);
    if (GetClassInfoExA(instance, info.name, &existing))
        return true;
    WNDCLASSEXA windowClass{};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.style = info.style;
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursor(nullptr, info.cursor);
    windowClass.hIcon = LoadIcon(nullptr, IDI_APPLICATION);
    windowClass.hbrBackground = info.background;
    windowClass.lpszClassName = info.name;
    return RegisterClassExA(&windowClass) != 0;
}

} // namespace

WindowBase::~WindowBase() {
    if (window_) {
        // No message may reach the half-destroyed object any more.
        SetWindowLongPtrA(window_, GWLP_USERDATA, 0);
        DestroyWindow(window_);
    }
}

bool WindowBase::CreateWindowOf(const WindowClassInfo& windowClass, DWORD exStyle, const char* text,
                                DWORD style, int left, int top, int width, int height, HWND parent,
                                HMENU menuOrId) {
    if (!RegisterOnce(windowClass, &WindowBase::Procedure))
        return false;
    return CreateWindowExA(exStyle, windowClass.name, text, style, left, top, width, height, parent,
                           menuOrId, GetModuleHandleA(nullptr), this) != nullptr;
}

RECT WindowBase::ClientArea() const {
    RECT client{};
    if (!GetClientRect(window_, &client))
        return RECT{};
    return client;
}

WindowBase* WindowBase::FromWindow(HWND window) {
    // The class's procedure, not the window's: hints subclass the window.
    if (!window ||
        reinterpret_cast<WNDPROC>(GetClassLongPtrA(window, GCLP_WNDPROC)) != &WindowBase::Procedure)
        return nullptr;
    return reinterpret_cast<WindowBase*>(GetWindowLongPtrA(window, GWLP_USERDATA));
}

void WindowBase::OnCommand(int childId, CommandHandler handler) {
    commands_.emplace_back(childId, std::move(handler));
}

void WindowBase::OnClick(int childId, std::function<void()> handler) {
    OnCommand(childId, [handler = std::move(handler)](int notification) {
        if (notification == BN_CLICKED)
            handler();
    });
}

void WindowBase::OnNotify(int childId, NotifyHandler handler) {
    notifications_.emplace_back(childId, std::move(handler));
}

bool WindowBase::RouteCommand(WPARAM wparam) {
    const int id = LOWORD(wparam);
    for (const auto& [childId, handler] : commands_)
        if (childId == id) {
            // A copy: the handler may register or drop handlers of its own.
            const CommandHandler call = handler;
            call(HIWORD(wparam));
            return true;
        }
    return false;
}

void WindowBase::MoveFocus(WPARAM wparam, LPARAM lparam) const {
    HWND next = LOWORD(lparam) ? reinterpret_cast<HWND>(wparam)
                               : GetNextDlgTabItem(Window(), GetFocus(), wparam != 0);
    if (!next)
        return;
    FocusByTab(next);
}

LRESULT WindowBase::HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) {
    if (message == WM_COMMAND && RouteCommand(wparam))
        return 0;
    if (message == WM_NOTIFY) {
        const auto& header = *reinterpret_cast<const NMHDR*>(lparam);
        for (const auto& [childId, handler] : notifications_)
            if (childId == static_cast<int>(header.idFrom)) {
                const NotifyHandler call = handler;
                call(header);
                return 0;
            }
    }
    if (message == WM_NEXTDLGCTL) {
        // Sent by IsDialogMessage for Tab and Shift+Tab.
        MoveFocus(wparam, lparam);
        return 0;
    }
    if (message == WM_DRAWITEM) {
        const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lparam);
        if (OwnerDrawn* control = OwnerDrawn::FromWindow(item->hwndItem)) {
            control->DrawItem(*item);
            return TRUE;
        }
    }
    if (message == WM_CTLCOLOREDIT)
        if (const EditBox* edit = EditBox::FromWindow(reinterpret_cast<HWND>(lparam)))
            if (HBRUSH brush = edit->PrepareColours(reinterpret_cast<HDC>(wparam)))
                return reinterpret_cast<LRESULT>(brush);
    return Default(message, wparam, lparam);
}

LRESULT WindowBase::Default(UINT message, WPARAM wparam, LPARAM lparam) const {
    return DefWindowProcA(window_, message, wparam, lparam);
}

LRESULT CALLBACK WindowBase::Procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    if (message == WM_NCCREATE) {
        auto* self =
            static_cast<WindowBase*>(reinterpret_cast<CREATESTRUCTA*>(lparam)->lpCreateParams);
        self->window_ = window;
        SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    auto* self = reinterpret_cast<WindowBase*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    if (!self)
        return DefWindowProcA(window, message, wparam, lparam);
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrA(window, GWLP_USERDATA, 0);
        self->window_ = nullptr;
        return DefWindowProcA(window, message, wparam, lparam);
    }
    // No C++ exception may cross into the system's code that called us.
    try {
        return self->HandleMessage(message, wparam, lparam);
    } catch (...) {
        return DefWindowProcA(window, message, wparam, lparam);
    }
}

} // namespace lunea
