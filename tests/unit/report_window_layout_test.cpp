#include "reports/report_window_layout.h"

#include <gtest/gtest.h>

namespace lunea {
namespace {

int Area(const Rect& r) {
    return r.Width() * r.Height();
}

// The areas never overlap, never invert and together cover the client area.
void ExpectTiled(const ReportWindowAreas& a, int width, int height) {
    const Rect all[] = {a.toolBar,       a.pageButtons, a.listSplitter, a.cycleList,
                        a.notesSplitter, a.notes,       a.picture};
    int covered = 0;
    for (const Rect& r : all) {
        EXPECT_GE(r.Width(), 0);
        EXPECT_GE(r.Height(), 0);
        covered += Area(r);
    }
    EXPECT_EQ(covered, width * height);
}

TEST(ReportWindowLayout, AreasTileTheWindowAtAnySizeAndSplittersStayWithinIt) {
    const struct {
        int width, height;
        int dragX, dragY; // -1: not dragged
        int listWidth, notesHeight;
    } cases[] = {
        {1024, 740, -1, -1, 89, 82},
        {1024, 740, 900, 600, 1024 - 900 - 1, 740 - 600 - 1},
        {1024, 740, 10, 10, 1024 - 65 - 3 - 20, 740 - 24 - 3 - 20}, // as far as leaves a centre
        {1024, 740, 5000, 5000, 20, 20},                            // never narrower than 20
        {120, 60, -1, -1, 52, 33},                                  // squeezed, not inverted
    };
    for (const auto& c : cases) {
        ReportWindowLayout layout;
        if (c.dragX >= 0) {
            layout.DragListSplitter(c.dragX, c.width);
            layout.DragNotesSplitter(c.dragY, c.height);
        }
        const ReportWindowAreas areas = layout.AreasFor(c.width, c.height);
        SCOPED_TRACE(testing::Message() << c.width << "x" << c.height << " " << c.dragX);
        ExpectTiled(areas, c.width, c.height);
        EXPECT_EQ(areas.cycleList.Width(), c.listWidth);
        EXPECT_EQ(areas.notes.Height(), c.notesHeight);
        EXPECT_EQ(areas.pageButtons, (Rect{0, 24, 65, c.height}));
        EXPECT_EQ(areas.listSplitter.right, areas.cycleList.left);
        EXPECT_EQ(areas.notesSplitter.bottom, areas.notes.top);
    }
}

} // namespace
} // namespace lunea
