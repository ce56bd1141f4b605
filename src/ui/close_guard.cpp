// Deferred closing while console commands run.
#include "ui/close_guard.h"

namespace korvath {

bool CloseGuard::request_close() {
    if (busy()) {
        requested_ = true;
        return false;
    }
    return true;
}

} // namespace korvath
