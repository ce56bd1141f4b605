// The main window: creates every control of the layout, routes clicks to the
// program and implements the control operations on the real controls.
#pragma once

#include "ui/close_guard.h"
#include "ui/control_ops.h"
#include "ui/win32/list_view.h"
#include "win32/unique_font.h"

#include <windows.h>

#include <functional>
#include <map>

namespace korvath {

class MainWindow final : public ControlOps {
  public:
    using ClickHandler = std::function<void(Control)>;

    // Creates the window hidden, centred, with all its controls. `icon` is
    // the program's icon, or null.
    MainWindow(HINSTANCE instance, HICON icon);
    MainWindow(const MainWindow&) = delete;
    MainWindow& operator=(const MainWindow&) = delete;
    ~MainWindow() override;

    // False when the window could not be created, or has been closed.
    bool exists() const;
    HWND hwnd() const { return hwnd_; }
    void show();
    // Runs for a button's click and the instance list's left-button click.
    void set_click_handler(ClickHandler handler) { on_click_ = std::move(handler); }
    CloseGuard& close_guard() { return guard_; }

    void set_panel_visible(Control panel, bool visible) override;
    void tick_option_box(int box, bool ticked) override;
    int is_option_ticked(int box) const override;
    std::string option_caption(int box) const override;
    void list_delete_all() override;
    int list_append_row(const std::string& text) override;
    void list_delete_row(int row) override;
    void list_set_cell(int row, int column, const std::string& text) override;
    std::string list_cell_text(int row, int column) const override;
    int list_selection() const override;
    void set_echo(const std::string& text) override;
    void append_echo(const std::string& text) override;
    void set_control_disabled(Control control, bool disabled) override;
    bool close_requested() const override { return guard_.close_requested(); }

  private:
    static LRESULT CALLBACK window_proc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam);
    LRESULT handle_message(UINT message, WPARAM wparam, LPARAM lparam);
    bool create_controls();
    void clicked(Control control);
    void close_requested_by_user();
    void restore_focus();
    LRESULT colour_static(HDC dc, HWND control);
    HWND control(Control which) const;

    HWND hwnd_ = nullptr;
    UniqueFont label_font_;
    std::map<Control, HWND> controls_;
    ListView list_;
    CloseGuard guard_;
    ClickHandler on_click_;
    HWND saved_focus_ = nullptr;
};

} // namespace korvath
