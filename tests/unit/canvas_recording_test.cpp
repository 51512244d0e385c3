#include "components/art/image_sets.h"
#include "components/canvas/recording_canvas.h"

#include <gtest/gtest.h>

namespace lunea {
namespace {

TEST(RecordingCanvas, KeepsEveryCallInOrderWithItsParameters) {
    RecordingCanvas canvas;
    Font font;
    font.style = kBold;
    font.charset = 204;
    font.color = kRed;
    canvas.RoundRect({0, 18, 49, 67}, 10, 10, {0, 1}, {Rgb(1, 2, 3)});
    canvas.Text({3, 20}, "12", font);
    canvas.Image({16, 18}, ImageSetId::Bells, 1);
    const Point triangle[] = {{0, 0}, {4, 0}, {2, 3}};
    canvas.Polygon(triangle, Pen::None(), Brush::Hollow());

    ASSERT_EQ(canvas.Calls().size(), 4u);
    const auto cell = std::get<RoundRectCall>(canvas.Calls()[0]);
    EXPECT_EQ(cell.rect, (Rect{0, 18, 49, 67}));
    EXPECT_EQ(cell.ellipseWidth, 10);
    EXPECT_EQ(cell.brush.color, Rgb(1, 2, 3));
    const auto text = std::get<TextCall>(canvas.Calls()[1]);
    EXPECT_EQ(text.text, "12");
    EXPECT_EQ(text.font, font);
    EXPECT_EQ(text.background, std::nullopt) << "plain text is transparent";
    const auto image = std::get<ImageCall>(canvas.Calls()[2]);
    EXPECT_EQ(image.at, (Point{16, 18}));
    EXPECT_EQ(image.set, ImageSetId::Bells);
    EXPECT_EQ(image.index, 1);
    EXPECT_EQ(std::get<PolygonCall>(canvas.Calls()[3]).points.size(), 3u);

    EXPECT_EQ(canvas.CallsOf<TextCall>().size(), 1u);
    EXPECT_TRUE(canvas.CallsOf<LineCall>().empty());
    canvas.TextOnBackground({1, 2}, "May", font, kWhite);
    EXPECT_EQ(canvas.CallsOf<TextCall>().back().background, kWhite);
    canvas.Clear();
    EXPECT_TRUE(canvas.Calls().empty());
}

TEST(RecordingCanvas, MeasuresTextLikeTheBitmapCanvas) {
    RecordingCanvas canvas;
    Font font;
    font.height = -11;
    EXPECT_EQ(canvas.MeasureText("December, 2004", font), (TextExtent{14 * 5, 11}));
    EXPECT_EQ(canvas.MeasureText("", font).width, 0);
}

} // namespace
} // namespace lunea
