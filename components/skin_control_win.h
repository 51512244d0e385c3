#pragma once
// Base of the skinned child controls: one C++ object per child window,
// found from the window through its user data, painted double-buffered
// through a GdiCanvas over its parent's background.

#include "components/canvas.h"

#include <windows.h>

#include <string>

namespace lunea {

class SkinControl {
  public:
    virtual ~SkinControl();
    SkinControl(const SkinControl&) = delete;
    SkinControl& operator=(const SkinControl&) = delete;

    // Null when creating the window failed or after it was destroyed.
    HWND Window() const { return window_; }
    void SetFont(const Font& font);
    const Font& GetFont() const { return font_; }

    // The object behind one of these controls' windows, or null.
    static SkinControl* FromWindow(HWND window);

  protected:
    SkinControl();
    // Called at the end of the most derived constructor, so that the
    // window's first messages reach the finished object.
    void Create(const char* className, HWND parent, int id, const Rect& bounds,
                const std::string& text);
    virtual LRESULT HandleMessage(UINT message, WPARAM wparam, LPARAM lparam);
    virtual void Paint(Canvas& canvas, const Rect& client) = 0;
    void Redraw() const;
    std::string Text() const;

  private:
    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam);
    void PaintTo(HDC target);

    HWND window_ = nullptr;
    Font font_;
};

// Paints what the parent shows behind the child into dc, whose origin is
// the child's top-left corner: the parent's background (WM_ERASEBKGND) and
// whatever it draws itself when asked by WM_PRINTCLIENT.
void PaintParentBackground(HWND child, HDC dc);

} // namespace lunea
