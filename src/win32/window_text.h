// Window texts as UTF-8, whatever their length.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

namespace korvath {

std::string window_text(HWND hwnd);
void set_window_text(HWND hwnd, std::string_view text);

} // namespace korvath
