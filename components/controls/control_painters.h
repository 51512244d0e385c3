#pragma once
// How the skinned controls look, drawn on a Canvas so the look is the same
// code on screen and in tests. Each painter draws the control's own pixels
// over a background the caller has already painted.

#include "components/art/image_sets.h"
#include "components/canvas/canvas.h"

#include <optional>
#include <string>

namespace lunea {

struct ImageRef {
    ImageSetId set = ImageSetId::Icons;
    int index = 0;
    friend bool operator==(const ImageRef&, const ImageRef&) = default;
};

struct ButtonState {
    bool hot = false;     // the mouse is over it
    bool pressed = false; // held down by the mouse
    bool checked = false;
    bool enabled = true;
};

struct ButtonContent {
    std::string caption;
    std::optional<ImageRef> image;
    Font font;
    bool imageAbove = false; // else beside the caption, on its left
};

// The program's controls' text: Arial, 12 pixels high.
Font ControlFont();

// Raised rounded button; the image stands left of the caption, both centred.
void PaintPushButton(Canvas& canvas, const Rect& bounds, const ButtonState& state,
                     const ButtonContent& content);
// No face until the mouse is over it or it is pressed or checked.
void PaintFlatButton(Canvas& canvas, const Rect& bounds, const ButtonState& state,
                     const ButtonContent& content);
// A 32 x 32 picture with a frame when checked or under the mouse.
void PaintPageButton(Canvas& canvas, const Rect& bounds, const ButtonState& state,
                     const ImageRef& image);
void PaintCheckBox(Canvas& canvas, const Rect& bounds, const ButtonState& state,
                   const std::string& caption, const Font& font);
// Without a caption the circle is centred in the bounds.
void PaintRadioButton(Canvas& canvas, const Rect& bounds, const ButtonState& state,
                      const std::string& caption, const Font& font);

// A thin lowered line across the bounds, between groups of controls.
void PaintBevel(Canvas& canvas, const Rect& bounds);

void PaintLabel(Canvas& canvas, const Rect& bounds, const std::string& text, const Font& font,
                HorizontalAlign align);

} // namespace lunea
