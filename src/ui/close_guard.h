// Closing the window while a handler runs console commands: the close waits
// until the outermost such handler has returned.
#pragma once

#include <string_view>

namespace korvath {

inline constexpr std::string_view kCloseDeferredNotice = "将在当前命令结束后关闭…\r\n";

class CloseGuard {
  public:
    // Handlers can nest: one that waits for a command pumps messages, so
    // another click can run in the middle of it.
    void enter_busy() { ++depth_; }
    void leave_busy() { --depth_; }
    bool busy() const { return depth_ > 0; }

    // True when the window may close at once; otherwise the request is kept.
    bool request_close();
    bool close_requested() const { return requested_; }
    // True once no busy handler is left and a close was asked for meanwhile.
    bool deferred_close_due() const { return requested_ && depth_ == 0; }

  private:
    int depth_ = 0;
    bool requested_ = false;
};

// Marks a handler busy for its whole run.
class BusyScope {
  public:
    explicit BusyScope(CloseGuard& guard) : guard_(guard) { guard_.enter_busy(); }
    BusyScope(const BusyScope&) = delete;
    BusyScope& operator=(const BusyScope&) = delete;
    ~BusyScope() { guard_.leave_busy(); }

  private:
    CloseGuard& guard_;
};

} // namespace korvath
