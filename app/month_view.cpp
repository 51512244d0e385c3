#include "app/month_view.h"

#include "components/art/desktop_skin.h"
#include "components/art/image_sets.h"

namespace lunea {
namespace {

constexpr int kCellPitch = 48;
constexpr int kCellSize = 49; // neighbouring cells share their border line
constexpr int kGridTop = 18;
constexpr int kHeaderHeight = 19;
constexpr int kCorner = 10;
// The focus frame runs inside the selected cell, one pixel of the day's
// colour away from its border, in navy: dark on every light day colour.
constexpr int kFocusInset = 2;
constexpr Color kFocusFrame = kNavy;

constexpr Color kWeekdayHeader = 10921638;
constexpr Color kWeekendHeader = 12632256;
constexpr int kCyrillicCharset = 204;

constexpr std::array<Point, Settings::kIconSlots> kSlotOffsets{
    {{16, 0}, {32, 0}, {0, 16}, {16, 16}, {32, 16}, {0, 32}, {16, 32}, {32, 32}}};

enum IconKind {
    kNone = 0,
    kProtection = 1,
    kCervicalFluid = 2,
    kAppointment = 3,
    kTemperature = 4,
    kPms = 5,
    kSex = 6,
    kNote = 7,
    kCramps = 8,
    kSecret = 9,
    kBoyGirl = 10,
};

Color KindColor(DayKind kind, const Settings& settings) {
    switch (kind) {
    case kFlowDay:
        return static_cast<Color>(settings.flowDayColor);
    case kFertileDay:
        return static_cast<Color>(settings.fertileDayColor);
    case kPredictedFlowDay:
        return static_cast<Color>(settings.predictedFlowColor);
    case kClearDay:
        break;
    }
    return static_cast<Color>(settings.clearDayColor);
}

// Weekday (0 = Sunday) shown in a header column.
int WeekdayOfColumn(int column, bool mondayFirst) {
    return mondayFirst ? (column + 1) % 7 : column;
}

int ColumnOfWeekday(int weekday, bool mondayFirst) {
    return mondayFirst ? (weekday + 6) % 7 : weekday;
}

bool IsBefore(CivilDate a, CivilDate b) {
    if (a.year != b.year)
        return a.year < b.year;
    if (a.month != b.month)
        return a.month < b.month;
    return a.day < b.day;
}

void DrawHeader(Canvas& canvas, const MonthViewLocale& locale) {
    Font font = CalendarFont();
    font.style = kBold;
    font.charset = kCyrillicCharset;
    for (int column = 0; column < kGridColumns; ++column) {
        const int weekday = WeekdayOfColumn(column, locale.mondayFirst);
        const bool weekend = weekday == 0 || weekday == 6;
        const int left = kCellPitch * column;
        canvas.RoundRect({left, 0, left + kCellSize, kHeaderHeight}, kCorner, kCorner, Pen{kBlack},
                         Brush{weekend ? kWeekendHeader : kWeekdayHeader});
        font.color = weekend ? kRed : kBlack;
        const std::string& name = locale.dayNames[static_cast<std::size_t>(weekday)];
        canvas.Text({left + 12, 3}, std::string_view(name).substr(0, 3), font);
    }
}

void DrawDayNumber(Canvas& canvas, Point corner, int day, bool isToday) {
    const std::string number = std::to_string(day);
    Font font = CalendarFont();
    font.color = kWhite;
    canvas.Text({corner.x + 2, corner.y + 1}, number, font);
    font.color = isToday ? kRed : kBlue;
    font.style = isToday ? kBold : kNormal;
    canvas.Text({corner.x + 3, corner.y + 2}, number, font);
}

void DrawSlot(Canvas& canvas, Point at, int kind, const TDayRecord& record,
              const DayClass& dayClass, bool beforeToday) {
    switch (kind) {
    case kProtection:
        if (record.Protect != 0)
            canvas.Image(at, ImageSetId::Icons, icon::kRedSpiral);
        break;
    case kCervicalFluid:
        if (record.Status > 0 && record.Status <= 6)
            canvas.Image(at, ImageSetId::Status, record.Status);
        break;
    case kAppointment:
        if (record.Appointment != 0)
            canvas.Image(at, ImageSetId::Bells, beforeToday ? bell::kGrey : bell::kYellow);
        break;
    case kTemperature:
        if (record.Temperature > 1.0)
            canvas.Image(at, ImageSetId::Icons, icon::kThermometer);
        break;
    case kPms:
        if (record.PMS != 0)
            canvas.Image(at, ImageSetId::Icons, icon::kSmilingFace);
        break;
    case kSex:
        if (record.Sex != 0)
            canvas.Image(at, ImageSetId::Icons, icon::kHeart);
        break;
    case kNote:
        if (record.Note.Length > 0)
            canvas.Image(at, ImageSetId::Icons, icon::kPen);
        break;
    case kCramps:
        if (record.Cramping != 0)
            canvas.Image(at, ImageSetId::Icons, icon::kLightning);
        break;
    case kSecret:
        if (record.Secrets != 0)
            canvas.Image(at, ImageSetId::Icons, icon::kFace);
        break;
    case kBoyGirl:
        if (dayClass.boyMark)
            canvas.Image(at, ImageSetId::Icons, icon::kBlueDot);
        if (dayClass.girlMark)
            canvas.Image(at, ImageSetId::Icons, icon::kRedDot);
        break;
    default: // kNone and unknown kinds draw nothing
        break;
    }
}

} // namespace

Font CalendarFont() {
    Font font;
    font.name = "Arial";
    font.height = -11;
    return font;
}

Rect DayCellRect(int cellIndex) {
    const int left = kCellPitch * (cellIndex % kGridColumns);
    const int top = kCellPitch * (cellIndex / kGridColumns) + kGridTop;
    return {left, top, left + kCellSize, top + kCellSize};
}

CellDayList MonthCells(int year, int month, bool mondayFirst) {
    CellDayList cells{};
    const int firstColumn = ColumnOfWeekday(DayOfWeek({year, month, 1}), mondayFirst);
    const int dayCount = DaysInMonth(year, month);
    for (int day = 1; day <= dayCount; ++day)
        cells[static_cast<std::size_t>(firstColumn + day - 1)] = day;
    return cells;
}

void DrawMonth(Canvas& canvas, const MonthViewInput& input, const CycleAnalysis& analysis) {
    canvas.Rectangle({-1, -1, kMainImageWidth + 1, kMainImageHeight + 1}, Pen::None(),
                     Brush{kPagePanelColor});
    DrawHeader(canvas, input.locale);

    const CellDayList cells = MonthCells(input.year, input.month, input.locale.mondayFirst);
    const CycleRules rules = CycleRulesOf(input.settings);
    for (int cell = 0; cell < kCellCount; ++cell) {
        const int day = cells[static_cast<std::size_t>(cell)];
        if (day == 0)
            continue;
        const CivilDate date{input.year, input.month, day};
        const TDayRecord& record = input.days.At(date);
        const DayClass dayClass = analysis.ClassifyDay(input.days, date, rules);
        const Rect rect = DayCellRect(cell);
        canvas.RoundRect(rect, kCorner, kCorner, Pen{kBlack},
                         Brush{KindColor(dayClass.kind, input.settings)});
        const Point corner{rect.left, rect.top};
        DrawDayNumber(canvas, corner, day, date == input.today);
        const bool beforeToday = IsBefore(date, input.today);
        for (std::size_t slot = 0; slot < kSlotOffsets.size(); ++slot)
            DrawSlot(canvas, {corner.x + kSlotOffsets[slot].x, corner.y + kSlotOffsets[slot].y},
                     input.settings.iconKinds[slot], record, dayClass, beforeToday);
    }
}

void DrawSelectionFrame(Canvas& canvas, const CellDayList& cellDays, int day) {
    for (int cell = 0; cell < kCellCount; ++cell)
        if (cellDays[static_cast<std::size_t>(cell)] == day) {
            const Rect rect = DayCellRect(cell);
            canvas.RoundRect(rect, kCorner, kCorner, Pen{kYellow}, Brush::Hollow());
            canvas.RoundRect({rect.left + kFocusInset, rect.top + kFocusInset,
                              rect.right - kFocusInset, rect.bottom - kFocusInset},
                             kCorner, kCorner, Pen{kFocusFrame}, Brush::Hollow());
            return;
        }
}

int DayAtPoint(const CellDayList& cellDays, int x, int y) {
    if (y < kGridTop + 1 || x < 0)
        return 0;
    const int column = x / kCellPitch;
    const int row = (y - kGridTop) / kCellPitch;
    if (column >= kGridColumns || row >= kGridRows)
        return 0;
    return cellDays[static_cast<std::size_t>(row * kGridColumns + column)];
}

} // namespace lunea
