// Group boxes subclassed to be opaque panels.
#include "ui/win32/group_box.h"

#include "text/encoding_win32.h"

#include <commctrl.h>

namespace korvath {
namespace {

constexpr UINT_PTR kSubclassId = 1;

bool is_forwarded(UINT message) {
    switch (message) {
    case WM_COMMAND:
    case WM_NOTIFY:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORSCROLLBAR:
    case WM_CTLCOLORDLG:
        return true;
    default:
        return false;
    }
}

void fill_face(HWND hwnd, HDC dc) {
    RECT area;
    GetClientRect(hwnd, &area);
    FillRect(dc, &area, GetSysColorBrush(COLOR_BTNFACE));
}

LRESULT CALLBACK panel_proc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam, UINT_PTR,
                            DWORD_PTR notify_target) {
    if (is_forwarded(message)) {
        return SendMessageW(reinterpret_cast<HWND>(notify_target), message, wparam, lparam);
    }
    switch (message) {
    case WM_NCHITTEST:
        // A stock group box is transparent to the mouse: clicks would reach
        // the boxes of a panel lying under this one.
        return HTCLIENT;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_LBUTTONUP:
        // The panel's own background is no button: taking the focus here
        // would leave Esc and Tab without a control to act on.
        return 0;
    case WM_ERASEBKGND:
        fill_face(hwnd, reinterpret_cast<HDC>(wparam));
        return 1;
    case WM_PRINTCLIENT:
        fill_face(hwnd, reinterpret_cast<HDC>(wparam));
        return DefSubclassProc(hwnd, message, wparam, lparam);
    case WM_PAINT: {
        PAINTSTRUCT paint;
        HDC dc = BeginPaint(hwnd, &paint);
        fill_face(hwnd, dc);
        DefSubclassProc(hwnd, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT);
        EndPaint(hwnd, &paint);
        return 0;
    }
    case WM_NCDESTROY:
        RemoveWindowSubclass(hwnd, panel_proc, kSubclassId);
        break;
    default:
        break;
    }
    return DefSubclassProc(hwnd, message, wparam, lparam);
}

} // namespace

HWND create_group_box(HWND parent, int id, std::string_view caption, const Rect& place,
                      const DpiScale& scale, HWND notify_target) {
    const Rect at = scale.rect(place);
    HWND box =
        CreateWindowExW(WS_EX_CONTROLPARENT, L"Button", to_wide(caption).c_str(),
                        WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | BS_GROUPBOX, at.x, at.y, at.width,
                        at.height, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                        GetModuleHandleW(nullptr), nullptr);
    if (box != nullptr) {
        SetWindowSubclass(box, panel_proc, kSubclassId, reinterpret_cast<DWORD_PTR>(notify_target));
    }
    return box;
}

} // namespace korvath
