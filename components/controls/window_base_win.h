#pragma once
// One C++ object per window. The object reaches its window's messages
// through the `this` pointer handed over at WM_NCCREATE, and is cut off at
// WM_NCDESTROY or when it is destroyed first. WM_COMMAND from a child goes
// to the handler registered for that child's id, so no window grows a switch
// over control ids.

#include <windows.h>

#include <functional>
#include <utility>
#include <vector>

namespace lunea {

struct WindowClassInfo {
    const char* name;
    UINT style = 0;
    LPCSTR cursor = IDC_ARROW;
    HBRUSH background = nullptr;
};

class WindowBase {
  public:
    virtual ~WindowBase();
    WindowBase(const WindowBase&) = delete;
    WindowBase& operator=(const WindowBase&) = delete;

    // Null when creating the window failed or after it was destroyed.
    HWND Window() const { return window_; }
    // The window's client area; empty when it has none (no window yet).
    RECT ClientArea() const;

    // The object behind a window of one of these classes, or null.
    static WindowBase* FromWindow(HWND window);

    using CommandHandler = std::function<void(int notification)>;
    // Commands (WM_COMMAND) from the child with this id.
    void OnCommand(int childId, CommandHandler handler);
    // Clicks (BN_CLICKED) of the child button with this id.
    void OnClick(int childId, std::function<void()> handler);
    using NotifyHandler = std::function<void(const NMHDR& notification)>;
    // Notifications (WM_NOTIFY) from the child with this id.
    void OnNotify(int childId, NotifyHandler handler);

  protected:
    WindowBase() = default;
    // Call at the end of the most derived constructor, so that the window's
    // first messages reach the finished object.
    bool CreateWindowOf(const WindowClassInfo& windowClass, DWORD exStyle, const char* text,
                        DWORD style, int left, int top, int width, int height, HWND parent,
                        HMENU menuOrId);
    virtual LRESULT HandleMessage(UINT message, WPARAM wparam, LPARAM lparam);
    LRESULT Default(UINT message, WPARAM wparam, LPARAM lparam) const;
    // True when a registered handler took the command.
    bool RouteCommand(WPARAM wparam);

  private:
    void MoveFocus(WPARAM wparam, LPARAM lparam) const;
    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam);

    HWND window_ = nullptr;
    std::vector<std::pair<int, CommandHandler>> commands_;
    std::vector<std::pair<int, NotifyHandler>> notifications_;
};

} // namespace lunea
