// The demo: one whole slimming run of the real program against the demo
// instances, with a screenshot of the window at each stage.
// Usage: korvath_demo.exe <folder for the screenshots, as a Unix path>
#include "driver/files.h"
#include "driver/program.h"
#include "driver/window_probe.h"
#include "sim_fixture.h"
#include "text/encoding_win32.h"

#include <windows.h>

#include <cstdio>
#include <stdexcept>
#include <string>

namespace korvath::e2e {
namespace {

// Wine starts a Unix program with "start /unix"; ImageMagick grabs the window.
void screenshot(HWND window, const std::string& folder, const std::string& name) {
    RECT area;
    GetWindowRect(window, &area);
    std::string crop = std::to_string(area.right - area.left) + "x" +
                       std::to_string(area.bottom - area.top) + "+" + std::to_string(area.left) +
                       "+" + std::to_string(area.top);
    std::string file = folder + "/" + name;
    std::string line = "start.exe /wait /unix /usr/bin/import -window root -crop " + crop +
                       " +repage \"" + file + "\"";
    sim_fixture::run_process(".", line, 60000);
    std::printf("  %s\n", file.c_str());
}

int row_with_version(const WindowProbe& ui, const std::string& version) {
    for (int row = 0; row < ui.row_count(); ++row) {
        if (ui.cell(row, 3).find(version) != std::string::npos) {
            return row;
        }
    }
    return -1;
}

void require(bool condition, const char* what) {
    if (!condition) {
        throw std::runtime_error(what);
    }
}

void run_demo(const std::string& folder) {
    sim_fixture::RunDirectory dir("ldconsole.exe", "demo");
    require(dir.ok(), "cannot lay out the demo directory");
    require(dir.setup_demo().exit_code == 0, "the simulator refused the demo state");
    require(copy_built_program("korvath.exe", dir.path(), "korvath.exe"),
            "cannot copy korvath.exe");
    std::printf("run directory: %s\nscreenshots:\n", dir.path().c_str());

    Program program(dir.path() + "\\korvath.exe");
    HWND tips = program.wait_for_message_box(30000);
    require(tips != nullptr, "no tips box");
    screenshot(tips, folder, "0-tips.png");
    program.press_ok(tips);
    HWND window = program.wait_for_main_window(10000);
    require(window && wait_until([&] { return IsWindowVisible(window) != FALSE; }, 10000),
            "no main window");
    WindowProbe ui(window);
    screenshot(window, folder, "1-start.png");

    ui.click(Control::刷新按钮);
    require(wait_until(
                [&] {
                    return row_with_version(ui, "7.1.2") >= 0 &&
                           row_with_version(ui, "5.1.1") >= 0 && ui.all_lockable_enabled(true);
                },
                60000),
            "the refresh did not list the demo instances");
    screenshot(window, folder, "2-list.png");

    ui.click_row(row_with_version(ui, "7.1.2"));
    require(wait_until([&] { return ui.selected_row() >= 0; }, 5000), "no row selected");
    ui.click(Control::精简选项按钮);
    require(wait_until([&] { return ui.visible(Control::分组框7); }, 5000),
            "the Android 7 panel did not show");
    ui.click(Control::全部选择按钮7);
    require(wait_until([&] { return ui.all_ticked(1, 34, true); }, 5000), "select all failed");
    screenshot(window, folder, "3-options.png");

    // Hovering a box shows what removing it breaks.
    RECT shell_box;
    GetWindowRect(ui.box(28), &shell_box);
    SetCursorPos(shell_box.left + 30, (shell_box.top + shell_box.bottom) / 2);
    Sleep(1500);
    screenshot(window, folder, "3b-tooltip.png");
    SetCursorPos(0, 0);

    ui.click(Control::开始精简按钮);
    require(
        wait_until(
            [&] {
                return ui.text(Control::回显编辑框).ends_with("精简完成，正在重启模拟器...\r\n");
            },
            300000),
        "the run did not complete");
    screenshot(window, folder, "4-after-run.png");
    // Raw UTF-8: the terminal running Wine reads UTF-8.
    std::printf("echo box:\n%s\n", ui.text(Control::回显编辑框).c_str());
    ui.close();
    program.wait_for_exit(10000);
}

} // namespace
} // namespace korvath::e2e

int wmain(int argc, wchar_t** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: korvath_demo <screenshot folder>\n");
        return 2;
    }
    try {
        korvath::e2e::run_demo(korvath::to_utf8(argv[1]));
    } catch (const std::exception& failure) {
        std::fprintf(stderr, "demo failed: %s\n", failure.what());
        return 1;
    }
    return 0;
}
