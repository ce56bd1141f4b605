// Keeps the window alive while the user-interface thread waits for a command.
#pragma once

#include <windows.h>

namespace korvath {

// A quit message met while waiting, held back from the wait and put back in
// the queue, for the main message loop, when the holder goes away. (Peeking
// cannot leave it queued: PeekMessage returns WM_QUIT whatever its filter.)
class PendingQuit {
  public:
    PendingQuit() = default;
    PendingQuit(const PendingQuit&) = delete;
    PendingQuit& operator=(const PendingQuit&) = delete;
    ~PendingQuit() {
        if (held_) {
            PostQuitMessage(exit_code_);
        }
    }
    void hold(int exit_code) {
        held_ = true;
        exit_code_ = exit_code;
    }

  private:
    bool held_ = false;
    int exit_code_ = 0;
};

// Takes and dispatches every waiting window message; a quit message goes to
// `quit` instead.
void dispatch_pending_messages(PendingQuit& quit);

// When key or mouse-button input waits in the queue, dispatches the pending
// messages; otherwise returns at once.
void pump_pending_input(PendingQuit& quit);

enum class WaitOutcome {
    signalled, // the object was signalled
    elapsed,   // the time passed (messages may have been dispatched meanwhile)
    failed,    // the wait could not be made; the time was slept instead
};

// Waits up to `milliseconds` for `object` (may be null) to be signalled,
// dispatching window messages whenever any arrive meanwhile.
WaitOutcome wait_with_events(HANDLE object, DWORD milliseconds, PendingQuit& quit);

} // namespace korvath
