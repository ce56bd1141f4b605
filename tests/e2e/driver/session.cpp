// Steps of a user's session, each waited for on what the window shows.
#include "driver/session.h"

#include "driver/files.h"

#include <stdexcept>

namespace korvath::e2e {
namespace {

void require(bool condition, const std::string& what) {
    if (!condition) {
        throw std::runtime_error(what);
    }
}

} // namespace

Session::Session(const SessionSetup& setup)
    : dir_(setup.tool_name, setup.leaf), tool_name_(setup.tool_name) {
    require(dir_.ok(), "run directory: " + dir_.error());
    sim_fixture::Outcome made =
        setup.description.empty() ? dir_.setup_demo() : dir_.setup(setup.description);
    require(made.finished && made.exit_code == 0, "sim-setup: " + made.text());
    require(copy_built_program(std::string(setup.program), dir_.path(), "korvath.exe"),
            "cannot copy the program");
    program_ = std::make_unique<Program>(dir_.path() + "\\korvath.exe");
    ui_ = std::make_unique<WindowProbe>(program_->start_to_main_window());
}

std::vector<std::string> Session::commands_since(std::size_t n) const {
    std::vector<std::string> log = dir_.command_log();
    return n >= log.size()
               ? std::vector<std::string>{}
               : std::vector<std::string>(log.begin() + static_cast<long>(n), log.end());
}

void Session::refresh() {
    const std::size_t before = dir_.command_log().size();
    ui_->click(Control::刷新按钮);
    // The refresh locks the controls before its listing command is sent.
    require(wait_until([&] { return dir_.command_log().size() > before; }, 30000),
            "the refresh sent no listing command");
    require(wait_until([&] { return ui_->all_lockable_enabled(true); }, 120000),
            "the refresh did not end");
}

int Session::row_of(std::string_view index_text) const {
    for (int row = 0; row < ui_->row_count(); ++row) {
        if (ui_->cell(row, 0) == index_text) {
            return row;
        }
    }
    return -1;
}

void Session::select(std::string_view index_text) {
    const int row = row_of(index_text);
    require(row >= 0, "no row for index " + std::string(index_text));
    ui_->click_row(row);
    require(wait_until([&] { return ui_->selected_row() == row; }, 5000),
            "the row was not selected");
}

void Session::open_options() {
    const std::string before = echo();
    ui_->click(Control::精简选项按钮);
    // Either the header lands in the echo box or a warning box opens.
    require(
        wait_until([&] { return echo() != before || program_->message_box() != nullptr; }, 5000),
        "the options button did nothing visible");
    ui_->settle(); // the panels change after the header is written
}

void Session::tick(const std::vector<int>& boxes) {
    for (int box : boxes) {
        ui_->click_box(box);
        require(wait_until([&] { return ui_->ticked(box); }, 5000),
                "box " + std::to_string(box) + " did not take the tick");
    }
}

void Session::start_and_wait() {
    const std::size_t before = dir_.command_log().size();
    ui_->click(Control::开始精简按钮);
    // The echo box still ends with the last run's line until this run has
    // written its header, which comes before its first command.
    require(wait_until([&] { return dir_.command_log().size() > before; }, 30000),
            "the run sent no command");
    require(wait_until(
                [&] {
                    std::string text = echo();
                    return text.ends_with(kCompletionLine) || text.ends_with(kNotAnsweringLine);
                },
                300000),
            "the run did not end");
}

std::string Session::adb(std::string_view index, std::string_view device_command) const {
    return tool_name_ + " adb  --index  " + std::string(index) + " --command \"" +
           std::string(device_command) + "\"";
}

} // namespace korvath::e2e
