// The main window's creation, events and control operations.
#include "ui/win32/main_window.h"

#include "text/encoding_win32.h"
#include "ui/layout.h"
#include "ui/win32/control_factory.h"
#include "ui/win32/dpi_scale.h"
#include "ui/win32/echo_box.h"
#include "ui/win32/label_fit.h"
#include "ui/win32/option_tooltips.h"
#include "win32/window_text.h"

#include <commctrl.h>

namespace korvath {
namespace {

constexpr DWORD kWindowStyle =
    WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;

void register_window_class(HINSTANCE instance, HICON icon, WNDPROC proc) {
    static const std::wstring class_name = to_wide(kMainWindowClass);
    WNDCLASSEXW wc = {};
    wc.cbSize = sizeof(wc);
    wc.lpfnWndProc = proc;
    wc.hInstance = instance;
    wc.hIcon = icon;
    wc.hIconSm = icon;
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = class_name.c_str();
    RegisterClassExW(&wc); // fails harmlessly when already registered
}

} // namespace

MainWindow::MainWindow(HINSTANCE instance, HICON icon) {
    register_window_class(instance, icon, &MainWindow::window_proc);
    const DpiScale scale = DpiScale::system();
    const int width = scale.px(kWindowWidth);
    const int height = scale.px(kWindowHeight);
    const int left = centred_origin(GetSystemMetrics(SM_CXSCREEN), width);
    const int top = centred_origin(GetSystemMetrics(SM_CYSCREEN), height);
    CreateWindowExW(WS_EX_CONTROLPARENT, to_wide(kMainWindowClass).c_str(),
                    to_wide(kMainWindowCaption).c_str(), kWindowStyle, left, top, width, height,
                    nullptr, nullptr, instance, this);
    if (hwnd_ != nullptr && !create_controls()) {
        DestroyWindow(hwnd_);
    }
}

MainWindow::~MainWindow() {
    if (exists()) {
        DestroyWindow(hwnd_);
    }
}

bool MainWindow::create_controls() {
    const DpiScale scale = DpiScale::system();
    HFONT gui_font = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
    std::map<HWND, HWND> last_in_parent;
    for (const ControlSpec& entry : window_layout()) {
        HWND parent = entry.parent ? control(*entry.parent) : hwnd_;
        HWND created = create_control(entry, parent, hwnd_, scale, gui_font);
        if (created == nullptr) {
            return false;
        }
        // The table's order is the stacking order, from the top.
        auto last = last_in_parent.find(parent);
        SetWindowPos(created, last == last_in_parent.end() ? HWND_TOP : last->second, 0, 0, 0, 0,
                     SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        last_in_parent[parent] = created;
        controls_[entry.control] = created;
    }
    list_ = ListView(control(Control::超级列表框1));
    create_option_tooltips(
        hwnd_, [this](int box) { return control(option_box(box)); }, scale);
    label_font_ = fit_label_font(control(Control::透明标签2), control(Control::分组框使用说明),
                                 scale.px(kLabelFontHeight));
    return true;
}

bool MainWindow::exists() const {
    return hwnd_ != nullptr && IsWindow(hwnd_);
}

void MainWindow::show() {
    if (exists()) {
        ShowWindow(hwnd_, SW_SHOW);
        UpdateWindow(hwnd_);
    }
}

HWND MainWindow::control(Control which) const {
    auto found = controls_.find(which);
    return found == controls_.end() ? nullptr : found->second;
}

LRESULT CALLBACK MainWindow::window_proc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
    if (message == WM_NCCREATE) {
        auto* self =
            static_cast<MainWindow*>(reinterpret_cast<CREATESTRUCTW*>(lparam)->lpCreateParams);
        self->hwnd_ = hwnd;
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    auto* self = reinterpret_cast<MainWindow*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (self == nullptr) {
        return DefWindowProcW(hwnd, message, wparam, lparam);
    }
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
        return DefWindowProcW(hwnd, message, wparam, lparam);
    }
    return self->handle_message(message, wparam, lparam);
}

LRESULT MainWindow::handle_message(UINT message, WPARAM wparam, LPARAM lparam) {
    switch (message) {
    case WM_COMMAND:
        if (HIWORD(wparam) == BN_CLICKED && lparam != 0) {
            clicked(static_cast<Control>(LOWORD(wparam)));
        }
        return 0;
    case WM_NOTIFY: {
        const auto* header = reinterpret_cast<const NMHDR*>(lparam);
        // The list's own left-button click: not its header, not the right
        // button, not a selection moved by the keyboard.
        if (header->code == NM_CLICK && header->hwndFrom == control(Control::超级列表框1)) {
            clicked(Control::超级列表框1);
        }
        return 0;
    }
    case WM_CTLCOLORSTATIC:
        return colour_static(reinterpret_cast<HDC>(wparam), reinterpret_cast<HWND>(lparam));
    case WM_KEYDOWN:
        if (wparam == VK_ESCAPE) {
            close_requested_by_user();
            return 0;
        }
        break;
    case WM_ACTIVATE:
        if (LOWORD(wparam) == WA_INACTIVE) {
            HWND focus = GetFocus();
            if (focus != nullptr && IsChild(hwnd_, focus)) {
                saved_focus_ = focus;
            }
        }
        break;
    case WM_SETFOCUS:
        restore_focus();
        return 0;
    case WM_CLOSE:
        close_requested_by_user();
        return 0;
    case WM_QUERYENDSESSION:
        // Ending Windows mid-run could fall between removing the old launcher
        // and pushing the new one: hold it off like a close.
        if (guard_.busy()) {
            close_requested_by_user();
            return FALSE;
        }
        return TRUE;
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    default:
        break;
    }
    return DefWindowProcW(hwnd_, message, wparam, lparam);
}

void MainWindow::clicked(Control which) {
    if (on_click_) {
        on_click_(which);
    }
    // Posted, not destroyed here: the clicked button is still on the stack.
    if (guard_.deferred_close_due() && exists()) {
        PostMessageW(hwnd_, WM_CLOSE, 0, 0);
    }
}

void MainWindow::close_requested_by_user() {
    if (guard_.request_close()) {
        DestroyWindow(hwnd_);
    } else {
        append_echo(std::string(kCloseDeferredNotice));
    }
}

void MainWindow::restore_focus() {
    auto usable = [](HWND hwnd) {
        return hwnd != nullptr && IsWindow(hwnd) && IsWindowVisible(hwnd) && IsWindowEnabled(hwnd);
    };
    // At start the instance list, not a box hidden under the instructions.
    HWND target = usable(saved_focus_) ? saved_focus_ : control(Control::超级列表框1);
    if (!usable(target)) {
        target = GetNextDlgTabItem(hwnd_, nullptr, FALSE);
    }
    if (target != nullptr) {
        SetFocus(target);
    }
}

LRESULT MainWindow::colour_static(HDC dc, HWND from) {
    if (from == control(Control::透明标签2)) {
        SetBkMode(dc, TRANSPARENT);
        SetTextColor(dc, RGB(0, 0, 0));
        return reinterpret_cast<LRESULT>(GetStockObject(NULL_BRUSH));
    }
    return DefWindowProcW(hwnd_, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                          reinterpret_cast<LPARAM>(from));
}

void MainWindow::set_panel_visible(Control panel, bool visible) {
    ShowWindow(control(panel), visible ? SW_SHOWNA : SW_HIDE);
}

void MainWindow::tick_option_box(int box, bool ticked) {
    SendMessageW(control(option_box(box)), BM_SETCHECK, ticked ? BST_CHECKED : BST_UNCHECKED, 0);
}

int MainWindow::is_option_ticked(int box) const {
    return SendMessageW(control(option_box(box)), BM_GETCHECK, 0, 0) == BST_CHECKED ? 1 : 0;
}

std::string MainWindow::option_caption(int box) const {
    HWND hwnd = control(option_box(box));
    return hwnd == nullptr ? std::string() : window_text(hwnd);
}

void MainWindow::list_delete_all() {
    list_.delete_all();
}
int MainWindow::list_append_row(const std::string& text) {
    return list_.append_row(text);
}
void MainWindow::list_delete_row(int row) {
    list_.delete_row(row);
}
void MainWindow::list_set_cell(int row, int column, const std::string& text) {
    list_.set_cell(row, column, text);
}
std::string MainWindow::list_cell_text(int row, int column) const {
    return list_.cell_text(row, column);
}
int MainWindow::list_selection() const {
    return list_.selection();
}

void MainWindow::set_echo(const std::string& text) {
    echo_set(control(Control::回显编辑框), text);
}

void MainWindow::append_echo(const std::string& text) {
    echo_append(control(Control::回显编辑框), text);
}

void MainWindow::set_control_disabled(Control which, bool disabled) {
    HWND hwnd = control(which);
    if (hwnd == nullptr) {
        return;
    }
    const bool had_focus = GetFocus() == hwnd;
    EnableWindow(hwnd, disabled ? FALSE : TRUE);
    if (disabled && had_focus) {
        // A disabled control takes no keys: hand the focus on, so Esc
        // still reaches the window.
        HWND next = GetNextDlgTabItem(hwnd_, hwnd, FALSE);
        SetFocus(next != nullptr && next != hwnd ? next : hwnd_);
    }
}

} // namespace korvath
