// Creates the main window's controls from the layout table.
#pragma once

#include "ui/layout.h"
#include "ui/win32/dpi_scale.h"

#include <windows.h>

namespace korvath {

// One control of `entry` inside `parent` (the main window or a panel), with
// the window's keys and `gui_font` (the label gets its own font later). Null when the control could
// not be created.
HWND create_control(const ControlSpec& entry, HWND parent, HWND main_window, const DpiScale& scale,
                    HFONT gui_font);

} // namespace korvath
