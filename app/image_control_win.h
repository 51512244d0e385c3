#pragma once
// A child window that shows a picture the program draws into, like a
// canvas that keeps what was drawn: the calendar image, the temperature
// scale, the calendar panel. Mouse presses and moves go to callbacks with
// coordinates relative to the control.

#include "components/canvas.h"
#include "components/dib_surface_win.h"

#include <windows.h>

#include <functional>

namespace lunea {

class ImageControl {
public:
    struct MouseHandlers {
        std::function<void(int x, int y)> down;                   // any button
        std::function<void(int x, int y, WPARAM keys)> move;      // keys: MK_* flags
    };

    ImageControl(HWND parent, int id, const Rect& bounds, MouseHandlers mouse = {});
    ~ImageControl();
    ImageControl(const ImageControl&) = delete;
    ImageControl& operator=(const ImageControl&) = delete;

    HWND Window() const { return window_; }
    // Draws over what the picture holds; the window shows it at its next paint.
    void Draw(const std::function<void(Canvas&)>& draw);
    // Draws over what the parent shows behind the control.
    void DrawOverBackground(const std::function<void(Canvas&)>& draw);

private:
    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam);
    LRESULT HandleMessage(UINT message, WPARAM wparam, LPARAM lparam);
    void ShowPicture(HDC dc) const;

    HWND window_ = nullptr;
    DibSurface picture_;
    MouseHandlers mouse_;
};

} // namespace lunea
