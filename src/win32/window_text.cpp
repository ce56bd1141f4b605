// Window texts read through a buffer sized by the text's own length.
#include "win32/window_text.h"

#include "text/encoding_win32.h"

namespace korvath {

std::string window_text(HWND hwnd) {
    const int length = GetWindowTextLengthW(hwnd);
    if (length <= 0) {
        return {};
    }
    std::wstring buffer(static_cast<size_t>(length) + 1, L'\0');
    const int copied = GetWindowTextW(hwnd, buffer.data(), length + 1);
    buffer.resize(copied > 0 ? static_cast<size_t>(copied) : 0);
    return to_utf8(buffer);
}

void set_window_text(HWND hwnd, std::string_view text) {
    SetWindowTextW(hwnd, to_wide(text).c_str());
}

} // namespace korvath
