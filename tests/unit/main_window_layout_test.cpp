// The main window's layout as the window builds it: every control inside the
// one it stands in, and no two controls shown together on top of each other.
#include "app/control_ids.h"
#include "app/main_window_layout.h"
#include "components/controls/control_classes.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace lunea {
namespace {

bool Intersect(const Rect& a, const Rect& b) {
    return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

bool IsContainer(const ControlSpec& entry) {
    return entry.windowClass == std::string(control_class::kPanel);
}

TEST(MainWindowLayout, EveryControlHasOneEntryAndStandsInsideItsParent) {
    std::set<int> ids;
    for (const ControlSpec& entry : MainWindowLayout()) {
        EXPECT_TRUE(ids.insert(entry.id).second) << "id " << entry.id << " twice";
        const Rect parent = entry.parent ? LayoutOf(entry.parent).bounds : Rect{0, 0, 600, 394};
        EXPECT_TRUE(entry.bounds.left >= parent.left && entry.bounds.top >= parent.top &&
                    entry.bounds.right <= parent.right && entry.bounds.bottom <= parent.bottom)
            << "control " << entry.id << " leaves the control it stands in";
    }
    EXPECT_EQ(BoundsInParent(ids::MonthImage), (Rect{4, 4, 344, 315}));
    EXPECT_EQ(PageOf(ids::MonthImage), ids::CalendarPage);
    EXPECT_EQ(PageOf(ids::MonthButton), 0);
}

// The scale's picture starts on the bar's last row: the two draw one scale.
// The two charts share one place and are never shown together.
bool MayOverlap(int a, int b) {
    const auto pair = [a, b](int x, int y) { return (a == x && b == y) || (a == y && b == x); };
    return pair(ids::TempScaleBar, ids::TempScaleImage) || pair(ids::TempChart, ids::CycleChart);
}

TEST(MainWindowLayout, ControlsShownTogetherDoNotOverlap) {
    const auto layout = MainWindowLayout();
    for (std::size_t i = 0; i < layout.size(); ++i)
        for (std::size_t j = i + 1; j < layout.size(); ++j) {
            const ControlSpec& a = layout[i];
            const ControlSpec& b = layout[j];
            const bool otherPages = PageOf(a.id) && PageOf(b.id) && PageOf(a.id) != PageOf(b.id);
            if (IsContainer(a) || IsContainer(b) || otherPages || StandsIn(a.id, b.id) ||
                StandsIn(b.id, a.id) || MayOverlap(a.id, b.id))
                continue;
            EXPECT_FALSE(Intersect(a.bounds, b.bounds)) << a.id << " and " << b.id;
        }
}

} // namespace
} // namespace lunea
