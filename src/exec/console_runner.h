// The road to the emulator: one command line in, its whole output out.
#pragma once

#include <string>

namespace korvath {

struct CommandResult {
    std::string output;     // standard output and error merged, UTF-8
    bool timed_out = false; // the command was ended at its time limit
};

class ConsoleRunner {
  public:
    virtual ~ConsoleRunner() = default;
    // Runs "cmd.exe /c " + command hidden and waits for it to end, keeping
    // the window responsive meanwhile. Never fails: a command that cannot run
    // gives an empty output.
    virtual CommandResult run_console_command(const std::string& command) = 0;
};

} // namespace korvath
