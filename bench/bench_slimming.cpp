// A whole Android 7 slimming run through the real window against batch files
// replaying its command sequence, side by side; the program's peak working set.
#include "bench_clock.h"
#include "driver/program.h"
#include "driver/session.h"
#include "sim_fixture.h"

#include <windows.h>

#include <psapi.h>

#include <algorithm>
#include <cstdio>
#include <stdexcept>
#include <string>
#include <vector>

namespace korvath::e2e {
namespace {

using bench::median;
using bench::now_ms;
using bench::require;

constexpr int kRounds = 3;
constexpr std::string_view kState = "2|雷电模拟器|running|7.1.2|tree=android7\n";

// A batch file of the sequence; `prefix` goes before each line. A batch
// file reads `%` as a variable, so it is doubled.
std::string batch_of(const std::vector<std::string>& lines, std::string_view prefix) {
    std::string batch = "@echo off\r\n";
    for (const std::string& line : lines) {
        require(std::all_of(line.begin(), line.end(),
                            [](char c) { return static_cast<unsigned char>(c) < 0x80; }),
                "a command line outside ASCII cannot go into the batch file: " + line);
        batch += prefix;
        for (char c : line) {
            batch += c == '%' ? std::string("%%") : std::string(1, c);
        }
        batch += "\r\n";
    }
    return batch;
}

SIZE_T peak_working_set(HANDLE process) {
    PROCESS_MEMORY_COUNTERS counters{};
    counters.cb = sizeof counters;
    return GetProcessMemoryInfo(process, &counters, sizeof counters) ? counters.PeakWorkingSetSize
                                                                     : 0;
}

// Replays a batch file on a fresh state; it must send the program's sequence.
double replay(Session& s, const char* name, const std::vector<std::string>& expected) {
    require(s.dir().setup(kState).exit_code == 0, "sim-setup failed");
    const double start = now_ms();
    sim_fixture::Outcome run = s.dir().run(name, 600000);
    const double ms = now_ms() - start;
    require(run.finished && run.exit_code == 0, std::string(name) + " failed: " + run.text());
    require(s.dir().command_log() == expected,
            std::string(name) + " sent another sequence than the program");
    return ms;
}

struct Figures {
    std::vector<double> program, nested, plain, peak_mb;
    std::size_t commands = 0;
};

void round(Figures& f) {
    Session s({.description = kState});
    s.refresh();
    s.select("2");
    s.open_options();
    s.ui().click(Control::全部选择按钮7);
    require(wait_until([&] { return s.ui().all_ticked(1, 34, true); }, 5000),
            "select all did not tick boxes 1-34");
    const std::size_t before = s.dir().command_log().size();
    const double start = now_ms();
    s.start_and_wait();
    f.program.push_back(now_ms() - start);
    require(s.echo().ends_with(kCompletionLine), "the run did not complete: " + s.echo());
    f.peak_mb.push_back(static_cast<double>(peak_working_set(s.program().handle())) / 1048576.0);
    s.ui().close();
    require(s.program().wait_for_exit(30000) == 0, "the program did not close");

    const std::vector<std::string> sequence = s.commands_since(before);
    f.commands = sequence.size();
    require(s.dir().write_file("nested.cmd", batch_of(sequence, "cmd /c ")) &&
                s.dir().write_file("plain.cmd", batch_of(sequence, "")),
            "cannot write the batch files");
    f.nested.push_back(replay(s, "nested.cmd", sequence));
    f.plain.push_back(replay(s, "plain.cmd", sequence));
}

} // namespace
} // namespace korvath::e2e

int main() {
    using namespace korvath::e2e;
    Figures f;
    try {
        for (int i = 0; i < kRounds; ++i) { // interleaved, so drift hits all alike
            round(f);
        }
    } catch (const std::exception& e) {
        std::fprintf(stderr, "bench_slimming: %s\n", e.what());
        return 1;
    }
    const double program = median(f.program);
    std::printf("Android 7, all 34 boxes: %zu commands, median of %d rounds\n\n", f.commands,
                kRounds);
    std::printf("| whole run | ms | ms per command | program's ratio to it |\n|---|---|---|---|\n");
    std::printf("| korvath.exe, start click to completion line | %.0f | %.1f | 1.00 |\n", program,
                program / static_cast<double>(f.commands));
    for (const auto& [name, runs] : {std::pair{"batch, each line `cmd /c <line>`", &f.nested},
                                     std::pair{"plain batch, the tool directly", &f.plain}}) {
        const double ms = median(*runs);
        std::printf("| %s | %.0f | %.1f | %.2f |\n", name, ms, ms / static_cast<double>(f.commands),
                    program / ms);
    }
    std::printf("\nratio to the `cmd /c` batch, round by round:");
    for (int i = 0; i < kRounds; ++i) {
        std::printf(" %.2f", f.program[i] / f.nested[i]);
    }
    std::printf("\n");
    auto [low, high] = std::minmax_element(f.peak_mb.begin(), f.peak_mb.end());
    std::printf("\npeak working set of korvath.exe after the run: median %.1f MB (%.1f-%.1f)\n",
                median(f.peak_mb), *low, *high);
    return 0;
}
