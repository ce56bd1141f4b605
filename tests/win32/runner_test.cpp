// The console runner under Wine, through the real cmd.exe and a probe child.
#include "exec/runner_win32.h"

#include "win32/unique_handle.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <string>
#include <vector>

namespace korvath {
namespace {

// Long enough for any case here; a runner that stops seeing a child's end
// shows up as timed_out instead of a hung test.
constexpr unsigned kTestLimitMs = 30000;

std::string probe(const std::string& arguments) {
    std::string path = KORVATH_PROBE_CHILD;
    std::replace(path.begin(), path.end(), '/', '\\');
    return path + " " + arguments;
}

std::string numbered_lines(int count) {
    std::string text;
    for (int i = 0; i < count; ++i) {
        std::string digits = std::to_string(i);
        text += std::string(7 - std::min<std::size_t>(digits.size(), 7), '0') + digits + "\r\n";
    }
    return text;
}

std::string interleaved(int count) {
    std::string text;
    for (int i = 0; i < count; ++i) {
        text += "out " + std::to_string(i) + "\r\nerr " + std::to_string(i) + "\r\n";
    }
    return text;
}

// Process ids the probe reported in lines "<word> <id>".
std::vector<DWORD> reported_ids(const std::string& output, const std::string& word) {
    std::vector<DWORD> ids;
    const std::string marker = "\n" + word + " ";
    const std::string text = "\n" + output;
    for (std::size_t at = text.find(marker); at != std::string::npos;
         at = text.find(marker, at + 1)) {
        ids.push_back(static_cast<DWORD>(std::stoul(text.substr(at + marker.size()))));
    }
    return ids;
}

// Whether the process has ended within a few seconds of being asked.
bool process_ends(DWORD id) {
    UniqueHandle process(OpenProcess(SYNCHRONIZE, FALSE, id));
    return !process || WaitForSingleObject(process.get(), 5000) == WAIT_OBJECT_0;
}

struct OutputCase {
    const char* name;
    std::string command;
    std::string expected;
};

// Named in test output instead of dumped as bytes.
void PrintTo(const OutputCase& c, std::ostream* os) {
    *os << c.name;
}

class RunnerOutput : public testing::TestWithParam<OutputCase> {};

TEST_P(RunnerOutput, ReturnsWhatTheCommandWrote) {
    Win32ConsoleRunner runner(kTestLimitMs);
    CommandResult result = runner.run_console_command(GetParam().command);
    EXPECT_FALSE(result.timed_out);
    ASSERT_EQ(result.output.size(), GetParam().expected.size());
    EXPECT_TRUE(result.output == GetParam().expected) << result.output.substr(0, 200);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, RunnerOutput,
    testing::Values(
        OutputCase{"PrintsNothing", probe("silent"), ""},
        OutputCase{"TrailingLineEndKept", "echo hello", "hello\r\n"},
        OutputCase{"StreamsMergedInWriteOrder", probe("interleave 200"), interleaved(200)},
        OutputCase{"MoreThanOneMegabyteInOrder", probe("lines 120000"), numbered_lines(120000)},
        OutputCase{"ExitCode259IsAnEnd", probe("exit259"), "exiting\r\n"},
        OutputCase{"ZeroByteDroppedRestKept", probe("zero"), "abcdef\r\nnext\r\n"},
        OutputCase{"GbkSplitAcrossWritesDecoded", probe("gbk"), "运行中\r\n"},
        OutputCase{"InputIsTheNulDevice", probe("stdin"), "stdin 0 bytes\r\n"}),
    [](const testing::TestParamInfo<OutputCase>& info) { return info.param.name; });

TEST(Runner, MissingProgramGivesTheInterpretersMessage) {
    Win32ConsoleRunner runner(kTestLimitMs);
    CommandResult result = runner.run_console_command("korvath_no_such_tool.exe list2");
    EXPECT_FALSE(result.timed_out);
    EXPECT_NE(result.output.find("korvath_no_such_tool"), std::string::npos) << result.output;
}

TEST(Runner, CommandLineThatCannotStartGivesEmptyOutput) {
    // Longer than any process command line may be.
    Win32ConsoleRunner runner(kTestLimitMs);
    CommandResult result = runner.run_console_command("echo " + std::string(40000, 'x'));
    EXPECT_EQ(result.output, "");
    EXPECT_FALSE(result.timed_out);
}

TEST(Runner, OnlyTheStandardHandlesAreInherited) {
    SECURITY_ATTRIBUTES inheritable{sizeof(SECURITY_ATTRIBUTES), nullptr, TRUE};
    UniqueHandle event(CreateEventW(&inheritable, TRUE, TRUE, nullptr));
    ASSERT_TRUE(event);
    const auto value = reinterpret_cast<std::uintptr_t>(event.get());
    Win32ConsoleRunner runner(kTestLimitMs);
    EXPECT_EQ(runner.run_console_command(probe("handle " + std::to_string(value))).output,
              "not inherited\r\n");
}

TEST(Runner, ProcessHoldingThePipeOpenDoesNotHoldTheRunner) {
    Win32ConsoleRunner runner(kTestLimitMs);
    CommandResult result = runner.run_console_command(probe("server"));
    EXPECT_FALSE(result.timed_out);
    std::vector<DWORD> server = reported_ids(result.output, "server");
    ASSERT_EQ(server.size(), 1u) << result.output;
    // The server outlives the command: nothing ends it when the call returns.
    UniqueHandle process(OpenProcess(SYNCHRONIZE | PROCESS_TERMINATE, FALSE, server[0]));
    ASSERT_TRUE(process);
    EXPECT_EQ(WaitForSingleObject(process.get(), 200), static_cast<DWORD>(WAIT_TIMEOUT));
    TerminateProcess(process.get(), 0);
}

TEST(Runner, HangingTreeIsEndedAtTheLimit) {
    Win32ConsoleRunner runner(2500);
    CommandResult result = runner.run_console_command(probe("tree"));
    EXPECT_TRUE(result.timed_out);
    const std::string notice = "\r\n命令超时（2.5 秒），已终止\r\n";
    ASSERT_GE(result.output.size(), notice.size());
    EXPECT_EQ(result.output.substr(result.output.size() - notice.size()), notice);
    std::vector<DWORD> child = reported_ids(result.output, "child");
    std::vector<DWORD> grandchild = reported_ids(result.output, "grandchild");
    ASSERT_EQ(child.size(), 1u) << result.output;
    ASSERT_EQ(grandchild.size(), 1u) << result.output;
    EXPECT_TRUE(process_ends(child[0]));
    EXPECT_TRUE(process_ends(grandchild[0]));
}

TEST(Runner, DefaultLimitNoticeNamesWholeSeconds) {
    EXPECT_EQ(timeout_notice(kDefaultCommandTimeLimitMs), "\r\n命令超时（120 秒），已终止\r\n");
}

// A window whose timer and posted messages must be handled while a slow
// command runs, one of them running a command itself.
struct WindowRecord {
    Win32ConsoleRunner* runner = nullptr;
    bool command_running = false;
    int timer_ticks_during_command = 0;
    std::string nested_output;
    void (*post_quit)(HWND) = nullptr;
};

LRESULT CALLBACK record_proc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    auto* record = reinterpret_cast<WindowRecord*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (record != nullptr && message == WM_TIMER && record->command_running) {
        if (record->timer_ticks_during_command++ == 0) {
            record->post_quit(window);
            PostMessageW(window, WM_APP, 0, 0);
        }
        return 0;
    }
    if (record != nullptr && message == WM_APP) {
        record->nested_output = record->runner->run_console_command("echo nested").output;
        return 0;
    }
    return DefWindowProcW(window, message, wparam, lparam);
}

struct QuitCase {
    const char* name;
    void (*post_quit)(HWND);
};

void PrintTo(const QuitCase& c, std::ostream* os) {
    *os << c.name;
}

class RunnerMessages : public testing::TestWithParam<QuitCase> {};

TEST_P(RunnerMessages, HandledDuringCommandQuitLeftQueued) {
    WNDCLASSW window_class{};
    window_class.lpfnWndProc = record_proc;
    window_class.hInstance = GetModuleHandleW(nullptr);
    window_class.lpszClassName = L"KorvathRunnerTestWindow";
    RegisterClassW(&window_class);
    HWND window = CreateWindowW(window_class.lpszClassName, L"", 0, 0, 0, 0, 0, HWND_MESSAGE,
                                nullptr, window_class.hInstance, nullptr);
    ASSERT_NE(window, nullptr);
    Win32ConsoleRunner runner(kTestLimitMs);
    WindowRecord record;
    record.runner = &runner;
    record.post_quit = GetParam().post_quit;
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&record));
    SetTimer(window, 1, 50, nullptr);

    record.command_running = true;
    CommandResult result = runner.run_console_command(probe("sleep 1500"));
    record.command_running = false;
    KillTimer(window, 1);

    EXPECT_EQ(result.output, "slept\r\n");
    EXPECT_GT(record.timer_ticks_during_command, 1);
    EXPECT_EQ(record.nested_output, "nested\r\n");
    MSG quit;
    EXPECT_TRUE(PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
    DestroyWindow(window);
}

INSTANTIATE_TEST_SUITE_P(
    QuitPosters, RunnerMessages,
    testing::Values(QuitCase{"PostQuitMessage", [](HWND) { PostQuitMessage(0); }},
                    QuitCase{"PostedToWindow",
                             [](HWND window) { PostMessageW(window, WM_QUIT, 0, 0); }}),
    [](const testing::TestParamInfo<QuitCase>& info) { return info.param.name; });

} // namespace
} // namespace korvath
