#pragma once
// An edit with its up and down arrows as one control, holding a whole number
// of a range: what it shows is never read as a value outside the range.

#include "components/controls/edit_box_win.h"
#include "components/controls/spin_value.h"

#include <memory>

namespace lunea {

class SpinEdit {
  public:
    // bounds covers the edit and its arrows.
    SpinEdit(HWND parent, int id, const Rect& bounds, SpinRange range, Color background);
    ~SpinEdit();
    SpinEdit(const SpinEdit&) = delete;
    SpinEdit& operator=(const SpinEdit&) = delete;

    HWND Window() const { return edit_.Window(); }
    HWND Arrows() const { return arrows_; }
    int Value() const;
    void SetValue(int value) const;
    // How far the arrows go; the value itself is still read within the
    // whole range, so a value above the new limit stays what it is.
    void SetArrowsMaximum(int maximum) const;

  private:
    SpinRange range_;
    EditBox edit_;
    HWND arrows_ = nullptr;
};

} // namespace lunea
