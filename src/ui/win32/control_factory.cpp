// One function per kind of control; the kinds' own files do the rest.
#include "ui/win32/control_factory.h"

#include "text/encoding_win32.h"
#include "ui/win32/echo_box.h"
#include "ui/win32/group_box.h"
#include "ui/win32/list_view.h"
#include "ui/win32/window_keys.h"

namespace korvath {
namespace {

HWND create_plain(const wchar_t* window_class, DWORD style, const ControlSpec& spec, HWND parent,
                  const DpiScale& scale) {
    const Rect at = scale.rect(spec.place);
    return CreateWindowExW(0, window_class, to_wide(spec.text).c_str(),
                           WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | style, at.x, at.y, at.width,
                           at.height, parent,
                           reinterpret_cast<HMENU>(static_cast<INT_PTR>(control_id(spec.control))),
                           GetModuleHandleW(nullptr), nullptr);
}

HWND create_kind(const ControlSpec& spec, HWND parent, HWND main_window, const DpiScale& scale) {
    const int id = control_id(spec.control);
    switch (spec.kind) {
    case ControlKind::list_view:
        return create_list_view(parent, id, spec.place, scale);
    case ControlKind::edit_box:
        return create_echo_box(parent, id, spec.place, scale);
    case ControlKind::group_box:
        return create_group_box(parent, id, spec.text, spec.place, scale, main_window);
    case ControlKind::push_button:
        return create_plain(L"Button", WS_TABSTOP | BS_PUSHBUTTON, spec, parent, scale);
    case ControlKind::check_box:
        return create_plain(L"Button", WS_TABSTOP | BS_AUTOCHECKBOX, spec, parent, scale);
    case ControlKind::label:
        return create_plain(L"Static", SS_LEFT, spec, parent, scale);
    }
    return nullptr;
}

bool takes_focus(ControlKind kind) {
    return kind != ControlKind::group_box && kind != ControlKind::label;
}

} // namespace

HWND create_control(const ControlSpec& spec, HWND parent, HWND main_window, const DpiScale& scale,
                    HFONT gui_font) {
    HWND control = create_kind(spec, parent, main_window, scale);
    if (control == nullptr) {
        return nullptr;
    }
    SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(gui_font), FALSE);
    if (takes_focus(spec.kind)) {
        install_window_keys(control, main_window);
    }
    return control;
}

} // namespace korvath
