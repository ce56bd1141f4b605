// The home-screen replacement: old launcher out, the embedded one in.
#include "workflow/slimming_steps.h"

#include "exec/console_commands.h"
#include "text/text_ops.h"

#include <algorithm>

namespace korvath {
namespace {

constexpr std::string_view kLauncherHeader = "正在替换无广告桌面\r\n";
constexpr std::string_view kRemoveLauncher = "shell rm -r /system/app/Launcher3\"";
constexpr std::string_view kMakeLauncherDir = "shell mkdir /system/app/Launcher3\"";
constexpr std::string_view kCannotWrite = "替换桌面失败：无法写入 Launcher.apk，原桌面未改动\r\n";
constexpr std::string_view kBlankInPath = "替换桌面失败：程序所在路径含有空格，原桌面未改动\r\n";
constexpr std::string_view kCannotRemove = "替换桌面失败：无法删除 /system/app/Launcher3\r\n";
constexpr std::string_view kCannotMakeDir = "替换桌面失败：无法创建 /system/app/Launcher3\r\n";
constexpr std::string_view kPushFailed = "替换桌面失败：Launcher.apk 推送未成功\r\n";

bool holds_launcher(const ShellServices& shell, const std::string& path) {
    const auto bytes = shell.read_file(path);
    const ByteView expected = shell.launcher_package();
    return bytes && std::ranges::equal(*bytes, expected);
}

// The local package must be exactly ours before the old launcher goes.
bool launcher_file_ready(ShellServices& shell, const std::string& path) {
    if (holds_launcher(shell, path)) {
        return true;
    }
    return shell.write_file(path, shell.launcher_package()) && holds_launcher(shell, path);
}

bool has_blank(std::string_view path) {
    return path.find(' ') != std::string_view::npos;
}

// The bridge splits the push path at a blank: take the short form, or none.
std::string push_directory(const ShellServices& shell, const std::string& run_directory) {
    if (!has_blank(run_directory)) {
        return run_directory;
    }
    std::string short_form = shell.short_path(run_directory);
    return has_blank(short_form) ? std::string() : short_form;
}

// Newer bridges print their summary line even after a failed copy, so a
// word of failure counts more than the summary; the local path, which may
// hold any word, is left out of the reading.
bool push_succeeded(std::string_view output, std::string_view local_file) {
    const std::string answer = replace_all(output, local_file, "");
    const bool reported =
        locate_text(answer, "bytes in") != -1 || locate_text(answer, "pushed") != -1;
    const bool refused = locate_text(answer, "error") != -1 ||
                         locate_text(answer, "failed") != -1 ||
                         locate_text(answer, " 0 files pushed") != -1;
    return reported && !refused;
}

} // namespace

StepOutcome replace_launcher(SlimmingRun& run, int box) {
    ControlOps& ui = run.ctx.ui;
    ConsoleRunner& console = run.ctx.console;
    if (ui.is_option_ticked(box) != 1) {
        return StepOutcome::skipped;
    }
    ui.append_echo(join_texts({kRuleLine, kLauncherHeader}));

    if (!launcher_file_ready(run.ctx.shell, join_texts({run.run_directory, "\\Launcher.apk"}))) {
        ui.append_echo(std::string(kCannotWrite));
        return StepOutcome::failed;
    }
    const std::string push_from = push_directory(run.ctx.shell, run.run_directory);
    if (push_from.empty()) {
        ui.append_echo(std::string(kBlankInPath));
        return StepOutcome::failed;
    }

    // From the first removal on, a close request waits until the push is done:
    // the first command may already have removed the old launcher.
    CommandResult removal;
    bool absent = false;
    for (int attempt = 0; attempt < kMaxRemovalCommands && !absent; ++attempt) {
        removal = console.run_console_command(join_texts({run.adb_prefix, kRemoveLauncher}));
        if (removal.timed_out) {
            break;
        }
        absent = reports_absent(removal.output);
    }
    if (!absent) {
        ui.append_echo(join_texts({kCannotRemove, as_block(removal.output)}));
        return removal.timed_out ? StepOutcome::not_answering : StepOutcome::failed;
    }

    const CommandResult made =
        console.run_console_command(join_texts({run.adb_prefix, kMakeLauncherDir}));
    if (made.timed_out) {
        ui.append_echo(join_texts({kCannotMakeDir, made.output}));
        return StepOutcome::not_answering;
    }

    const std::string local_file = join_texts({push_from, "\\Launcher.apk"});
    const CommandResult pushed = console.run_console_command(
        join_texts({run.adb_prefix, "push ", local_file, " /system/app/Launcher3/\""}));
    ui.append_echo(pushed.output);
    if (pushed.timed_out || !push_succeeded(pushed.output, local_file)) {
        ui.append_echo(join_texts(
            {pushed.output.empty() || pushed.output.ends_with("\r\n") ? "" : "\r\n", kPushFailed}));
        return pushed.timed_out ? StepOutcome::not_answering : StepOutcome::failed;
    }
    return StepOutcome::done;
}

} // namespace korvath
