#pragma once
// The catalogue of the program's own artwork: which image sets there are
// and the numbers of the images within them.

#include "components/canvas/image_set.h"

namespace lunea {

// The pictures the program ships, each a strip of equally sized images.
enum class ImageSetId {
    Icons,        // 9 calendar icons, 16 x 16
    Status,       // 7 status images, 16 x 16
    Bells,        // 2 appointment bells, 16 x 16
    Glyphs,       // 12 x 12 button glyphs: help, minimize, close, left, right, down
    PageButtons,  // 32 x 32: calendar, charts, preferences, reports
    TempScale,    // 122 x 8: the scale ticks
    TempDigits,   // 140 x 8: Celsius digits, Fahrenheit digits
    IconKinds,    // 11 pictures of the calendar-icon kinds, 16 x 16, kind order
    Users,        // 16 x 16: local user, handheld user, transfer
    ChartButtons, // 32 x 32: cycle lengths, temperature, print
    ReportMarks,  // 16 x 16: note, calendar-method warning
    ToolBar,      // 16 x 16: print, close, save as bitmap, print setup
};

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
