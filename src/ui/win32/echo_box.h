// The echo box: a multi-line edit box that wraps, with no length limit
// beyond the platform's largest.
#pragma once

#include "ui/layout.h"
#include "ui/win32/dpi_scale.h"

#include <windows.h>

#include <string_view>

namespace korvath {

HWND create_echo_box(HWND parent, int id, const Rect& place, const DpiScale& scale);

// The whole text becomes `text`; caret and view at the start.
void echo_set(HWND echo, std::string_view text);
// `text` lands at the very end whatever the user selected, without an undo
// step; the caret ends behind it and the box shows it.
void echo_append(HWND echo, std::string_view text);

} // namespace korvath
