// A user's session with the real program: a run directory holding the
// simulator in a given state, the program started past its tips box, and the
// steps a person takes, each waited for until the window shows its result.
#pragma once

#include "driver/program.h"
#include "driver/window_probe.h"
#include "sim_fixture.h"

#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace korvath::e2e {

struct SessionSetup {
    std::string_view description; // empty: the simulator's demo state
    std::string_view tool_name = "ldconsole.exe";
    std::string_view leaf = "run";
    std::string_view program = "korvath.exe";
};

inline constexpr std::string_view kCompletionLine = "精简完成，正在重启模拟器...\r\n";
inline constexpr std::string_view kNotAnsweringLine = "精简未完成：模拟器没有响应\r\n";
inline constexpr std::string_view kRule = "====================================\r\n";

class Session {
  public:
    explicit Session(const SessionSetup& setup);

    sim_fixture::RunDirectory& dir() { return dir_; }
    const sim_fixture::RunDirectory& dir() const { return dir_; }
    Program& program() { return *program_; }
    const WindowProbe& ui() const { return *ui_; }
    std::string echo() const { return ui_->text(Control::回显编辑框); }

    // The command lines the simulator received, from the n-th on.
    std::vector<std::string> commands_since(std::size_t n) const;

    // Presses 刷新信息 and waits until the refresh has ended.
    void refresh();
    int row_of(std::string_view index_text) const;
    void select(std::string_view index_text);
    // Presses 精简选项; the panel shown is the caller's to check.
    void open_options();
    // Ticks boxes by clicking them, as a person does.
    void tick(const std::vector<int>& boxes);
    // Presses 开始精简 and waits for the run's last line.
    void start_and_wait();

    // A command line of the tool this session's directory holds.
    std::string adb(std::string_view index, std::string_view device_command) const;

  private:
    sim_fixture::RunDirectory dir_;
    std::unique_ptr<Program> program_;
    std::unique_ptr<WindowProbe> ui_;
    std::string tool_name_;
};

} // namespace korvath::e2e
