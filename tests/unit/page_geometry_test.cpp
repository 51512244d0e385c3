// Page geometry for printing: a picture placed on a page with its proportions
// kept, as large as the page allows, centred; margins turned from millimetres
// into the printer's pixels at each axis's resolution. No size overflows.
#include "components/printing/fit_inside.h"
#include "components/printing/page_format.h"

#include <gtest/gtest.h>

#include <array>
#include <climits>

namespace lunea {
namespace {

// Printable in a failure message.
std::array<int, 4> Sides(const Rect& r) {
    return {r.left, r.top, r.right, r.bottom};
}

TEST(FitInside, KeepsTheProportionsAndCentresOnThePage) {
    const struct {
        const char* name;
        int width;
        int height;
        Rect page;
        Rect fitted;
    } cases[] = {
        {"same proportions fill the page", 200, 100, {0, 0, 400, 200}, {0, 0, 400, 200}},
        // +--------+  wide picture on a tall page: full width, centred vertically
        // |        |
        // |========|
        // |        |
        // +--------+
        {"wide picture, tall page", 200, 100, {0, 0, 100, 300}, {0, 125, 100, 175}},
        {"tall picture, wide page", 100, 200, {0, 0, 300, 100}, {125, 0, 175, 100}},
        {"small picture grows", 1, 1, {0, 0, 100, 50}, {25, 0, 75, 50}},
        {"page away from the origin", 4, 3, {10, 20, 90, 220}, {10, 90, 90, 150}},
        {"odd leftover goes below and right", 2, 1, {0, 0, 5, 8}, {0, 2, 5, 5}},
        {"height rounded to the nearest pixel", 3, 2, {0, 0, 100, 100}, {0, 16, 100, 83}},
        {"chart on the printer's A4 page",
         600,
         400,
         {118, 118, 2361, 3390},
         {118, 1006, 2361, 2501}},
        {"no width", 0, 100, {0, 0, 100, 100}, {50, 50, 50, 50}},
        {"no height", 100, 0, {0, 0, 100, 100}, {50, 50, 50, 50}},
        {"negative width", -100, 50, {0, 0, 100, 100}, {50, 50, 50, 50}},
        {"negative height", 100, -50, {0, 0, 100, 100}, {50, 50, 50, 50}},
        {"empty page", 100, 50, {10, 10, 10, 60}, {10, 35, 10, 35}},
        {"inverted page", 100, 50, {100, 100, 0, 0}, {50, 50, 50, 50}},
        {"huge picture, small page", INT_MAX, INT_MAX / 2, {0, 0, 100, 100}, {0, 25, 100, 75}},
        {"tiny picture, the whole int range as page",
         1,
         1,
         {INT_MIN, INT_MIN, INT_MAX, INT_MAX},
         {INT_MIN, INT_MIN, INT_MAX, INT_MAX}},
        {"huge picture, the whole int range as page",
         INT_MAX,
         1,
         {INT_MIN, INT_MIN, INT_MAX, INT_MAX},
         {INT_MIN, -2, INT_MAX, 0}},
        {"thin tall picture, the whole int range as page",
         1,
         INT_MAX,
         {INT_MIN, INT_MIN, INT_MAX, INT_MAX},
         {-2, INT_MIN, 0, INT_MAX}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Sides(FitInside(c.width, c.height, c.page)), Sides(c.fitted)) << c.name;
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
