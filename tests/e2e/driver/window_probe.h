// Reads and operates the controls of the program's main window from outside.
#pragma once

#include "ui/controls.h"

#include <windows.h>

#include <string>

namespace korvath::e2e {

class WindowProbe {
  public:
    explicit WindowProbe(HWND main_window) : main_(main_window) {}

    HWND main() const { return main_; }
    HWND control(Control c) const;
    HWND box(int number) const { return control(option_box(number)); }

    std::string text(Control c) const { return text_of(control(c)); }
    static std::string text_of(HWND window);
    bool visible(Control c) const { return IsWindowVisible(control(c)) != FALSE; }
    bool enabled(Control c) const { return IsWindowEnabled(control(c)) != FALSE; }
    bool ticked(int number) const;
    // Option boxes first..last all ticked (or all unticked).
    bool all_ticked(int first, int last, bool ticked) const;
    // Every one of the 67 lockable controls enabled (or disabled).
    bool all_lockable_enabled(bool enabled) const;

    // Clicks as a person does: a button press posted, or the mouse pressed
    // and released at the middle of the control.
    void click(Control c) const;
    void click_box(int number) const;
    void press_key(Control target, WPARAM key) const;
    void close() const { PostMessageW(main_, WM_CLOSE, 0, 0); }
    // Returns once the program has handled every message before this one;
    // a handler that runs no console command has then ended.
    void settle() const;

    // The tooltip text the program gives an option box.
    std::string tooltip(int number) const;

    int row_count() const;
    std::string cell(int row, int column) const;
    int selected_row() const;
    void click_row(int row) const;

  private:
    HWND main_;
};

} // namespace korvath::e2e
