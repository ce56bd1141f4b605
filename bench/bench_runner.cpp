// Costs of the console runner against the least a program can do, side by side.
#include "bench_clock.h"
#include "exec/console_child_win32.h"
#include "exec/runner_win32.h"
#include "sim_fixture.h"
#include "text/encoding_win32.h"
#include "win32/unique_handle.h"

#include <windows.h>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <cstring>
#include <functional>
#include <string>
#include <thread>
#include <vector>

namespace korvath {
namespace {

using bench::median;
using bench::now_ms;

constexpr int kRounds = 40;
constexpr DWORD kSlowCommandMs = 2000;
constexpr int kCpuRuns = 3;

std::string probe_command(const std::string& arguments) {
    std::string path = KORVATH_PROBE_CHILD;
    std::replace(path.begin(), path.end(), '/', '\\');
    return path + " " + arguments;
}

// The same child as the runner's, started the same way.
ConsoleChild start_plain(const std::string& command) {
    return start_console_child(command);
}

std::string read_all_waiting(HANDLE pipe) {
    std::string bytes;
    DWORD waiting = 0;
    while (PeekNamedPipe(pipe, nullptr, 0, nullptr, &waiting, nullptr) && waiting > 0) {
        std::size_t start = bytes.size();
        bytes.resize(start + waiting);
        DWORD read = 0;
        ReadFile(pipe, bytes.data() + start, waiting, &read, nullptr);
        bytes.resize(start + read);
    }
    return bytes;
}

// Least a program can do: start, wait on the handle, read the pipe (the
// output must fit the pipe's buffer).
std::string run_plain(const std::string& command) {
    ConsoleChild started = start_plain(command);
    WaitForSingleObject(started.process.get(), INFINITE);
    return read_all_waiting(started.output.get());
}

// The loop first described for the runner: a 1 ms waitable timer per pass.
std::string run_timer_poll(const std::string& command) {
    ConsoleChild started = start_plain(command);
    std::string bytes;
    for (;;) {
        std::string chunk = read_all_waiting(started.output.get());
        bytes += chunk;
        DWORD code = 0;
        GetExitCodeProcess(started.process.get(), &code);
        if (chunk.empty() && code != STILL_ACTIVE) {
            break;
        }
        UniqueHandle timer(CreateWaitableTimerW(nullptr, FALSE, nullptr));
        LARGE_INTEGER due;
        due.QuadPart = -10000;
        SetWaitableTimer(timer.get(), &due, 0, nullptr, nullptr, FALSE);
        HANDLE object = timer.get();
        while (MsgWaitForMultipleObjects(1, &object, FALSE, INFINITE, QS_ALLINPUT) != 0) {
            MSG message;
            while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
                DispatchMessageW(&message);
            }
        }
    }
    return bytes;
}

double process_cpu_ms() {
    FILETIME created, exited, kernel, user;
    GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernel, &user);
    auto ms = [](FILETIME t) {
        return static_cast<double>((static_cast<unsigned long long>(t.dwHighDateTime) << 32) |
                                   t.dwLowDateTime) /
               10000.0;
    };
    return ms(kernel) + ms(user);
}

// Percent of one core the program used while `run` ran, over a few runs
// (Wine counts process time in 10 ms steps).
double cpu_percent(const std::function<void()>& run) {
    double cpu = process_cpu_ms();
    double start = now_ms();
    for (int i = 0; i < kCpuRuns; ++i) {
        run();
    }
    return 100.0 * (process_cpu_ms() - cpu) / (now_ms() - start);
}

// Posted-message latency: a thread posts stamped messages to a window.
std::vector<double> g_latencies;

LRESULT CALLBACK stamp_proc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    if (message == WM_APP) {
        double sent = 0;
        static_assert(sizeof sent == sizeof lparam);
        std::memcpy(&sent, &lparam, sizeof sent);
        g_latencies.push_back(now_ms() - sent);
        return 0;
    }
    return DefWindowProcW(window, message, wparam, lparam);
}

std::vector<double> message_latencies(HWND window, const std::function<void()>& wait) {
    g_latencies.clear();
    std::atomic<bool> done{false};
    std::thread poster([&] {
        while (!done) {
            Sleep(97);
            double sent = now_ms();
            LPARAM stamp = 0;
            std::memcpy(&stamp, &sent, sizeof stamp);
            PostMessageW(window, WM_APP, 0, stamp);
        }
    });
    wait();
    done = true;
    poster.join();
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        DispatchMessageW(&message);
    }
    return g_latencies;
}

// A plain message loop for the same time: the window with nothing to do.
void plain_message_loop(DWORD milliseconds) {
    const ULONGLONG end = GetTickCount64() + milliseconds;
    for (ULONGLONG now = GetTickCount64(); now < end; now = GetTickCount64()) {
        MsgWaitForMultipleObjects(0, nullptr, FALSE, static_cast<DWORD>(end - now), QS_ALLINPUT);
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            DispatchMessageW(&message);
        }
    }
}

} // namespace
} // namespace korvath

int main() {
    using namespace korvath;
    // The simulator's listing of the demo instances, the tool found through
    // the current directory as in the program.
    sim_fixture::RunDirectory dir;
    if (!dir.ok() || dir.setup_demo().exit_code != 0 ||
        !SetCurrentDirectoryW(to_wide(dir.path()).c_str())) {
        std::fprintf(stderr, "cannot lay out the simulator's run directory\n");
        return 1;
    }
    const std::string listing = "ldconsole.exe list2";
    const std::string slow = probe_command("sleep " + std::to_string(kSlowCommandMs));
    Win32ConsoleRunner runner;

    const std::string expected = run_plain(listing);
    if (runner.run_console_command(listing).output.empty() || expected.empty()) {
        std::fprintf(stderr, "the listing command prints nothing: %s\n", listing.c_str());
        return 1;
    }
    std::vector<double> plain, ours, poll;
    for (int round = 0; round < kRounds; ++round) { // interleaved, so drift hits all alike
        double start = now_ms();
        run_plain(listing);
        plain.push_back(now_ms() - start);
        start = now_ms();
        runner.run_console_command(listing);
        ours.push_back(now_ms() - start);
        start = now_ms();
        run_timer_poll(listing);
        poll.push_back(now_ms() - start);
    }
    std::printf("command: cmd.exe /c %s\n\n", listing.c_str());
    std::printf("| round trip, median of %d | ms | ratio to least |\n|---|---|---|\n", kRounds);
    std::printf("| least (create, wait on handle, read) | %.1f | 1.00 |\n", median(plain));
    std::printf("| run_console_command | %.1f | %.2f |\n", median(ours),
                median(ours) / median(plain));
    std::printf("| 1 ms timer poll | %.1f | %.2f |\n\n", median(poll),
                median(poll) / median(plain));

    double cpu_plain = cpu_percent([&] { run_plain(slow); });
    double cpu_ours = cpu_percent([&] { runner.run_console_command(slow); });
    double cpu_quit = cpu_percent([&] {
        PostQuitMessage(0); // a quit waiting all along must not make the wait spin
        runner.run_console_command(slow);
        MSG quit;
        PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE);
    });
    double cpu_poll = cpu_percent([&] { run_timer_poll(slow); });
    std::printf("| program CPU during a %u ms command (%d runs) | %% of a core |\n|---|---|\n",
                static_cast<unsigned>(kSlowCommandMs), kCpuRuns);
    std::printf("| least (blocking wait) | %.2f |\n", cpu_plain);
    std::printf("| run_console_command | %.2f |\n", cpu_ours);
    std::printf("| run_console_command, WM_QUIT waiting | %.2f |\n", cpu_quit);
    std::printf("| 1 ms timer poll | %.2f |\n\n", cpu_poll);

    WNDCLASSW window_class{};
    window_class.lpfnWndProc = stamp_proc;
    window_class.hInstance = GetModuleHandleW(nullptr);
    window_class.lpszClassName = L"KorvathBenchWindow";
    RegisterClassW(&window_class);
    HWND window = CreateWindowW(window_class.lpszClassName, L"", 0, 0, 0, 0, 0, HWND_MESSAGE,
                                nullptr, window_class.hInstance, nullptr);
    std::vector<double> idle =
        message_latencies(window, [] { plain_message_loop(kSlowCommandMs); });
    std::vector<double> busy = message_latencies(window, [&] { runner.run_console_command(slow); });
    auto worst = [](const std::vector<double>& v) {
        return v.empty() ? 0.0 : *std::max_element(v.begin(), v.end());
    };
    std::printf("| posted message latency | n | median ms | worst ms |\n|---|---|---|---|\n");
    std::printf("| plain message loop | %zu | %.2f | %.2f |\n", idle.size(), median(idle),
                worst(idle));
    std::printf("| during run_console_command | %zu | %.2f | %.2f |\n", busy.size(), median(busy),
                worst(busy));
    DestroyWindow(window);
    SetCurrentDirectoryW(L"C:\\"); // the run directory is removed on the way out
    return 0;
}
