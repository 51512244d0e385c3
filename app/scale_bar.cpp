#include "app/scale_bar.h"

#include "app/temperature_scale.h"

namespace lunea {

void PaintScaleBar(Canvas& canvas, const Rect& bounds, int position) {
    canvas.Rectangle(bounds, Pen{kGrey}, Brush{kWhite});
    const int inner = bounds.Width() - 2;
    const int filled = inner * position / kScalePositions;
    if (filled > 0)
        canvas.Rectangle(
            {bounds.left + 1, bounds.top + 1, bounds.left + 1 + filled, bounds.bottom - 1},
            Pen::None(), Brush{Rgb(49, 106, 197)});
}

} // namespace lunea
