#pragma once
// Tab through a window's controls in an order the window gives, for a
// window the dialog manager does not run (its keys reach it through a key
// handler of the message loop).

#include <windows.h>

#include <span>

namespace lunea {

// The control after from (before it, backwards) in order that Tab can
// reach: shown, enabled and a tab stop. Past the end it goes round to the
// start. From a window not in order, the first (backwards: the last) one
// Tab reaches. Null when none can take the focus.
HWND NextTabStop(std::span<const HWND> order, HWND from, bool backwards);

// Focuses a control reached by Tab. A one-line edit has its text selected,
// as the dialog manager does, so typing replaces it; a multi-line edit
// keeps its caret, so Tab into a note never puts its text at risk.
void FocusByTab(HWND control);

} // namespace lunea
