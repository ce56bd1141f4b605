// The console runner on Win32: cmd.exe hidden, output through one pipe.
#pragma once

#include "exec/console_runner.h"

namespace korvath {

// How long one command may run before its process tree is ended.
inline constexpr unsigned kDefaultCommandTimeLimitMs = 120000;

class Win32ConsoleRunner final : public ConsoleRunner {
  public:
    explicit Win32ConsoleRunner(unsigned time_limit_ms = kDefaultCommandTimeLimitMs)
        : time_limit_ms_(time_limit_ms) {}

    CommandResult run_console_command(const std::string& command) override;

  private:
    unsigned time_limit_ms_;
};

// The line appended to the output of a command ended at its limit.
std::string timeout_notice(unsigned time_limit_ms);

} // namespace korvath
