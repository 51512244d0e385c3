#pragma once
#include <windows.h>

namespace lunea {

// Creates the main window and runs the message loop; returns the exit code.
int RunCalendar(HINSTANCE instance, int show);

} // namespace lunea
