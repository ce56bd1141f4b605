// The window's keys on every control that takes the focus: Esc closes the
// main window, Tab and Shift+Tab move the focus. Handled in the control
// itself, so they work under any message loop, also the one that pumps
// messages while a console command runs.
#pragma once

#include <windows.h>

namespace korvath {

void install_window_keys(HWND control, HWND main_window);

// Moves the focus to the next (or previous) visible, enabled tab stop.
void move_focus(HWND main_window, HWND from, bool backwards);

} // namespace korvath
