// Message dispatching and waiting on an object while messages keep flowing.
#include "exec/message_pump_win32.h"

namespace korvath {

void dispatch_pending_messages(PendingQuit& quit) {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) {
            quit.hold(static_cast<int>(message.wParam));
            continue;
        }
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

void pump_pending_input(PendingQuit& quit) {
    if (GetInputState()) {
        dispatch_pending_messages(quit);
    }
}

WaitOutcome wait_with_events(HANDLE object, DWORD milliseconds, PendingQuit& quit) {
    const ULONGLONG deadline = GetTickCount64() + milliseconds;
    const DWORD count = object != nullptr ? 1 : 0;
    for (;;) {
        const ULONGLONG now = GetTickCount64();
        const DWORD remaining = now >= deadline ? 0 : static_cast<DWORD>(deadline - now);
        const DWORD result =
            MsgWaitForMultipleObjects(count, &object, FALSE, remaining, QS_ALLINPUT);
        if (count == 1 && result == WAIT_OBJECT_0) {
            return WaitOutcome::signalled;
        }
        if (result == WAIT_OBJECT_0 + count) {
            dispatch_pending_messages(quit);
            if (remaining == 0) {
                return WaitOutcome::elapsed;
            }
            continue;
        }
        if (result == WAIT_TIMEOUT) {
            return WaitOutcome::elapsed;
        }
        // A failed wait must still cost the time it was given.
        Sleep(remaining);
        return WaitOutcome::failed;
    }
}

} // namespace korvath
