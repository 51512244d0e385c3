#include "app/main_window_win.h"

#include <windows.h>

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int show) {
    return lunea::RunCalendar(instance, show);
}
