#pragma once
// What the desktop program and the sync provider agree on across processes:
// the provider finds the running program by its window, asks it to save and
// reload the journal, and reads and writes the same data file.
#include "common/data_file_layout.h"

namespace lunea {

// The main window's class and caption. The caption is the application's
// title too; the provider compares it exactly, case included.
inline constexpr char kMainWindowClass[] = "TMainForm";
inline constexpr char kApplicationTitle[] = "Lunea Calendar";

// The journal's file in a user's data folder.
inline constexpr char kDataFileName[] = "Lunea.dat";

namespace messages {

inline constexpr unsigned kSaveJournal = 1025;   // WM_USER + 1: save the current user's file
inline constexpr unsigned kReloadJournal = 1026; // WM_USER + 2: reload it and redraw

} // namespace messages

} // namespace lunea
