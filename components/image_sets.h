#pragma once
// The program's own artwork as image sets: equally sized images stacked
// top to bottom in one picture (image i starts at row i * height), with a
// mask colour that stays transparent when an image is drawn.

#include "components/canvas.h"
#include "components/pixel_image.h"

namespace lunea {

// Fuchsia, the transparent colour of every picture of the program.
constexpr Color kMaskColor = Rgb(255, 0, 255);

struct ImageSet {
    int width = 0;
    int height = 0;
    int count = 0;
    PixelImage strip; // width x (height * count)
};

// Built on first use and kept for the rest of the run; an id without a
// builder (see artwork_builders.h) has an empty set.
const ImageSet& GetImageSet(ImageSetId id);

// Image numbers within the sets.
namespace icon {
constexpr int kPen = 0, kThermometer = 1, kSmilingFace = 2, kHeart = 3, kLightning = 4, kFace = 5,
              kRedSpiral = 6, kBlueDot = 7, kRedDot = 8;
}
namespace bell {
constexpr int kYellow = 0, kGrey = 1;
}
namespace glyph {
constexpr int kHelp = 0, kMinimize = 1, kClose = 2, kLeft = 3, kRight = 4, kDown = 5;
}
namespace page_button {
constexpr int kCalendar = 0, kCharts = 1, kPreferences = 2, kReports = 3;
}
namespace user_image {
constexpr int kLocalUser = 0, kHandheldUser = 1, kTransfer = 2;
}
namespace chart_button {
constexpr int kCycles = 0, kTemperature = 1, kPrint = 2;
}
namespace report_mark {
constexpr int kNote = 0, kCalendarMethod = 1;
}
namespace tool_bar {
constexpr int kPrint = 0, kClose = 1, kSaveAsBitmap = 2, kPrintSetup = 3;
}
namespace temp_digits {
constexpr int kCelsius = 0, kFahrenheit = 1;
}

} // namespace lunea
