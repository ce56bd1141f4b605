// One function per kind of control; the kinds' own files do the rest.
#include "ui/win32/control_factory.h"

#include "text/encoding_win32.h"
#include "ui/win32/echo_box.h"
#include "ui/win32/group_box.h"
#include "ui/win32/list_view.h"
#include "ui/win32/window_keys.h"

namespace korvath {
namespace {

HWND create_plain(const wchar_t* window_class, DWORD style, const ControlSpec& entry, HWND parent,
                  const DpiScale& scale) {
    const Rect at = scale.rect(entry.place);
    return CreateWindowExW(0, window_class, to_wide(entry.text).c_str(),
                           WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | style, at.x, at.y, at.width,
                           at.height, parent,
                           reinterpret_cast<HMENU>(static_cast<INT_PTR>(control_id(entry.control))),
                           GetModuleHandleW(nullptr), nullptr);
}

HWND create_kind(const ControlSpec& entry, HWND parent, HWND main_window, const DpiScale& scale) {
    const int id = control_id(entry.control);
    switch (entry.kind) {
    case ControlKind::list_view:
        return create_list_view(parent, id, entry.place, scale);
    case ControlKind::edit_box:
        return create_echo_box(parent, id, entry.place, scale);
    case ControlKind::group_box:
        return create_group_box(parent, id, entry.text, entry.place, scale, main_window);
    case ControlKind::push_button:
        return create_plain(L"Button", WS_TABSTOP | BS_PUSHBUTTON, entry, parent, scale);
    case ControlKind::check_box:
        return create_plain(L"Button", WS_TABSTOP | BS_AUTOCHECKBOX, entry, parent, scale);
    case ControlKind::label:
        return create_plain(L"Static", SS_LEFT, entry, parent, scale);
    }
    return nullptr;
}

bool takes_focus(ControlKind kind) {
    return kind != ControlKind::group_box && kind != ControlKind::label;
}

} // namespace

HWND create_control(const ControlSpec& entry, HWND parent, HWND main_window, const DpiScale& scale,
                    HFONT gui_font) {
    HWND control = create_kind(entry, parent, main_window, scale);
    if (control == nullptr) {
        return nullptr;
    }
    SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(gui_font), FALSE);
    if (takes_focus(entry.kind)) {
        install_window_keys(control, main_window);
    }
    return control;
}

} // namespace korvath
