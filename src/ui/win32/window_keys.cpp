// Esc and Tab for the controls of the main window.
#include "ui/win32/window_keys.h"

#include <commctrl.h>

namespace korvath {
namespace {

constexpr UINT_PTR kSubclassId = 2;

LRESULT CALLBACK keys_proc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam, UINT_PTR,
                           DWORD_PTR main_window) {
    HWND main = reinterpret_cast<HWND>(main_window);
    switch (message) {
    case WM_KEYDOWN:
        if (wparam == VK_ESCAPE) {
            // Posted: closing destroys this control.
            PostMessageW(main, WM_CLOSE, 0, 0);
            return 0;
        }
        if (wparam == VK_TAB) {
            move_focus(main, hwnd, GetKeyState(VK_SHIFT) < 0);
            return 0;
        }
        break;
    case WM_CHAR:
        // The characters the translated key-downs above produce.
        if (wparam == VK_ESCAPE || wparam == L'\t') {
            return 0;
        }
        break;
    case WM_NCDESTROY:
        RemoveWindowSubclass(hwnd, keys_proc, kSubclassId);
        break;
    default:
        break;
    }
    return DefSubclassProc(hwnd, message, wparam, lparam);
}

} // namespace

void install_window_keys(HWND control, HWND main_window) {
    SetWindowSubclass(control, keys_proc, kSubclassId, reinterpret_cast<DWORD_PTR>(main_window));
}

void move_focus(HWND main_window, HWND from, bool backwards) {
    HWND next = GetNextDlgTabItem(main_window, from, backwards ? TRUE : FALSE);
    if (next != nullptr) {
        SetFocus(next);
        // Keyboard use: show the focus rectangle from now on.
        SendMessageW(main_window, WM_CHANGEUISTATE, MAKEWPARAM(UIS_CLEAR, UISF_HIDEFOCUS), 0);
    }
}

} // namespace korvath
