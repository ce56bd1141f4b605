// The slimming run: refusals, steps, bounded loops, the launcher, close requests.
#include "workflow/slimming.h"

#include "support/harness.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

namespace korvath {
namespace {

using testing::Harness;
using testing::MessageBoxShown;
using testing::Row;

const std::string kLd = "ldconsole.exe adb  --index  3 --command \"";
const std::string kLs = "lsconsole.exe adb  --index  3 --command \"";
const std::string kRunDir = "C:\\leidian\\LDPlayer9";

std::string remount(const std::string& p = kLd) {
    return p + "remount\"";
}
std::string rm_app(const std::string& name, const std::string& p = kLd) {
    return p + "shell rm -r /system/app/" + name + "\"";
}
std::string rm_priv(const std::string& name, const std::string& p = kLd) {
    return p + "shell rm -r /system/priv-app/" + name + "\"";
}
std::string rm_launcher(const std::string& p = kLd) {
    return p + "shell rm -r /system/app/Launcher3\"";
}
std::string mkdir_launcher(const std::string& p = kLd) {
    return p + "shell mkdir /system/app/Launcher3\"";
}
std::string push(const std::string& dir = kRunDir, const std::string& p = kLd) {
    return p + "push " + dir + "\\Launcher.apk /system/app/Launcher3/\"";
}

const std::string kRule = std::string(36, '=') + "\r\n";
const std::string kHead = "开始精简模拟器 【雷电模拟器】\r\n";
const std::string kRemounted = "挂载读写权限...\r\nremount succeeded\r\n" + kRule;
const std::string kDone = kRule + "精简完成，正在重启模拟器...\r\n";
const std::string kNotAnswering = kRule + "精简未完成：模拟器没有响应\r\n";
const std::string kLauncherHead = kRule + "正在替换无广告桌面\r\n";
const std::string kAbsent = "rm: /system/app/x: No such file or directory\r\n";
const std::string kReadOnly = "rm: /system/app/x: Read-only file system";
const std::string kPushed = "[100%] /system/app/Launcher3/Launcher.apk\r\n"
                            "(2456 bytes in 0.010s)\r\n";
const std::string kTimeOutLine = "\r\n命令超时（30 秒），已终止\r\n";

std::string failed(int n) {
    return "有 " + std::to_string(n) + " 项未完成，详见上方记录\r\n";
}

bool has(const std::string& line, std::string_view part) {
    return line.find(part) != std::string::npos;
}

// A device whose folders are all absent and whose commands succeed; a case
// answers its own lines before these are asked.
void answer_as_device(testing::ScriptedConsole& console) {
    console.on_match([](const std::string& l) { return l.ends_with("remount\""); },
                     "remount succeeded\r\n");
    console.on_match([](const std::string& l) { return has(l, "shell rm -r "); }, kAbsent);
    console.on_match([](const std::string& l) { return has(l, "shell mkdir "); }, "");
    console.on_match([](const std::string& l) { return has(l, "\" push ") || has(l, "\"push "); },
                     kPushed);
}

void add_selected_instance(Harness& h) {
    h.window.add_row({"0", "别的", "运行中", "5.1.1"});
    h.window.add_row({"3", "雷电模拟器", "运行中", "7.1.2"});
    h.window.select_row(1);
}

struct RunCase {
    const char* name;
    friend void PrintTo(const RunCase& c, std::ostream* os) { *os << c.name; }
    std::vector<int> ticks;
    std::function<void(Harness&)> setup;
    std::vector<std::string> commands;
    std::string echo;
    std::string run_directory = kRunDir;
};

std::vector<RunCase> run_cases() {
    const auto none = [](Harness&) {};
    const std::string launcher_done =
        kLauncherHead + kPushed; // rm, mkdir, push with nothing else written
    return {
        {"nothing_ticked", {}, none, {remount()}, kHead + kRemounted + kDone},
        {"present_folder_two_commands_absent_one",
         {6, 13},
         [](Harness& h) {
             h.console.on(rm_app("Gallery2"), std::vector<CommandResult>{{"", false}, {kAbsent}});
         },
         {remount(), rm_app("Gallery2"), rm_app("Gallery2"), rm_priv("BlockedNumberProvider")},
         kHead + kRemounted + "精简应用： Gallery2\r\n精简应用： BlockedNumberProvider\r\n" +
             kDone},
        {"box8_two_steps",
         {8},
         none,
         {remount(), rm_app("LDAppStore"), rm_priv("ldAppStore")},
         kHead + kRemounted + "精简应用： 7LDAppStore\r\n精简应用： 5LDAppStore\r\n" + kDone},
        {"both_panels_in_catalogue_order",
         {61, 40, 34, 2},
         none,
         {remount(), rm_app("BookmarkProvider"), rm_launcher(), mkdir_launcher(), push(),
          rm_app("Gallery"), rm_launcher(), mkdir_launcher(), push()},
         kHead + kRemounted + "精简应用： BookmarkProvider\r\n" + launcher_done +
             "精简应用： Gallery\r\n" + launcher_done + kDone},
        {"lsconsole_skips_android7_launcher_only",
         {1, 34, 61},
         [](Harness& h) { h.shell.add_file(kRunDir + "\\lsconsole.exe"); },
         {remount(kLs), rm_app("BasicSmsReceiver", kLs), rm_launcher(kLs), mkdir_launcher(kLs),
          push(kRunDir, kLs)},
         kHead + kRemounted + "精简应用： BasicSmsReceiver\r\n" + launcher_done + kDone},
        {"launcher_present_removed_then_confirmed",
         {34},
         [](Harness& h) {
             h.console.on(rm_launcher(), std::vector<CommandResult>{{"", false}, {kAbsent}});
         },
         {remount(), rm_launcher(), rm_launcher(), mkdir_launcher(), push()},
         kHead + kRemounted + launcher_done + kDone},
        {"push_reported_as_pushed_in_capitals",
         {34},
         [](Harness& h) { h.console.on(push(), "1 FILE PUSHED, 0 skipped.\r\n"); },
         {remount(), rm_launcher(), mkdir_launcher(), push()},
         kHead + kRemounted + kLauncherHead + "1 FILE PUSHED, 0 skipped.\r\n" + kDone},
        {"removal_gives_up_after_five_and_run_goes_on",
         {6, 7},
         [](Harness& h) { h.console.on(rm_app("Gallery2"), kReadOnly); },
         {remount(), rm_app("Gallery2"), rm_app("Gallery2"), rm_app("Gallery2"), rm_app("Gallery2"),
          rm_app("Gallery2"), rm_app("KeyChain")},
         kHead + kRemounted + "精简失败： Gallery2\r\n" + kReadOnly +
             "\r\n精简应用： KeyChain\r\n" + failed(1) + kDone},
        {"box8_failure_lines_keep_their_digits",
         {8},
         [](Harness& h) {
             h.console.on(rm_app("LDAppStore"), kReadOnly + "\r\n");
             h.console.on(rm_priv("ldAppStore"), "");
         },
         {remount(), rm_app("LDAppStore"), rm_app("LDAppStore"), rm_app("LDAppStore"),
          rm_app("LDAppStore"), rm_app("LDAppStore"), rm_priv("ldAppStore"), rm_priv("ldAppStore"),
          rm_priv("ldAppStore"), rm_priv("ldAppStore"), rm_priv("ldAppStore")},
         kHead + kRemounted + "精简失败： 7LDAppStore\r\n" + kReadOnly +
             "\r\n精简失败： 5LDAppStore\r\n" + failed(2) + kDone},
        {"launcher_removal_gives_up_without_mkdir_or_push",
         {34, 35},
         [](Harness& h) { h.console.on(rm_launcher(), kReadOnly + "\r\n"); },
         {remount(), rm_launcher(), rm_launcher(), rm_launcher(), rm_launcher(), rm_launcher(),
          rm_app("AndroidTerm")},
         kHead + kRemounted + kLauncherHead + "替换桌面失败：无法删除 /system/app/Launcher3\r\n" +
             kReadOnly + "\r\n精简应用： AndroidTerm\r\n" + failed(1) + kDone},
        {"remount_timed_out_runs_no_step",
         {6},
         [](Harness& h) { h.console.on(remount(), {testing::timed_out()}); },
         {remount()},
         kHead + "挂载读写权限...\r\n" + kTimeOutLine + kRule + kNotAnswering},
        {"removal_timed_out_ends_the_run",
         {6, 7},
         [](Harness& h) { h.console.on(rm_app("Gallery2"), {testing::timed_out("rm: ")}); },
         {remount(), rm_app("Gallery2")},
         kHead + kRemounted + "精简失败： Gallery2\r\nrm: " + kTimeOutLine + failed(1) +
             kNotAnswering},
        {"launcher_removal_timed_out_ends_the_run",
         {34, 35},
         [](Harness& h) { h.console.on(rm_launcher(), {testing::timed_out()}); },
         {remount(), rm_launcher()},
         kHead + kRemounted + kLauncherHead + "替换桌面失败：无法删除 /system/app/Launcher3\r\n" +
             kTimeOutLine + failed(1) + kNotAnswering},
        {"push_timed_out_ends_the_run",
         {34, 35},
         [](Harness& h) { h.console.on(push(), {testing::timed_out("[ 10%]")}); },
         {remount(), rm_launcher(), mkdir_launcher(), push()},
         kHead + kRemounted + kLauncherHead + "[ 10%]" + kTimeOutLine +
             "替换桌面失败：Launcher.apk 推送未成功\r\n" + failed(1) + kNotAnswering},
        {"failed_push_said_after_its_output",
         {34},
         [](Harness& h) {
             h.console.on(push(),
                          "adb: error: cannot stat 'Launcher.apk': No such file or directory");
         },
         {remount(), rm_launcher(), mkdir_launcher(), push()},
         kHead + kRemounted + kLauncherHead +
             "adb: error: cannot stat 'Launcher.apk': No such file or directory\r\n"
             "替换桌面失败：Launcher.apk 推送未成功\r\n" +
             failed(1) + kDone},
        {"failed_copy_with_a_summary_line_is_a_failure",
         {34},
         [](Harness& h) {
             h.console.on(push(),
                          "adb: error: failed to copy 'Launcher.apk': Read-only file "
                          "system\r\nLauncher.apk: 0 files pushed. (0 bytes in 0.001s)\r\n");
         },
         {remount(), rm_launcher(), mkdir_launcher(), push()},
         kHead + kRemounted + kLauncherHead +
             "adb: error: failed to copy 'Launcher.apk': Read-only file system\r\nLauncher.apk: 0 "
             "files pushed. (0 bytes in 0.001s)\r\n替换桌面失败：Launcher.apk 推送未成功\r\n" +
             failed(1) + kDone},
        {"error_in_the_run_directory_name_is_no_failure",
         {34},
         [](Harness& h) {
             h.console.on(
                 push("C:\\errors\\failed"),
                 "C:\\errors\\failed\\Launcher.apk: 1 file pushed. (10 bytes in 0.010s)\r\n");
         },
         {remount(), rm_launcher(), mkdir_launcher(), push("C:\\errors\\failed")},
         kHead + kRemounted + kLauncherHead +
             "C:\\errors\\failed\\Launcher.apk: 1 file pushed. (10 bytes in 0.010s)\r\n" + kDone,
         "C:\\errors\\failed"},
        {"launcher_file_differs_and_cannot_be_written",
         {34, 35},
         [](Harness& h) {
             h.shell.add_file(kRunDir + "\\Launcher.apk", {'o', 'l', 'd'});
             h.shell.fail_writes = true;
         },
         {remount(), rm_app("AndroidTerm")},
         kHead + kRemounted + kLauncherHead +
             "替换桌面失败：无法写入 Launcher.apk，原桌面未改动\r\n精简应用： AndroidTerm\r\n" +
             failed(1) + kDone},
        {"blank_in_run_directory_pushes_short_form",
         {34},
         [](Harness& h) {
             h.shell.short_paths["C:\\Program Files\\leidian"] = "C:\\PROGRA~1\\leidian";
         },
         {remount(), rm_launcher(), mkdir_launcher(), push("C:\\PROGRA~1\\leidian")},
         kHead + kRemounted + launcher_done + kDone,
         "C:\\Program Files\\leidian"},
        {"blank_in_run_directory_without_short_form",
         {34, 35},
         none,
         {remount(), rm_app("AndroidTerm")},
         kHead + kRemounted + kLauncherHead +
             "替换桌面失败：程序所在路径含有空格，原桌面未改动\r\n精简应用： AndroidTerm\r\n" +
             failed(1) + kDone,
         "C:\\Program Files\\leidian"},
    };
}

class Slimming : public ::testing::TestWithParam<RunCase> {};

TEST_P(Slimming, RunsTheTickedStepsInOrder) {
    const auto& c = GetParam();
    Harness h(c.run_directory);
    add_selected_instance(h);
    for (int box : c.ticks) {
        h.window.tick({box});
    }
    c.setup(h);
    answer_as_device(h.console);

    run_slimming(h.ctx);

    EXPECT_EQ(h.console.commands(), c.commands);
    EXPECT_EQ(h.window.echo(), c.echo);
    EXPECT_TRUE(h.shell.message_boxes.empty());
    EXPECT_TRUE(h.window.none_locked());
    std::vector<int> ticks = c.ticks;
    std::ranges::sort(ticks);
    EXPECT_EQ(h.window.ticked_boxes(), ticks); // the run never changes a tick
}

INSTANTIATE_TEST_SUITE_P(Cases, Slimming, ::testing::ValuesIn(run_cases()),
                         [](const auto& info) { return info.param.name; });

struct RefusalCase {
    const char* name;
    friend void PrintTo(const RefusalCase& c, std::ostream* os) { *os << c.name; }
    Row row;
    int selection;
    std::string text;
};

class SlimmingRefused : public ::testing::TestWithParam<RefusalCase> {};

TEST_P(SlimmingRefused, ShowsTheWarningAndChangesNothing) {
    const auto& c = GetParam();
    Harness h;
    h.window.add_row(c.row);
    h.window.select_row(c.selection);
    h.window.tick({6, 34});
    h.window.set_echo("旧的内容\r\n");
    h.window.clear_log();

    run_slimming(h.ctx);

    EXPECT_EQ(h.shell.message_boxes, (std::vector<MessageBoxShown>{{c.text, 48, "警告："}}));
    EXPECT_TRUE(h.console.commands().empty());
    EXPECT_EQ(h.window.echo(), "旧的内容\r\n");
    EXPECT_TRUE(h.window.log().empty());
    EXPECT_EQ(h.window.ticked_boxes(), (std::vector<int>{6, 34}));
}

const std::string kNotRunning = "要精简的模拟器未完全运行，请刷新信息！";
const std::string kBadIndex = "模拟器索引无效，请刷新信息！";

INSTANTIATE_TEST_SUITE_P(
    Cases, SlimmingRefused,
    ::testing::Values(
        RefusalCase{"no_selection", {"3", "a", "运行中", "7.1.2"}, -1, "请先选择要精简的模拟器！"},
        RefusalCase{"starting", {"3", "a", "启动中", ""}, 0, kNotRunning},
        RefusalCase{"not_started", {"3", "a", "未启动", ""}, 0, kNotRunning},
        RefusalCase{"running_with_trailing_blank", {"3", "a", "运行中 ", "7.1.2"}, 0, kNotRunning},
        RefusalCase{"empty_state", {"3", "a", "", ""}, 0, kNotRunning},
        RefusalCase{"empty_index", {"", "a", "运行中", "7.1.2"}, 0, kBadIndex},
        RefusalCase{"index_with_command", {"3 & calc", "a", "运行中", "7.1.2"}, 0, kBadIndex},
        RefusalCase{"index_with_quote", {"3\"", "a", "运行中", "7.1.2"}, 0, kBadIndex},
        RefusalCase{"full_width_digit", {"３", "a", "运行中", "7.1.2"}, 0, kBadIndex}),
    [](const auto& info) { return info.param.name; });

TEST(SlimmingLock, HeaderThenLockedCommandsThenUnlockThenEndBlock) {
    Harness h;
    add_selected_instance(h);
    h.window.tick({6, 34});
    answer_as_device(h.console);
    h.console.during_every_command(
        [&](const std::string& command) { EXPECT_TRUE(h.window.all_locked()) << command; });

    run_slimming(h.ctx);

    std::vector<std::string> log = h.window.log();
    std::erase_if(log, [](const std::string& e) {
        return e.find("echo") == std::string::npos && e.find("able ") == std::string::npos;
    });
    std::vector<std::string> expected = {"set echo " + kHead};
    for (Control control : lockable_controls()) {
        expected.push_back("disable " + testing::control_name(control));
    }
    expected.push_back("append echo " + kRemounted);
    expected.push_back("append echo 精简应用： Gallery2\r\n");
    expected.push_back("append echo " + kLauncherHead);
    expected.push_back("append echo " + kPushed);
    for (Control control : lockable_controls()) {
        expected.push_back("enable " + testing::control_name(control));
    }
    expected.push_back("append echo " + kDone);
    EXPECT_EQ(log, expected);
}

TEST(SlimmingLauncherFile, MissingOrDifferentPackageIsWrittenAgainBeforeTheOldOneGoes) {
    for (bool missing : {true, false}) {
        Harness h;
        const std::string apk = kRunDir + "\\Launcher.apk";
        if (missing) {
            h.shell.files.erase(apk);
        } else {
            h.shell.add_file(apk, {'P', 'K', 3, 4, 'o', 'l', 'd'});
        }
        add_selected_instance(h);
        h.window.tick({34});
        answer_as_device(h.console);
        bool written_before_removal = false;
        h.console.during_every_command([&](const std::string& command) {
            if (command == rm_launcher()) {
                written_before_removal = h.shell.files.at(apk) == h.shell.launcher;
            }
        });

        run_slimming(h.ctx);

        EXPECT_EQ(h.shell.writes, std::vector<std::string>{apk}) << missing;
        EXPECT_TRUE(written_before_removal) << missing;
        EXPECT_EQ(h.window.echo(), kHead + kRemounted + kLauncherHead + kPushed + kDone);
    }
}

TEST(SlimmingLauncherFile, MatchingPackageIsNotRewritten) {
    Harness h;
    add_selected_instance(h);
    h.window.tick({34});
    answer_as_device(h.console);
    run_slimming(h.ctx);
    EXPECT_TRUE(h.shell.writes.empty());
}

struct CloseCase {
    const char* name;
    friend void PrintTo(const CloseCase& c, std::ostream* os) { *os << c.name; }
    std::vector<int> ticks;
    std::function<void(Harness&)> setup;
    int close_during;
    std::vector<std::string> commands;
    std::string echo;
};

class SlimmingClose : public ::testing::TestWithParam<CloseCase> {};

TEST_P(SlimmingClose, StopsAtTheNextSafePoint) {
    const auto& c = GetParam();
    Harness h;
    add_selected_instance(h);
    for (int box : c.ticks) {
        h.window.tick({box});
    }
    c.setup(h);
    answer_as_device(h.console);
    h.console.during_command(c.close_during, [&] { h.window.request_close(); });

    run_slimming(h.ctx);

    EXPECT_EQ(h.console.commands(), c.commands);
    EXPECT_EQ(h.window.echo(), c.echo);
    EXPECT_TRUE(h.window.none_locked());
}

void gallery_present(Harness& h) {
    h.console.on(rm_app("Gallery2"), std::vector<CommandResult>{{"", false}, {kAbsent}});
}
void launcher_present(Harness& h) {
    h.console.on(rm_launcher(), std::vector<CommandResult>{{"", false}, {kAbsent}});
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SlimmingClose,
    ::testing::Values(
        CloseCase{"during_remount", {6}, [](Harness&) {}, 1, {remount()}, kHead + kRemounted},
        CloseCase{"during_removal_before_confirmation",
                  {6, 7},
                  gallery_present,
                  2,
                  {remount(), rm_app("Gallery2")},
                  kHead + kRemounted},
        CloseCase{"during_removal_that_confirms",
                  {6, 7},
                  gallery_present,
                  3,
                  {remount(), rm_app("Gallery2"), rm_app("Gallery2")},
                  kHead + kRemounted + "精简应用： Gallery2\r\n"},
        CloseCase{"during_launcher_removal_push_still_follows",
                  {34, 35},
                  launcher_present,
                  2,
                  {remount(), rm_launcher(), rm_launcher(), mkdir_launcher(), push()},
                  kHead + kRemounted + kLauncherHead + kPushed},
        CloseCase{"during_mkdir_push_still_follows",
                  {34, 35},
                  [](Harness&) {},
                  3,
                  {remount(), rm_launcher(), mkdir_launcher(), push()},
                  kHead + kRemounted + kLauncherHead + kPushed}),
    [](const auto& info) { return info.param.name; });

} // namespace
} // namespace korvath
