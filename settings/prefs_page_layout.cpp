#include "settings/prefs_page_layout.h"

#include "components/controls/control_classes.h"
#include "settings/prefs_ids.h"

#include <string>
#include <vector>

namespace lunea {
namespace {

namespace cc = control_class;

Rect At(int left, int top, int width, int height) {
    return {left, top, left + width, top + height};
}

constexpr Rect kDefaultButton{175, 248, 325, 273};

std::vector<ControlSpec> BuildSheets() {
    using namespace prefs_ids;
    std::vector<ControlSpec> layout = {
        {TempFormatLabel, cc::kLabel, GeneralSheet, At(13, 7, 140, 15), "Temperature Format", ""},
        {CelsiusButton, cc::kPushButton, GeneralSheet, At(226, 11, 22, 20),
         "\xB0"
         "C",
         ""},
        {CelsiusLabel, cc::kLabel, GeneralSheet, At(257, 16, 70, 15), "Celsius", ""},
        {FahrenheitButton, cc::kPushButton, GeneralSheet, At(226, 36, 22, 21),
         "\xB0"
         "F",
         ""},
        {FahrenheitLabel, cc::kLabel, GeneralSheet, At(257, 42, 70, 15), "Fahrenheit", ""},
        {PasswordLabel, cc::kLabel, GeneralSheet, At(13, 66, 120, 15), "Password", ""},
        {PasswordEdit, cc::kEdit, GeneralSheet, At(216, 73, 101, 23), "", ""},
        {DataLabel, cc::kLabel, GeneralSheet, At(13, 108, 100, 15), "Data", ""},
        {ClearDatabaseButton, cc::kPushButton, GeneralSheet, At(119, 112, 22, 22), "", ""},
        {ClearDatabaseLabel, cc::kLabel, GeneralSheet, At(148, 116, 176, 15),
         "Clear Database (desktop only)", ""},
        {ExportLabel, cc::kLabel, GeneralSheet, At(13, 148, 120, 15), "Export data", ""},
        {ExportCsvButton, cc::kPushButton, GeneralSheet, At(198, 152, 123, 22), "Save Data As...",
         ""},
        {GeneralDefault, cc::kPushButton, GeneralSheet, kDefaultButton, "Default Settings", ""},

        {CycleLengthLabel, cc::kLabel, EstimatesSheet, At(13, 6, 120, 15), "Cycle Length", ""},
        {AverageButton, cc::kPushButton, EstimatesSheet, At(195, 10, 62, 20), "Average", ""},
        {AverageLengthLabel, cc::kLabel, EstimatesSheet, At(266, 13, 60, 15), "", ""},
        {CustomButton, cc::kPushButton, EstimatesSheet, At(195, 36, 62, 19), "Custom", ""},
        {CustomLengthEdit, cc::kEdit, EstimatesSheet, At(264, 36, 23, 19), "", ""},
        {CustomDaysLabel, cc::kLabel, EstimatesSheet, At(290, 40, 30, 15), "days", ""},
        {FertilePeriodLabel, cc::kLabel, EstimatesSheet, At(13, 67, 140, 15), "Fertile Period", ""},
        {OvulationSpinEdit, cc::kEdit, EstimatesSheet, At(240, 73, 44, 24), "", ""},
        {OvulationDaysLabel, cc::kLabel, EstimatesSheet, At(290, 78, 30, 15), "days", ""},
        {MenstruationLabel, cc::kLabel, EstimatesSheet, At(13, 105, 140, 15), "Menstruation", ""},
        {MenstruationSpinEdit, cc::kEdit, EstimatesSheet, At(240, 112, 44, 24), "", ""},
        {MenstruationDaysLabel, cc::kLabel, EstimatesSheet, At(290, 117, 30, 15), "days", ""},
        {LutealLabel, cc::kLabel, EstimatesSheet, At(13, 146, 140, 15), "Luter Phase Length", ""},
        {LutealSpinEdit, cc::kEdit, EstimatesSheet, At(240, 154, 44, 24), "", ""},
        {LutealDaysLabel, cc::kLabel, EstimatesSheet, At(290, 159, 30, 15), "days", ""},
        {ShowCoverlineBox, cc::kCheckBox, EstimatesSheet, At(13, 197, 200, 19), "Show coverline",
         ""},
        {EstimatesDefault, cc::kPushButton, EstimatesSheet, kDefaultButton, "Default Settings", ""},

        {CalendarColorsLabel, cc::kLabel, CalendarSheet, At(13, 8, 100, 15), "Calendar Colors", ""},
        {ClearDayColor, cc::kPaintBox, CalendarSheet, At(118, 10, 16, 15), "", ""},
        {FlowDayColor, cc::kPaintBox, CalendarSheet, At(118, 32, 16, 15), "", ""},
        {FertileDayColor, cc::kPaintBox, CalendarSheet, At(212, 10, 16, 15), "", ""},
        {PredictedFlowColor, cc::kPaintBox, CalendarSheet, At(212, 32, 16, 15), "", ""},
        {ClearDayLabel, cc::kLabel, CalendarSheet, At(145, 10, 62, 15), "Clear Day", ""},
        {FlowDaysLabel, cc::kLabel, CalendarSheet, At(145, 32, 62, 15), "Flow Days", ""},
        {FertileDaysLabel, cc::kLabel, CalendarSheet, At(239, 10, 84, 15), "Fertile Days", ""},
        {PredictedFlowLabel, cc::kLabel, CalendarSheet, At(239, 32, 84, 15), "Predicted Flow", ""},
        {CalendarIconsLabel, cc::kLabel, CalendarSheet, At(13, 55, 120, 15), "Calendar Icons", ""},
        {IconFrame, cc::kPaintBox, CalendarSheet, At(160, 58, 154, 126), "", ""},
        {DayIconButton, cc::kPushButton, IconFrame, At(163, 61, 50, 40), "Day", ""},
        {CustomDefault, cc::kPushButton, CalendarSheet, kDefaultButton, "Default Settings", ""},
    };
    // The eight slots around "Day", as in a calendar cell.
    const Point slots[8] = {{212, 61},  {262, 61},  {164, 101}, {212, 101},
                            {262, 101}, {163, 141}, {212, 141}, {262, 141}};
    for (int slot = 0; slot < 8; ++slot)
        layout.push_back({IconSlotButtons + slot, cc::kPushButton, IconFrame,
                          At(slots[slot].x, slots[slot].y, 50, 40), "", ""});
    const struct {
        int first, sheet;
        std::vector<int> tops;
    } bevels[] = {{GeneralBevels, GeneralSheet, {60, 102, 142, 182}},
                  {EstimatesBevels, EstimatesSheet, {62, 100, 140, 184}},
                  {CalendarBevels, CalendarSheet, {50, 192}}};
    for (const auto& row : bevels)
        for (std::size_t i = 0; i < row.tops.size(); ++i)
            layout.push_back({row.first + static_cast<int>(i), cc::kPaintBox, row.sheet,
                              At(6, row.tops[i], 315, 2), "", ""});
    return layout;
}

} // namespace

std::span<const ControlSpec> PrefsSheetLayout() {
    static const std::vector<ControlSpec> layout = BuildSheets();
    return layout;
}

const ControlSpec& PrefsLayoutOf(int id) {
    return SpecIn(PrefsSheetLayout(), id);
}

} // namespace lunea
