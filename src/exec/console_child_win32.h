// Starting one command hidden through the system's cmd.exe, its output on a pipe.
#pragma once

#include "win32/unique_handle.h"

#include <string>

namespace korvath {

struct ConsoleChild {
    UniqueHandle output;  // read end of the pipe holding stdout and stderr
    UniqueHandle process; // none when the child could not be started
    UniqueHandle job;     // holds the child's process tree; none if unavailable
};

// Starts "<system dir>\cmd.exe /c " + command (UTF-8) without a window, in
// the caller's current directory. Its standard input is the NUL device; its
// standard output and error share one pipe; it inherits no other handle.
ConsoleChild start_console_child(const std::string& command);

// Ends the child and everything it started (the whole job, or the child
// alone when it could not be put in a job).
void end_process_tree(const ConsoleChild& child);

} // namespace korvath
