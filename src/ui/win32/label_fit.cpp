// Measures the wrapped label text the way a Static control draws it.
#include "ui/win32/label_fit.h"

#include "text/encoding_win32.h"
#include "win32/window_text.h"

#include <algorithm>
#include <string>

namespace korvath {
namespace {

constexpr int kSmallestCharHeight = 12;

HFONT create_default_face(int char_height) {
    return CreateFontW(-char_height, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                       OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                       DEFAULT_PITCH | FF_DONTCARE, nullptr);
}

int wrapped_height(HWND label, HFONT font, const std::wstring& text, int width) {
    RECT needed = {0, 0, width, 0};
    HDC dc = GetDC(label);
    HGDIOBJ old = SelectObject(dc, font);
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &needed,
              DT_CALCRECT | DT_WORDBREAK | DT_EXPANDTABS);
    SelectObject(dc, old);
    ReleaseDC(label, dc);
    return needed.bottom - needed.top;
}

} // namespace

UniqueFont fit_label_font(HWND label, HWND panel, int char_height) {
    RECT place;
    GetWindowRect(label, &place);
    MapWindowPoints(nullptr, panel, reinterpret_cast<POINT*>(&place), 2);
    RECT inner;
    GetClientRect(panel, &inner);
    const int width = place.right - place.left;
    const int given = place.bottom - place.top;
    // Keep the same margin below the label as beside it.
    const int room = std::max<int>(given, inner.bottom - place.top - (place.left - inner.left));
    const std::wstring text = to_wide(window_text(label));

    UniqueFont font(create_default_face(char_height));
    int needed = wrapped_height(label, font.get(), text, width);
    for (int height = char_height - 1; needed > room && height >= kSmallestCharHeight; --height) {
        font.reset(create_default_face(height));
        needed = wrapped_height(label, font.get(), text, width);
    }
    SetWindowPos(label, nullptr, 0, 0, width, std::clamp(needed, given, room),
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    SendMessageW(label, WM_SETFONT, reinterpret_cast<WPARAM>(font.get()), FALSE);
    return font;
}

} // namespace korvath
