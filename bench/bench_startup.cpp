// Start-up of the real program as a user meets it, and the size of korvath.exe.
#include "bench_clock.h"
#include "driver/files.h"
#include "driver/program.h"
#include "driver/window_probe.h"
#include "sim_fixture.h"
#include "text/encoding_win32.h"

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

namespace korvath::e2e {
namespace {

using bench::median;
using bench::now_ms;
using bench::require;

constexpr int kRounds = 5;

// Polls every millisecond, finer than the driver's 20 ms, for the timings.
bool poll(const std::function<bool()>& condition, double timeout_ms) {
    const double end = now_ms() + timeout_ms;
    while (!condition()) {
        if (now_ms() > end) {
            return false;
        }
        Sleep(1);
    }
    return true;
}

struct Startup {
    double to_tips_box;
    double ok_to_visible;
};

Startup start_once() {
    sim_fixture::RunDirectory dir;
    require(dir.ok() && dir.setup_demo().exit_code == 0, "cannot lay out the run directory");
    require(copy_built_program("korvath.exe", dir.path(), "korvath.exe"),
            "cannot copy the program");

    const double start = now_ms();
    Program program(dir.path() + "\\korvath.exe");
    HWND box = nullptr;
    require(poll([&] { return (box = program.message_box()) != nullptr; }, 30000), "no tips box");
    const double tips = now_ms();
    HWND window = program.main_window();
    HWND ok = GetDlgItem(box, IDOK);
    require(window && ok, "no main window or no OK button behind the tips box");

    const double pressed = now_ms();
    PostMessageW(ok, BM_CLICK, 0, 0);
    require(poll([&] { return IsWindowVisible(window) != FALSE; }, 10000),
            "the main window did not show");
    const double shown = now_ms();
    WindowProbe(window).close();
    require(program.wait_for_exit(10000) == 0, "the program did not close");
    return {tips - start, shown - pressed};
}

} // namespace
} // namespace korvath::e2e

int main() {
    using namespace korvath::e2e;
    std::vector<double> tips, visible;
    try {
        for (int i = 0; i < kRounds; ++i) {
            Startup s = start_once();
            tips.push_back(s.to_tips_box);
            visible.push_back(s.ok_to_visible);
        }
    } catch (const std::exception& e) {
        std::fprintf(stderr, "bench_startup: %s\n", e.what());
        return 1;
    }
    std::printf("| start-up, %d starts | median ms | worst ms |\n|---|---|---|\n", kRounds);
    std::printf("| process start to the tips box | %.0f | %.0f |\n", median(tips),
                *std::max_element(tips.begin(), tips.end()));
    std::printf("| OK pressed to the main window visible | %.0f | %.0f |\n\n", median(visible),
                *std::max_element(visible.begin(), visible.end()));

    std::error_code error;
    const auto bytes = std::filesystem::file_size(
        std::filesystem::path(korvath::to_wide(built_program("korvath.exe"))), error);
    if (error) {
        std::fprintf(stderr, "bench_startup: cannot read the size of korvath.exe\n");
        return 1;
    }
    std::printf("korvath.exe: %llu bytes (%.0f KiB)\n", static_cast<unsigned long long>(bytes),
                static_cast<double>(bytes) / 1024.0);
    return 0;
}
