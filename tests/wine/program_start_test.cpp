#include "tests/wine/program_harness.h"

#include <gtest/gtest.h>

namespace lunea::test {
namespace {

TEST(ProgramStart, OpensItsMainWindowAndEndsWhenClosed) {
    CalendarProcess calendar;
    ASSERT_TRUE(calendar.Started());
    HWND window = calendar.WaitForMainWindow();
    ASSERT_NE(window, nullptr);
    char caption[64] = {};
    GetWindowTextA(window, caption, sizeof caption);
    EXPECT_STREQ(caption, "Lunea Calendar");
    PostMessageA(window, WM_CLOSE, 0, 0);
    ASSERT_TRUE(calendar.WaitForExit());
    EXPECT_EQ(calendar.ExitCode(), 0u);
}

} // namespace
} // namespace lunea::test
