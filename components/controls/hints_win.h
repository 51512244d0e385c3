#pragma once
// The hints (tooltips) of one window's controls, shown when the mouse
// rests on a control.

#include <windows.h>

#include <string>

namespace lunea {

class Hints {
  public:
    explicit Hints(HWND owner);
    ~Hints();
    Hints(const Hints&) = delete;
    Hints& operator=(const Hints&) = delete;

    HWND Window() const { return tooltip_; }
    bool Add(HWND control, const std::string& text);
    // Empty when the control has no hint.
    std::string TextOf(HWND control) const;

  private:
    HWND owner_;
    HWND tooltip_;
};

} // namespace lunea
