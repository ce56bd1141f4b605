// Starts the real program and finds its windows from outside, the way a
// person or an accessibility tool sees them.
#pragma once

#include "win32/unique_handle.h"

#include <windows.h>

#include <functional>
#include <string>

namespace korvath::e2e {

// Polls `condition` every 20 ms until it holds or `timeout_ms` has passed.
bool wait_until(const std::function<bool()>& condition, int timeout_ms);

// A top-level window of the process with that window class, or null.
HWND find_process_window(DWORD process_id, const wchar_t* class_name);

struct MessageBoxText {
    std::string title;
    std::string text;
};

class Program {
  public:
    // Starts `exe` with a current directory elsewhere, so the program has to
    // find its own run directory.
    explicit Program(const std::string& exe);
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;
    ~Program(); // ends the process if it still runs

    DWORD process_id() const { return process_id_; }
    HANDLE handle() const { return process_.get(); }
    bool running() const;
    // The exit code, or -1 when the process did not end in time.
    long wait_for_exit(int timeout_ms);

    // The message box (#32770) the program shows, or null after the timeout.
    HWND wait_for_message_box(int timeout_ms) const;
    HWND message_box() const;
    // The main window, visible or not, or null after the timeout.
    HWND wait_for_main_window(int timeout_ms) const;
    HWND main_window() const;

    // Reads a box, closes it with OK and waits until it is gone.
    MessageBoxText read_message_box(HWND box) const;
    void press_ok(HWND box) const;
    // Waits for a box, reads it and closes it; an empty title when none came.
    MessageBoxText dismiss_message_box(int timeout_ms) const;

    // Start-up as a user meets it: the tips box closed, the main window shown.
    HWND start_to_main_window();

  private:
    UniqueHandle process_;
    DWORD process_id_ = 0;
};

} // namespace korvath::e2e
