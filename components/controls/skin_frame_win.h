#pragma once
// Turns a borderless top-level window into the skinned frame: the window
// takes the shape of the skin picture (its mask colour cut away), the
// picture is its background with the window's caption drawn in the title
// bar, and dragging the title bar moves the window. Attached by
// subclassing, so the window's own procedure stays as it is.

#include "components/canvas/dib_surface_win.h"

#include <windows.h>

namespace lunea {

class SkinFrame {
  public:
    // The window should be WS_POPUP, at least the skin's size.
    explicit SkinFrame(HWND window);
    ~SkinFrame();
    SkinFrame(const SkinFrame&) = delete;
    SkinFrame& operator=(const SkinFrame&) = delete;

    bool IsAttached() const { return window_ != nullptr; }

  private:
    static LRESULT CALLBACK SubclassProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam,
                                         UINT_PTR id, DWORD_PTR self);
    LRESULT HandleMessage(HWND window, UINT message, WPARAM wparam, LPARAM lparam);
    void EraseBackground(HDC dc);
    bool ShapeWindow();

    HWND window_;
    DibSurface skin_;
};

} // namespace lunea
