#pragma once
// A system control that the program draws itself (an owner-drawn combo
// box). The window base of the control's parent hands it its WM_DRAWITEM.

#include <windows.h>

namespace lunea {

class OwnerDrawn {
  public:
    virtual void DrawItem(const DRAWITEMSTRUCT& item) = 0;

    static OwnerDrawn* FromWindow(HWND control);

  protected:
    OwnerDrawn() = default;
    ~OwnerDrawn() = default;
    // Makes the control's WM_DRAWITEM reach this object; until the control
    // is destroyed.
    void Attach(HWND control);
    void Detach(HWND control);
};

} // namespace lunea
