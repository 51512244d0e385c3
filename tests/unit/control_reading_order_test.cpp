#include "components/controls/control_layout.h"

#include <gtest/gtest.h>

#include <vector>

namespace lunea {
namespace {

ControlSpec At(int id, int left, int top, int width, int height) {
    return {id, "", 0, {left, top, left + width, top + height}, "", ""};
}

TEST(ReadingOrder, RowsTopToBottomEachLeftToRight) {
    const struct {
        const char* name;
        std::vector<ControlSpec> controls;
        std::vector<int> order;
    } cases[] = {
        {"a column given bottom up", {At(1, 0, 40, 10, 10), At(2, 0, 20, 10, 10)}, {2, 1}},
        {"two columns read across",
         {At(1, 0, 0, 10, 10), At(2, 0, 20, 10, 10), At(3, 30, 0, 10, 10), At(4, 30, 20, 10, 10)},
         {1, 3, 2, 4}},
        {"out of line by a pixel or two", {At(1, 0, 146, 60, 19), At(2, 62, 145, 42, 22)}, {1, 2}},
        {"a top at the first's middle", {At(1, 50, 0, 10, 20), At(2, 0, 10, 10, 20)}, {1, 2}},
        {"a line one pixel high",
         {At(1, 0, 5, 90, 1), At(2, 50, 6, 9, 9), At(3, 0, 6, 9, 9)},
         {1, 3, 2}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ReadingOrder(c.controls), c.order) << c.name;
}

} // namespace
} // namespace lunea
