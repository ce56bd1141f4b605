// The panels: group boxes that hide what lies under them and pass their
// children's notifications on to the main window.
#pragma once

#include "ui/layout.h"
#include "ui/win32/dpi_scale.h"

#include <windows.h>

#include <string_view>

namespace korvath {

// A group box that fills its whole area with the dialog face colour before
// it draws its frame and caption, takes the clicks that land on it, forwards
// WM_COMMAND, WM_NOTIFY and WM_CTLCOLOR* to `notify_target`, and lets Tab
// reach its children.
HWND create_group_box(HWND parent, int id, std::string_view caption, const Rect& place,
                      const DpiScale& scale, HWND notify_target);

} // namespace korvath
