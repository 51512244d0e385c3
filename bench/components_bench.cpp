// The drawing a full month costs on the bitmap canvas: the background,
// the weekday header and 42 rounded cells, each with its day number twice
// and eight 16 x 16 icons. The renderer's own work comes on top of this.

#include "components/canvas/bitmap_canvas.h"
#include "components/art/image_sets.h"

#include <benchmark/benchmark.h>

#include <string>

namespace lunea {
namespace {

void DrawMonthGrid(Canvas& canvas) {
    canvas.Rectangle({-1, -1, 341, 312}, Pen::None(), {13280868});
    Font font;
    font.height = -11;
    font.style = kBold;
    font.charset = 204;
    for (int column = 0; column < 7; ++column) {
        canvas.RoundRect({48 * column, 0, 48 * column + 49, 19}, 10, 10, {0, 1}, {10921638});
        canvas.Text({48 * column + 12, 3}, "Mon", font);
    }
    font.style = kNormal;
    constexpr Point kSlots[] = {{16, 0},  {32, 0}, {0, 16},  {16, 16},
                                {32, 16}, {0, 32}, {16, 32}, {32, 32}};
    for (int cell = 0; cell < 42; ++cell) {
        const int x = 48 * (cell % 7), y = 48 * (cell / 7) + 18;
        canvas.RoundRect({x, y, x + 49, y + 49}, 10, 10, {0, 1}, {15780518});
        const std::string day = std::to_string(cell % 31 + 1);
        font.color = kWhite;
        canvas.Text({x + 2, y + 1}, day, font);
        font.color = 16711680;
        canvas.Text({x + 3, y + 2}, day, font);
        for (int slot = 0; slot < 8; ++slot)
            canvas.Image({x + kSlots[slot].x, y + kSlots[slot].y}, ImageSetId::Icons, slot);
    }
    canvas.RoundRect({96, 66, 145, 115}, 10, 10, {65535, 1}, Brush::Hollow());
}

void BM_BitmapCanvasMonthGrid(benchmark::State& state) {
    BitmapCanvas canvas(340, 311);
    GetImageSet(ImageSetId::Icons);
    for (auto _ : state) {
        DrawMonthGrid(canvas);
        benchmark::DoNotOptimize(canvas.PixelAt(170, 150));
    }
}
BENCHMARK(BM_BitmapCanvasMonthGrid)->Unit(benchmark::kMicrosecond);

} // namespace
} // namespace lunea
