// Runs one command, keeping the window alive, and collects its whole output.
#include "exec/runner_win32.h"

#include "exec/console_child_win32.h"
#include "exec/message_pump_win32.h"
#include "text/encoding_win32.h"

#include <windows.h>

#include <algorithm>

namespace korvath {
namespace {

// Longest pause between two looks at the pipe; the child's end and window
// messages wake the wait at once.
constexpr DWORD kPassWaitMs = 20;
// How long an ended tree gets to let go of the pipe before it is read dry.
constexpr DWORD kTreeEndWaitMs = 2000;

// Appends what the pipe holds now, zero bytes dropped; never blocks, since it
// reads no more than the pipe reports waiting. False when nothing was read.
bool read_waiting(HANDLE pipe, std::string& bytes) {
    DWORD waiting = 0;
    if (!PeekNamedPipe(pipe, nullptr, 0, nullptr, &waiting, nullptr) || waiting == 0) {
        return false;
    }
    const std::size_t start = bytes.size();
    bytes.resize(start + waiting);
    DWORD read = 0;
    if (!ReadFile(pipe, bytes.data() + start, waiting, &read, nullptr)) {
        read = 0;
    }
    bytes.resize(start + read);
    bytes.erase(std::remove(bytes.begin() + static_cast<std::ptrdiff_t>(start), bytes.end(), '\0'),
                bytes.end());
    return read > 0;
}

void read_dry(HANDLE pipe, std::string& bytes) {
    while (read_waiting(pipe, bytes)) {
    }
}

} // namespace

std::string timeout_notice(unsigned time_limit_ms) {
    std::string seconds = std::to_string(time_limit_ms / 1000);
    if (unsigned rest = time_limit_ms % 1000; rest != 0) {
        std::string fraction = std::to_string(1000 + rest).substr(1);
        fraction.erase(fraction.find_last_not_of('0') + 1);
        seconds += "." + fraction;
    }
    return "\r\n命令超时（" + seconds + " 秒），已终止\r\n";
}

CommandResult Win32ConsoleRunner::run_console_command(const std::string& command) {
    const ULONGLONG deadline = GetTickCount64() + time_limit_ms_;
    ConsoleChild child = start_console_child(command);
    if (!child.process) {
        return {};
    }
    PendingQuit quit; // put back for the main loop once the command is over
    std::string bytes;
    bool ended = false;
    bool timed_out = false;
    for (;;) {
        if (read_waiting(child.output.get(), bytes)) {
            // More may be waiting behind a full pipe: look again at once,
            // but keep the window painting through a long output.
            if (HIWORD(GetQueueStatus(QS_ALLINPUT)) != 0) {
                dispatch_pending_messages(quit);
            }
            continue;
        }
        if (ended) {
            break; // read dry; the pipe's end of file may never come
        }
        if (WaitForSingleObject(child.process.get(), 0) == WAIT_OBJECT_0) {
            ended = true;
            continue;
        }
        if (GetTickCount64() >= deadline) {
            end_process_tree(child);
            wait_with_events(child.process.get(), kTreeEndWaitMs, quit);
            read_dry(child.output.get(), bytes);
            timed_out = true;
            break;
        }
        pump_pending_input(quit);
        wait_with_events(child.process.get(), kPassWaitMs, quit);
    }
    CommandResult result{ansi_to_utf8(bytes), timed_out};
    if (timed_out) {
        result.output += timeout_notice(time_limit_ms_);
    }
    return result;
}

} // namespace korvath
