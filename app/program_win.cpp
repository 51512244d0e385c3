#include "app/main_window_win.h"
#include "components/controls/message_loop_win.h"
#include "dialogs/single_instance_win.h"

#include <windows.h>

namespace {

const long kAppId = 556677;

} // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int show) {
    // Checked before any window exists: a second copy must not show itself,
    // nor be found and messaged by the sync provider, nor write anything.
    lunea::SingleInstance singleInstance(kAppId);
    if (singleInstance.AnotherCopyRuns())
        return 0;

    lunea::MainWindow mainWindow(instance);
    if (!mainWindow.Create(show))
        return 1;
    return lunea::RunMessageLoop();
}
