#include "components/controls/control_painters.h"
#include "components/art/image_sets.h"
#include "components/canvas/recording_canvas.h"

#include <gtest/gtest.h>

namespace lunea {
namespace {

TEST(ControlPainters, PushButtonCentresImageAndCaptionTogether) {
    RecordingCanvas canvas;
    const Font font = ControlFont();
    PaintPushButton(canvas, {0, 0, 140, 23}, {},
                    {"Heavy Menses", ImageRef{ImageSetId::Status, 3}, font});
    const auto images = canvas.CallsOf<ImageCall>();
    const auto texts = canvas.CallsOf<TextCall>();
    ASSERT_EQ(images.size(), 1u);
    ASSERT_EQ(texts.size(), 1u);
    const int textWidth = canvas.MeasureText("Heavy Menses", font).width;
    const int total = 16 + 4 + textWidth;
    EXPECT_EQ(images[0].at, (Point{(140 - total) / 2, (23 - 16) / 2}));
    EXPECT_EQ(images[0].index, 3);
    EXPECT_EQ(texts[0].at.x, images[0].at.x + 20);
    EXPECT_EQ(texts[0].text, "Heavy Menses");

    canvas.Clear();
    PaintPushButton(canvas, {0, 0, 140, 23}, {.pressed = true},
                    {"Heavy Menses", ImageRef{ImageSetId::Status, 3}, font});
    EXPECT_EQ(canvas.CallsOf<ImageCall>()[0].at.x, images[0].at.x + 1) << "pressed moves down";
}

TEST(ControlPainters, FlatButtonShowsAFaceOnlyUnderTheMouse) {
    RecordingCanvas canvas;
    const ButtonContent content{"", ImageRef{ImageSetId::Glyphs, glyph::kClose}, ControlFont()};
    PaintFlatButton(canvas, {0, 0, 14, 14}, {}, content);
    EXPECT_TRUE(canvas.CallsOf<RoundRectCall>().empty());
    ASSERT_EQ(canvas.CallsOf<ImageCall>().size(), 1u);
    EXPECT_EQ(canvas.CallsOf<ImageCall>()[0].at, (Point{1, 1}));
    canvas.Clear();
    PaintFlatButton(canvas, {0, 0, 14, 14}, {.hot = true}, content);
    EXPECT_EQ(canvas.CallsOf<RoundRectCall>().size(), 1u);
    canvas.Clear();
    PaintFlatButton(canvas, {0, 0, 14, 14}, {.hot = true, .enabled = false}, content);
    EXPECT_TRUE(canvas.CallsOf<RoundRectCall>().empty()) << "a disabled button does not light up";
}

TEST(ControlPainters, CheckBoxDrawsItsTickOnlyWhenChecked) {
    RecordingCanvas canvas;
    PaintCheckBox(canvas, {0, 0, 70, 17}, {}, "PMS", ControlFont());
    EXPECT_TRUE(canvas.CallsOf<LineCall>().empty());
    ASSERT_EQ(canvas.CallsOf<TextCall>().size(), 1u);
    EXPECT_EQ(canvas.CallsOf<TextCall>()[0].at.x, 17);
    canvas.Clear();
    PaintCheckBox(canvas, {0, 0, 70, 17}, {.checked = true, .enabled = false}, "PMS",
                  ControlFont());
    EXPECT_EQ(canvas.CallsOf<LineCall>().size(), 2u);
    EXPECT_NE(canvas.CallsOf<TextCall>()[0].font.color, ControlFont().color)
        << "a disabled box greys its caption";
}

TEST(ControlPainters, RadioWithoutCaptionIsCentredAndShowsItsDotWhenChecked) {
    RecordingCanvas canvas;
    PaintRadioButton(canvas, {0, 0, 16, 16}, {.checked = true}, "", ControlFont());
    const auto circles = canvas.CallsOf<EllipseCall>();
    ASSERT_EQ(circles.size(), 2u);
    EXPECT_EQ(circles[0].bounds, (Rect{1, 1, 14, 14}));
    EXPECT_TRUE(canvas.CallsOf<TextCall>().empty());
    canvas.Clear();
    PaintRadioButton(canvas, {0, 0, 16, 16}, {}, "", ControlFont());
    EXPECT_EQ(canvas.CallsOf<EllipseCall>().size(), 1u);
}

TEST(ControlPainters, PageButtonFramesOnlyTheCheckedPage) {
    RecordingCanvas canvas;
    const ImageRef charts{ImageSetId::PageButtons, page_button::kCharts};
    PaintPageButton(canvas, {0, 0, 32, 32}, {}, charts);
    EXPECT_TRUE(canvas.CallsOf<RoundRectCall>().empty());
    ASSERT_EQ(canvas.CallsOf<ImageCall>().size(), 1u);
    EXPECT_EQ(canvas.CallsOf<ImageCall>()[0].at, (Point{0, 0}));
    canvas.Clear();
    PaintPageButton(canvas, {0, 0, 32, 32}, {.checked = true}, charts);
    EXPECT_EQ(canvas.CallsOf<RoundRectCall>().size(), 1u);
}

TEST(ControlPainters, CentredLabelStandsInTheMiddleOfItsBounds) {
    RecordingCanvas canvas;
    const Font font = ControlFont();
    PaintLabel(canvas, {0, 64, 100, 80}, "Calendar", font, HorizontalAlign::Centre);
    const int width = canvas.MeasureText("Calendar", font).width;
    ASSERT_EQ(canvas.CallsOf<TextCall>().size(), 1u);
    EXPECT_EQ(canvas.CallsOf<TextCall>()[0].at, (Point{(100 - width) / 2, 64}));
}

} // namespace
} // namespace lunea
