#pragma once

namespace lunea {

// The application's title, also the main window's caption: the sync
// provider finds the window by it, so it must stay exactly this.
inline constexpr char kApplicationTitle[] = "Lunea Calendar";
inline constexpr char kMainWindowClass[] = "TMainForm";

} // namespace lunea
