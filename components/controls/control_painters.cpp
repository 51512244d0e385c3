#include "components/controls/control_painters.h"

#include "components/art/image_sets.h"
#include "components/art/skin_painting.h"

#include <algorithm>

namespace lunea {
namespace {

constexpr Color kEdge = Rgb(88, 112, 156);
constexpr Color kFace = Rgb(232, 239, 249);
constexpr Color kFaceHot = Rgb(250, 252, 255);
constexpr Color kFacePressed = Rgb(196, 212, 236);
constexpr Color kShine = kWhite;
constexpr Color kShade = Rgb(170, 188, 216);
constexpr Color kChecked = Rgb(222, 28, 40);
constexpr Color kGreyText = Rgb(140, 140, 148);
constexpr Color kFocusFrame = Rgb(250, 200, 60);

Color FaceColor(const ButtonState& state) {
    if (state.pressed || state.checked)
        return kFacePressed;
    return state.hot && state.enabled ? kFaceHot : kFace;
}

// The inside of a check box's box or a radio button's circle.
Color MarkFill(const ButtonState& state) {
    if (state.pressed)
        return kFacePressed;
    return state.hot ? kFaceHot : kShine;
}

// A check box's or radio button's caption, from left on, centred in height.
void PaintCaptionBeside(Canvas& canvas, int left, const Rect& bounds, const ButtonState& state,
                        const std::string& caption, const Font& font) {
    if (caption.empty())
        return;
    Font text = font;
    if (!state.enabled)
        text.color = kGreyText;
    const TextExtent extent = canvas.MeasureText(caption, text);
    canvas.Text({left, bounds.top + (bounds.Height() - extent.height) / 2}, caption, text);
}

// Image and caption side by side, centred in the bounds.
void PaintContent(Canvas& canvas, const Rect& bounds, const ButtonState& state,
                  const ButtonContent& content) {
    const int shift = state.pressed ? 1 : 0;
    int imageWidth = 0, imageHeight = 0;
    if (content.image) {
        const ImageSet& set = GetImageSet(content.image->set);
        imageWidth = set.width;
        imageHeight = set.height;
    }
    Font font = content.font;
    if (!state.enabled)
        font.color = kGreyText;
    const TextExtent text =
        content.caption.empty() ? TextExtent{} : canvas.MeasureText(content.caption, font);
    if (content.imageAbove) {
        const int gap = imageHeight > 0 && text.height > 0 ? 2 : 0;
        const int top =
            bounds.top + (bounds.Height() - imageHeight - gap - text.height) / 2 + shift;
        if (content.image)
            canvas.Image({bounds.left + (bounds.Width() - imageWidth) / 2 + shift, top},
                         content.image->set, content.image->index);
        if (!content.caption.empty())
            canvas.Text(
                {bounds.left + (bounds.Width() - text.width) / 2 + shift, top + imageHeight + gap},
                content.caption, font);
        return;
    }
    const int gap = imageWidth > 0 && text.width > 0 ? 4 : 0;
    const int total = imageWidth + gap + text.width;
    int x = bounds.left + (bounds.Width() - total) / 2 + shift;
    if (content.image) {
        canvas.Image({x, bounds.top + (bounds.Height() - imageHeight) / 2 + shift},
                     content.image->set, content.image->index);
        x += imageWidth + gap;
    }
    if (!content.caption.empty())
        canvas.Text({x, bounds.top + (bounds.Height() - text.height) / 2 + shift}, content.caption,
                    font);
}

} // namespace

Font ControlFont() {
    return Font{"Arial", -12, kNormal, 0, kBlack};
}

void PaintPushButton(Canvas& canvas, const Rect& bounds, const ButtonState& state,
                     const ButtonContent& content) {
    canvas.RoundRect(bounds, 6, 6, {kEdge, 1}, {FaceColor(state)});
    const Rect inner{bounds.left + 1, bounds.top + 1, bounds.right - 1, bounds.bottom - 1};
    const bool sunken = state.pressed || state.checked;
    canvas.Line({inner.left + 2, inner.top}, {inner.right - 2, inner.top},
                {sunken ? kShade : kShine, 1});
    canvas.Line({inner.left + 2, inner.bottom - 1}, {inner.right - 2, inner.bottom - 1},
                {sunken ? kShine : kShade, 1});
    PaintContent(canvas, bounds, state, content);
}

void PaintFlatButton(Canvas& canvas, const Rect& bounds, const ButtonState& state,
                     const ButtonContent& content) {
    if ((state.hot && state.enabled) || state.pressed || state.checked)
        canvas.RoundRect(bounds, 4, 4, {kEdge, 1}, {FaceColor(state)});
    PaintContent(canvas, bounds, state, content);
}

void PaintPageButton(Canvas& canvas, const Rect& bounds, const ButtonState& state,
                     const ImageRef& image) {
    if (state.checked)
        canvas.RoundRect(bounds, 8, 8, {kFocusFrame, 2}, {Rgb(255, 246, 214)});
    else if (state.hot && state.enabled)
        canvas.RoundRect(bounds, 8, 8, {kEdge, 1}, {kFaceHot});
    const ImageSet& set = GetImageSet(image.set);
    const int shift = state.pressed ? 1 : 0;
    canvas.Image({bounds.left + (bounds.Width() - set.width) / 2 + shift,
                  bounds.top + (bounds.Height() - set.height) / 2 + shift},
                 image.set, image.index);
}

void PaintCheckBox(Canvas& canvas, const Rect& bounds, const ButtonState& state,
                   const std::string& caption, const Font& font) {
    constexpr int kBox = 13;
    const int top = bounds.top + (bounds.Height() - kBox) / 2;
    const Rect box{bounds.left, top, bounds.left + kBox, top + kBox};
    canvas.RoundRect(box, 3, 3, {kEdge, 1}, {MarkFill(state)});
    if (state.checked) {
        const Pen tick{kChecked, 2};
        canvas.Line({box.left + 3, box.top + 6}, {box.left + 5, box.top + 9}, tick);
        canvas.Line({box.left + 5, box.top + 9}, {box.left + 10, box.top + 3}, tick);
    }
    PaintCaptionBeside(canvas, box.right + 4, bounds, state, caption, font);
}

void PaintRadioButton(Canvas& canvas, const Rect& bounds, const ButtonState& state,
                      const std::string& caption, const Font& font) {
    constexpr int kCircle = 13;
    const int left = caption.empty() ? bounds.left + (bounds.Width() - kCircle) / 2 : bounds.left;
    const int top = bounds.top + (bounds.Height() - kCircle) / 2;
    const Rect circle{left, top, left + kCircle, top + kCircle};
    canvas.Ellipse(circle, {kEdge, 1}, {MarkFill(state)});
    if (state.checked)
        canvas.Ellipse({left + 3, top + 3, left + kCircle - 3, top + kCircle - 3}, {kChecked, 1},
                       {kChecked});
    PaintCaptionBeside(canvas, circle.right + 4, bounds, state, caption, font);
}

void PaintBevel(Canvas& canvas, const Rect& bounds) {
    canvas.Line({bounds.left, bounds.top}, {bounds.right, bounds.top}, {skin::kColumnEdge, 1});
    canvas.Line({bounds.left, bounds.top + 1}, {bounds.right, bounds.top + 1}, {kWhite, 1});
}

void PaintLabel(Canvas& canvas, const Rect& bounds, const std::string& text, const Font& font,
                HorizontalAlign align) {
    canvas.TextInRect(bounds, text, font, align, VerticalAlign::Top);
}

} // namespace lunea
