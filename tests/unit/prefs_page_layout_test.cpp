// The Preferences page's sheets as the page builds them.
#include "settings/prefs_ids.h"
#include "settings/prefs_page_layout.h"

#include <gtest/gtest.h>

#include <set>

namespace lunea {
namespace {

// The page control's 338 x 310 less its tabs and border.
constexpr Rect kSheet{0, 0, 330, 282};

bool Inside(const Rect& inner, const Rect& outer) {
    return inner.left >= outer.left && inner.right <= outer.right && inner.top >= outer.top &&
           inner.bottom <= outer.bottom;
}

int Overlap(const Rect& a, const Rect& b) {
    const int width = std::min(a.right, b.right) - std::max(a.left, b.left);
    const int height = std::min(a.bottom, b.bottom) - std::max(a.top, b.top);
    return width > 0 && height > 0 ? std::min(width, height) : 0;
}

TEST(PrefsPageLayout, ControlsFitTheirSheetAndDoNotOverlap) {
    const auto layout = PrefsSheetLayout();
    std::set<int> ids;
    for (const ControlSpec& entry : layout) {
        EXPECT_TRUE(ids.insert(entry.id).second) << entry.id;
        const Rect parent = entry.parent == prefs_ids::IconFrame
                                ? PrefsLayoutOf(prefs_ids::IconFrame).bounds
                                : kSheet;
        EXPECT_TRUE(Inside(entry.bounds, parent)) << entry.id;
    }
    for (std::size_t i = 0; i < layout.size(); ++i)
        for (std::size_t j = i + 1; j < layout.size(); ++j) {
            const ControlSpec& a = layout[i];
            const ControlSpec& b = layout[j];
            const bool sameSheet =
                (a.parent == prefs_ids::IconFrame ? prefs_ids::CalendarSheet : a.parent) ==
                (b.parent == prefs_ids::IconFrame ? prefs_ids::CalendarSheet : b.parent);
            if (!sameSheet || a.id == prefs_ids::IconFrame || b.id == prefs_ids::IconFrame)
                continue;
            // The slots of the cell picture share their borders, as the
            // calendar's cells do: at most two pixels.
            const int allowed =
                a.parent == prefs_ids::IconFrame && b.parent == prefs_ids::IconFrame ? 2 : 0;
            EXPECT_LE(Overlap(a.bounds, b.bounds), allowed) << a.id << " and " << b.id;
        }
}

} // namespace
} // namespace lunea
