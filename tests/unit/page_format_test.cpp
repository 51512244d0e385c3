// Margins on a printer's page: millimetres turned into the printer's pixels
// on each axis at its own resolution.
#include "components/page_format.h"

#include <gtest/gtest.h>

#include <array>
#include <climits>

namespace lunea {
namespace {

std::array<int, 4> Sides(const Rect& r) {
    return {r.left, r.top, r.right, r.bottom};
}

TEST(PageFormat, MarginsInPrinterPixels) {
    const struct {
        const char* name;
        PageFormat page;
        int millimetres;
        Rect area;
    } cases[] = {
        {"A4 at 300 dpi, 10 mm", {2479, 3508, 300, 300}, 10, {118, 118, 2361, 3390}},
        {"rounded to the nearest pixel", {1000, 1000, 600, 600}, 1, {24, 24, 976, 976}},
        {"each axis at its own resolution", {1000, 1000, 300, 600}, 10, {118, 236, 882, 764}},
        {"no margin", {2479, 3508, 300, 300}, 0, {0, 0, 2479, 3508}},
        {"a negative margin is none", {100, 200, 300, 300}, -5, {0, 0, 100, 200}},
        {"margins wider than the page meet at its centre",
         {100, 3508, 300, 300},
         10,
         {50, 118, 50, 3390}},
        {"no resolution reported", {100, 200, 0, 0}, 10, {0, 0, 100, 200}},
        {"no page reported", {0, 0, 300, 300}, 10, {0, 0, 0, 0}},
        {"huge margin and resolution",
         {INT_MAX, INT_MAX, INT_MAX, INT_MAX},
         INT_MAX,
         {INT_MAX / 2, INT_MAX / 2, INT_MAX / 2, INT_MAX / 2}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Sides(InsideMargins(c.page, c.millimetres)), Sides(c.area)) << c.name;
}

} // namespace
} // namespace lunea
