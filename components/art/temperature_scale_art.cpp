// The temperature scale under the day editor's bar: ticks for the 41
// positions (3 pixels each) and strips of digits in Celsius and Fahrenheit
// standing under their positions.

#include "components/art/artwork_builders.h"
#include "components/canvas/bitmap_canvas.h"
#include "components/art/char_map_art.h"

#include <cmath>
#include <string_view>

namespace lunea {
namespace {

constexpr Color kInk = Rgb(28, 40, 92);
constexpr int kPositions = 41;
// The digit strip starts 10 pixels left of the first position's centre.
constexpr int kDigitStripOffset = 10;

int TickX(int position) {
    return 3 * position + 1;
}

PixelImage DigitPicture(char digit) {
    switch (digit) {
    case '0':
        return PaintCharMap({"nnn", "n.n", "n.n", "n.n", "nnn"});
    case '1':
        return PaintCharMap({".n.", "nn.", ".n.", ".n.", "nnn"});
    case '2':
        return PaintCharMap({"nnn", "..n", "nnn", "n..", "nnn"});
    case '3':
        return PaintCharMap({"nnn", "..n", "nnn", "..n", "nnn"});
    case '4':
        return PaintCharMap({"n.n", "n.n", "nnn", "..n", "..n"});
    case '5':
        return PaintCharMap({"nnn", "n..", "nnn", "..n", "nnn"});
    case '6':
        return PaintCharMap({"nnn", "n..", "nnn", "n.n", "nnn"});
    case '7':
        return PaintCharMap({"nnn", "..n", "..n", "..n", "..n"});
    case '8':
        return PaintCharMap({"nnn", "n.n", "nnn", "n.n", "nnn"});
    case '9':
        return PaintCharMap({"nnn", "n.n", "nnn", "..n", "nnn"});
    default:
        return PaintCharMap({".", ".", ".", ".", "n"});
    }
}

int LabelWidth(std::string_view label) {
    int width = 0;
    for (char c : label)
        width += (c == '.' ? 1 : 3) + 1;
    return width - 1;
}

void DrawLabel(BitmapCanvas& canvas, std::string_view label, double position) {
    int x = static_cast<int>(std::lround(kDigitStripOffset + 3 * position)) - LabelWidth(label) / 2;
    for (char c : label) {
        const PixelImage digit = DigitPicture(c);
        canvas.Blit({x, 2}, digit, {0, 0, digit.width, digit.height}, kMaskColor);
        x += digit.width + 1;
    }
}

double PositionOfFahrenheit(double fahrenheit) {
    return ((fahrenheit - 32.0) / 1.8 - 35.5) / 0.05;
}

} // namespace

ImageSet BuildTempScaleSet() {
    BitmapCanvas canvas(122, 8, kMaskColor);
    canvas.FillRect({TickX(0), 0, TickX(kPositions - 1) + 1, 1}, kInk);
    for (int position = 0; position < kPositions; ++position) {
        const int length = position % 10 == 0 ? 8 : position % 2 == 0 ? 5 : 3;
        canvas.FillRect({TickX(position), 0, TickX(position) + 1, length}, kInk);
    }
    return StackImages({canvas.Pixels()});
}

ImageSet BuildTempDigitSet() {
    BitmapCanvas celsius(140, 8, kMaskColor);
    const std::string_view celsiusLabels[] = {"35.5", "36", "36.5", "37", "37.5"};
    for (int i = 0; i < 5; ++i)
        DrawLabel(celsius, celsiusLabels[i], 10.0 * i);
    BitmapCanvas fahrenheit(140, 8, kMaskColor);
    for (int degrees : {96, 97, 98, 99})
        DrawLabel(fahrenheit, std::to_string(degrees), PositionOfFahrenheit(degrees));
    return StackImages({celsius.Pixels(), fahrenheit.Pixels()});
}

} // namespace lunea
