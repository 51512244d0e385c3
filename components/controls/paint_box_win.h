#pragma once
// A child window its owner draws through a Canvas (the calendar image, the
// temperature scale, any picture): the owner's painter runs whenever the
// window needs its pixels, and mouse presses and moves go to the owner's
// handlers with the point relative to the box.

#include "components/controls/skin_control_win.h"

#include <functional>

namespace lunea {

struct MouseEvent {
    Point at;
    bool left = false;
    bool right = false;
    bool middle = false;
    bool shift = false;
    bool control = false;
};

class PaintBox final : public SkinControl {
  public:
    using Painter = std::function<void(Canvas& canvas, const Rect& client)>;
    using MouseHandler = std::function<void(const MouseEvent& event)>;

    PaintBox(HWND parent, int id, const Rect& bounds);

    void SetPainter(Painter painter) { painter_ = std::move(painter); }
    void SetMouseDown(MouseHandler handler) { mouseDown_ = std::move(handler); }
    void SetMouseMove(MouseHandler handler) { mouseMove_ = std::move(handler); }
    // Paints now rather than when the message queue gets to it.
    void Repaint() const;

  private:
    LRESULT HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) override;
    void Paint(Canvas& canvas, const Rect& client) override;

    Painter painter_;
    MouseHandler mouseDown_;
    MouseHandler mouseMove_;
};

} // namespace lunea
