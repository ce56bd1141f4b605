// Tooltips of the option boxes: the risk of each removal and what it breaks.
#pragma once

#include "ui/win32/dpi_scale.h"

#include <windows.h>

#include <functional>

namespace korvath {

// One tooltip window, owned by (and destroyed with) `owner`, with a tool for
// each option box 1..61 that `box_window` names.
HWND create_option_tooltips(HWND owner, const std::function<HWND(int box)>& box_window,
                            const DpiScale& scale);

} // namespace korvath
