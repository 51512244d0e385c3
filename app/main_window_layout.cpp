#include "app/main_window_layout.h"

#include "app/control_ids.h"
#include "app/month_view.h"
#include "app/status_texts.h"
#include "components/controls/control_classes.h"
#include "settings/prefs_ids.h"

#include <algorithm>
#include <cstring>
#include <vector>

namespace lunea {
namespace {

namespace cc = control_class;

Rect At(int left, int top, int width, int height) {
    return {left, top, left + width, top + height};
}

constexpr int kStatusButtonX[kStatusCount] = {451, 471, 492, 513, 533, 554, 575};

std::vector<ControlSpec> BuildLayout() {
    using namespace ids;
    std::vector<ControlSpec> layout = {
        // Title bar.
        {UsersButton, cc::kFlatButton, 0, At(208, 2, 153, 20), "", "Current User"},
        {HelpButton, cc::kFlatButton, 0, At(546, 5, 14, 14), "", "Help"},
        {MinimizeButton, cc::kFlatButton, 0, At(562, 5, 14, 14), "", "Minimize"},
        {CloseButton, cc::kFlatButton, 0, At(578, 5, 14, 14), "", "Close"},
        // Page column: 32 x 32 buttons with their labels under them.
        {CalendarButton, cc::kPageButton, 0, At(35, 32, 32, 32), "", ""},
        {CalendarLabel, cc::kLabel, 0, At(11, 65, 80, 14), "Calendar", ""},
        {ChartsButton, cc::kPageButton, 0, At(35, 82, 32, 32), "", ""},
        {ChartsLabel, cc::kLabel, 0, At(11, 115, 80, 14), "Charts", ""},
        {PrefsButton, cc::kPageButton, 0, At(35, 132, 32, 32), "", ""},
        {PreferencesLabel, cc::kLabel, 0, At(11, 165, 80, 14), "Preferences", ""},
        {ReportsButton, cc::kPageButton, 0, At(35, 183, 32, 32), "", ""},
        {ReportsLabel, cc::kLabel, 0, At(11, 216, 80, 14), "Reports", ""},
        // Month navigation, shown on the Calendar and Charts pages.
        {PreviousMonthButton, cc::kFlatButton, 0, At(451, 36, 16, 23), "",
         "Previous month (Alt+PageUp); day before: Alt+Left, week before: Alt+Up, today: "
         "Alt+Home"},
        {MonthButton, cc::kPushButton, 0, At(467, 36, 107, 23), "", ""},
        {NextMonthButton, cc::kFlatButton, 0, At(575, 36, 17, 23), "",
         "Next month (Alt+PageDown); day after: Alt+Right, week after: Alt+Down, today: "
         "Alt+Home"},
        // The Calendar page: the month image in the centre panel and the
        // day editor in the right column.
        {CalendarPage, cc::kPanel, 0, At(97, 32, 495, 319), "", ""},
        {CalendarPanel, cc::kPaintBox, CalendarPage, At(97, 32, 348, 319), "", ""},
        {MonthImage, cc::kPaintBox, CalendarPanel, At(101, 36, kMainImageWidth, kMainImageHeight),
         "", ""},
        {CervicalFluidLabel, cc::kLabel, CalendarPage, At(451, 75, 140, 15), "Cervical Fluid:", ""},
        {StatusButton, cc::kPushButton, CalendarPage, At(451, 91, 140, 23), "", ""},
        {TempBox, cc::kCheckBox, CalendarPage, At(451, 146, 60, 19), "Temp.:", ""},
        {TempEdit, cc::kEdit, CalendarPage, At(513, 145, 42, 22), "", "Basal Body Temperature"},
        {TempEditButton, cc::kPushButton, CalendarPage, At(559, 147, 15, 17), "", ""},
        {TempUnitLabel, cc::kLabel, CalendarPage, At(577, 148, 15, 15), "", ""},
        {TempScaleBar, cc::kPaintBox, CalendarPage, At(461, 170, 120, 6), "", ""},
        {TempScaleImage, cc::kPaintBox, CalendarPage, At(460, 175, 122, 8), "", ""},
        {TempDigitImage, cc::kPaintBox, CalendarPage, At(451, 185, 140, 8), "", ""},
        {PMSBox, cc::kCheckBox, CalendarPage, At(451, 206, 76, 17), "PMS", ""},
        {SexBox, cc::kCheckBox, CalendarPage, At(530, 206, 62, 17), "Sex", ""},
        {CrampingBox, cc::kCheckBox, CalendarPage, At(451, 226, 76, 17), "Cramps", ""},
        {ProtectBox, cc::kCheckBox, CalendarPage, At(530, 226, 62, 17), "Protect", ""},
        {AppointBox, cc::kCheckBox, CalendarPage, At(451, 246, 76, 17), "Dr's apt.", ""},
        {SecretBox, cc::kCheckBox, CalendarPage, At(530, 246, 62, 17), "Secret", ""},
        {NoteImage, cc::kPaintBox, CalendarPage, At(451, 266, 16, 16), "", ""},
        {NoteLabel, cc::kLabel, CalendarPage, At(470, 266, 60, 16), "Note", ""},
        {NoteEdit, cc::kEdit, CalendarPage, At(450, 284, 140, 67), "", ""},
        // The Charts page stands where the Calendar page does, its two
        // charts in the month image's place, one shown at a time.
        {ChartsPage, cc::kPanel, 0, At(97, 32, 495, 319), "", ""},
        {ChartsPanel, cc::kPaintBox, ChartsPage, At(97, 32, 348, 319), "", ""},
        {TempChart, cc::kPaintBox, ChartsPanel, At(101, 36, 340, 311), "", ""},
        {CycleChart, cc::kPaintBox, ChartsPanel, At(101, 36, 340, 311), "", ""},
        {CycleChartButton, cc::kPageButton, ChartsPage, At(506, 78, 32, 32), "", ""},
        {CyclesChartLabel, cc::kLabel, ChartsPage, At(483, 114, 90, 14), "Cycles Length", ""},
        {TempChartButton, cc::kPageButton, ChartsPage, At(506, 146, 32, 32), "", ""},
        {TempChartLabel, cc::kLabel, ChartsPage, At(486, 185, 90, 14), "Temperature", ""},
        {PrintChartButton, cc::kPageButton, ChartsPage, At(506, 213, 32, 32), "", ""},
        {PrintChartLabel, cc::kLabel, ChartsPage, At(492, 251, 90, 14), "Print Chart", ""},
        // The Preferences page stands there too.
        {PrefsPage, cc::kPanel, 0, At(97, 32, 495, 319), "", ""},
        {prefs_ids::PrefsPanel, cc::kPaintBox, PrefsPage, At(97, 32, 348, 319), "", ""},
        {prefs_ids::PrefsPageControl, cc::kTabControl, prefs_ids::PrefsPanel, At(101, 36, 338, 310),
         "", ""},
    };
    // Lines between the editor's groups.
    for (int i = 0; const int top : {66, 139, 198, 264})
        layout.push_back(
            {EditorBevels + i++, cc::kPaintBox, CalendarPage, At(451, top, 140, 2), "", ""});
    for (int status = 0; status < kStatusCount; ++status)
        layout.push_back({StatusRadio0 + status, cc::kRadioButton, CalendarPage,
                          At(kStatusButtonX[status], 120, 16, 16), "", StatusHint(status)});
    return layout;
}

} // namespace

std::span<const ControlSpec> MainWindowLayout() {
    static const std::vector<ControlSpec> layout = BuildLayout();
    return layout;
}

const ControlSpec& LayoutOf(int id) {
    return SpecIn(MainWindowLayout(), id);
}

Rect BoundsInParent(int id) {
    const ControlSpec& entry = LayoutOf(id);
    if (entry.parent == 0)
        return entry.bounds;
    return RelativeTo(entry.bounds, LayoutOf(entry.parent).bounds);
}

bool StandsIn(int id, int ancestor) {
    for (int parent = LayoutOf(id).parent; parent != 0; parent = LayoutOf(parent).parent)
        if (parent == ancestor)
            return true;
    return false;
}

int PageOf(int id) {
    int page = 0;
    for (int parent = LayoutOf(id).parent; parent != 0; parent = LayoutOf(parent).parent)
        page = parent;
    return page;
}

std::vector<int> EditorTabOrder() {
    static constexpr const char* kOperated[] = {cc::kPushButton, cc::kCheckBox, cc::kRadioButton,
                                                cc::kEdit};
    std::vector<ControlSpec> operated;
    for (const ControlSpec& entry : MainWindowLayout()) {
        const bool isOperated =
            std::any_of(std::begin(kOperated), std::end(kOperated), [&](const char* name) {
                return std::strcmp(name, entry.windowClass) == 0;
            });
        if (isOperated && entry.parent == ids::CalendarPage)
            operated.push_back(entry);
    }
    return ReadingOrder(operated);
}

} // namespace lunea
