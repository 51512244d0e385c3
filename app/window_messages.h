#pragma once
// Messages other processes send the main window (the sync provider).

namespace lunea::messages {

inline constexpr unsigned kSaveJournal = 1025;   // WM_USER + 1: save the current user's file
inline constexpr unsigned kReloadJournal = 1026; // WM_USER + 2: reload it and redraw

} // namespace lunea::messages
