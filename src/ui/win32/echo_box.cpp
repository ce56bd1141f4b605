// The echo box on a multi-line Edit control.
#include "ui/win32/echo_box.h"

#include "text/encoding_win32.h"

namespace korvath {

HWND create_echo_box(HWND parent, int id, const Rect& place, const DpiScale& scale) {
    const Rect at = scale.rect(place);
    // No ES_AUTOHSCROLL and no horizontal bar: long lines wrap. No
    // ES_NOHIDESEL: the selection hides without focus.
    HWND echo = CreateWindowExW(WS_EX_CLIENTEDGE, L"Edit", L"",
                                WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_CLIPSIBLINGS | WS_VSCROLL |
                                    ES_LEFT | ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN,
                                at.x, at.y, at.width, at.height, parent,
                                reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                                GetModuleHandleW(nullptr), nullptr);
    if (echo != nullptr) {
        // 0 lifts the default 32K limit to the platform's largest.
        SendMessageW(echo, EM_SETLIMITTEXT, 0, 0);
    }
    return echo;
}

void echo_set(HWND echo, std::string_view text) {
    SetWindowTextW(echo, to_wide(text).c_str());
    SendMessageW(echo, EM_SETSEL, 0, 0);
    SendMessageW(echo, EM_SCROLLCARET, 0, 0);
}

void echo_append(HWND echo, std::string_view text) {
    // The control's own length, in its own UTF-16 units.
    const int length = GetWindowTextLengthW(echo);
    SendMessageW(echo, EM_SETSEL, length, length);
    SendMessageW(echo, EM_SCROLLCARET, 0, 0);
    SendMessageW(echo, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(to_wide(text).c_str()));
}

} // namespace korvath
