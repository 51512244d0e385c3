#pragma once
// Base of the skinned child controls: painted double-buffered through a
// GdiCanvas over their parent's background.

#include "components/canvas/canvas.h"
#include "components/controls/window_base_win.h"

#include <windows.h>

#include <string>

namespace lunea {

class SkinControl : public WindowBase {
  public:
    void SetFont(const Font& font);
    const Font& GetFont() const { return font_; }

    // The object behind one of these controls' windows, or null.
    static SkinControl* FromWindow(HWND window);
    // Lets Tab reach the control (WS_TABSTOP). It shows a dotted focus
    // mark while it has the focus; the mouse never gives it the focus.
    void SetTabStop() const;

  protected:
    SkinControl();
    // Called at the end of the most derived constructor, so that the
    // window's first messages reach the finished object. The window clips
    // its siblings and its own children (a panel's controls).
    void Create(const char* className, HWND parent, int id, const Rect& bounds,
                const std::string& text);
    LRESULT HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) override;
    virtual void Paint(Canvas& canvas, const Rect& client) = 0;
    void Redraw() const;
    std::string Text() const;

  private:
    void PaintTo(HDC target);

    Font font_;
};

// Paints what the parent shows behind the child into dc, whose origin is
// the child's top-left corner: the parent's background (WM_ERASEBKGND) and
// whatever it draws itself when asked by WM_PRINTCLIENT.
void PaintParentBackground(HWND child, HDC dc);

} // namespace lunea
