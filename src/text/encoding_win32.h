// Conversions at the Win32 boundary: UTF-8 inside, UTF-16 at the API call,
// and the console's ANSI code page bytes decoded once to UTF-8.
#pragma once

#include <string>
#include <string_view>

namespace korvath {

std::wstring to_wide(std::string_view utf8);
std::string to_utf8(std::wstring_view wide);
// Bytes in the given code page (CP_ACP by default) to UTF-8.
std::string ansi_to_utf8(std::string_view bytes, unsigned code_page = 0);
std::string utf8_to_ansi(std::string_view utf8, unsigned code_page = 0);

} // namespace korvath
