// Whole slimming runs in the real program, checked as a user and the device
// would see them: the echo box, the commands received, the instance's tree.
#include "driver/files.h"
#include "driver/session.h"
#include "text/encoding_win32.h"

#include <gtest/gtest.h>

#include <windows.h>

namespace korvath::e2e {
namespace {

using Lines = std::vector<std::string>;

std::string launcher_bytes() {
    std::vector<unsigned char> bytes =
        read_whole_file(built_program("resources\\launcher\\Launcher.apk"));
    return std::string(bytes.begin(), bytes.end());
}

std::string removed(std::string_view log_prefix, std::string_view caption) {
    return std::string(log_prefix) + std::string(caption) + "\r\n";
}

// The echo text must be `head`, then one successful push line for `local`,
// then `tail`.
void expect_echo_with_push(const std::string& echo, const std::string& head,
                           const std::string& local, const std::string& tail) {
    ASSERT_EQ(echo.substr(0, head.size()), head) << echo;
    ASSERT_TRUE(echo.ends_with(tail)) << echo;
    std::string push = echo.substr(head.size(), echo.size() - head.size() - tail.size());
    EXPECT_EQ(push.rfind(local + ": 1 file pushed. ", 0), 0u) << push;
    EXPECT_TRUE(
        push.ends_with(" (" + std::to_string(launcher_bytes().size()) + " bytes in 0.010s)\r\n"))
        << push;
}

const std::string kHeader7 =
    "开始精简模拟器 【雷电模拟器】\r\n挂载读写权限...\r\nremount succeeded\r\n" +
    std::string(kRule);
const std::string kLauncherHeader = std::string(kRule) + "正在替换无广告桌面\r\n";
const std::string kEnd = std::string(kRule) + std::string(kCompletionLine);

TEST(Slimming, Android7RunRemovesTheTickedFoldersAndReplacesTheLauncherTwice) {
    Session s({});
    s.refresh();
    s.select("2");
    s.open_options();
    s.tick({6, 8, 33, 34});
    const std::size_t before = s.dir().command_log().size();
    s.start_and_wait();

    const std::string local = s.dir().path() + "\\Launcher.apk";
    const std::string push = s.adb("2", "push " + local + " /system/app/Launcher3/");
    const std::string rm_gallery = s.adb("2", "shell rm -r /system/app/Gallery2");
    const std::string rm_store7 = s.adb("2", "shell rm -r /system/app/LDAppStore");
    const std::string rm_store5 = s.adb("2", "shell rm -r /system/priv-app/ldAppStore");
    const std::string rm_vpn = s.adb("2", "shell rm -r /system/priv-app/VpnDialogs");
    const std::string rm_launcher = s.adb("2", "shell rm -r /system/app/Launcher3");
    const std::string mkdir = s.adb("2", "shell mkdir /system/app/Launcher3");
    const std::string remount = s.adb("2", "remount");
    EXPECT_EQ(s.commands_since(before),
              (Lines{remount, rm_gallery, rm_gallery, rm_store7, rm_store7, rm_store5, rm_store5,
                     rm_vpn, rm_vpn, rm_launcher, rm_launcher, mkdir, push}));
    const std::string lines =
        removed("精简应用： ", "Gallery2") + removed("精简应用： 7", "LDAppStore") +
        removed("精简应用： 5", "LDAppStore") + removed("精简应用： ", "VpnDialogs");
    expect_echo_with_push(s.echo(), kHeader7 + lines + kLauncherHeader, local, kEnd);

    for (const char* gone :
         {"/system/app/Gallery2", "/system/app/LDAppStore", "/system/priv-app/ldAppStore",
          "/system/priv-app/VpnDialogs", "/system/app/Launcher3/Launcher3.apk"}) {
        EXPECT_FALSE(s.dir().device_path_exists("2", gone)) << gone;
    }
    EXPECT_TRUE(s.dir().device_path_exists("2", "/system/app/KeyChain"));
    EXPECT_TRUE(s.dir().device_path_exists("2", "/system/priv-app/Shell"));
    EXPECT_EQ(s.dir().device_file("2", "/system/app/Launcher3/Launcher.apk"), launcher_bytes());
    EXPECT_TRUE(s.ui().all_lockable_enabled(true));
    EXPECT_TRUE(s.ui().all_ticked(6, 6, true));

    // The same ticks again: one command per folder already gone, and the
    // launcher folder, which now holds ours, replaced again.
    const std::size_t second = s.dir().command_log().size();
    s.start_and_wait();
    EXPECT_EQ(s.commands_since(second), (Lines{remount, rm_gallery, rm_store7, rm_store5, rm_vpn,
                                               rm_launcher, rm_launcher, mkdir, push}));
    expect_echo_with_push(s.echo(), kHeader7 + lines + kLauncherHeader, local, kEnd);
    EXPECT_EQ(s.dir().device_file("2", "/system/app/Launcher3/Launcher.apk"), launcher_bytes());
}

// The folder names left in one of the instance's system folders.
std::vector<std::string> left_in(const Session& s, int position, const char* folder) {
    std::wstring pattern = to_wide(s.dir().path() + "\\sim-state\\trees\\" +
                                   std::to_string(position) + "\\system\\" + folder + "\\*");
    std::vector<std::string> names;
    WIN32_FIND_DATAW entry;
    HANDLE find = FindFirstFileW(pattern.c_str(), &entry);
    if (find == INVALID_HANDLE_VALUE) {
        return names;
    }
    do {
        std::string name = to_utf8(entry.cFileName);
        if (name != "." && name != "..") {
            names.push_back(name);
        }
    } while (FindNextFileW(find, &entry));
    FindClose(find);
    return names;
}

TEST(Slimming, SelectAllOnAndroid7EmptiesEveryOfferedFolder) {
    Session s({.description = "2|雷电模拟器|running|7.1.2|tree=android7\n"});
    s.refresh();
    s.select("2");
    s.open_options();
    s.ui().click(Control::全部选择按钮7);
    ASSERT_TRUE(wait_until([&] { return s.ui().all_ticked(1, 34, true); }, 5000));
    const std::size_t before = s.dir().command_log().size();
    s.start_and_wait();

    // 34 removal steps of two commands each, then rm, rm, mkdir and push.
    const std::vector<std::string> sent = s.commands_since(before);
    EXPECT_EQ(sent.size(), 1u + 34u * 2u + 4u);
    const std::string echo = s.echo();
    EXPECT_NE(echo.find(removed("精简应用： ", "BasicSmsReceiver")), std::string::npos);
    EXPECT_NE(echo.find(removed("精简应用： ", "VpnDialogs") + kLauncherHeader), std::string::npos);
    EXPECT_TRUE(echo.ends_with(" bytes in 0.010s)\r\n" + kEnd)) << echo;
    EXPECT_EQ(echo.find("精简失败"), std::string::npos) << echo;
    EXPECT_EQ(left_in(s, 1, "app"), Lines{"Launcher3"});
    EXPECT_EQ(left_in(s, 1, "priv-app"), Lines{});
    EXPECT_EQ(s.dir().device_file("2", "/system/app/Launcher3/Launcher.apk"), launcher_bytes());
}

TEST(Slimming, Android5RunWithTheLauncher) {
    Session s({});
    s.refresh();
    s.select("0");
    s.open_options();
    s.tick({40, 51, 61});
    s.start_and_wait();
    const std::string local = s.dir().path() + "\\Launcher.apk";
    expect_echo_with_push(s.echo(),
                          "开始精简模拟器 【雷电模拟器-安卓5】\r\n挂载读写权限...\r\nremount "
                          "succeeded\r\n" +
                              std::string(kRule) + removed("精简应用： ", "Gallery") +
                              removed("精简应用： ", "ldAppStore") + kLauncherHeader,
                          local, kEnd);
    EXPECT_FALSE(s.dir().device_path_exists("0", "/system/app/Gallery"));
    EXPECT_FALSE(s.dir().device_path_exists("0", "/system/priv-app/ldAppStore"));
    EXPECT_TRUE(s.dir().device_path_exists("0", "/system/app/PicoTts"));
    EXPECT_EQ(s.dir().device_file("0", "/system/app/Launcher3/Launcher.apk"), launcher_bytes());
}

TEST(Slimming, BesideLsconsoleTheAndroid7LauncherStepIsSkipped) {
    Session s({.description = {}, .tool_name = "lsconsole.exe"});
    s.refresh();
    EXPECT_EQ(s.dir().command_log().front(), "lsconsole.exe list2");
    s.select("2");
    s.open_options();
    s.tick({6, 34});
    const std::size_t before = s.dir().command_log().size();
    s.start_and_wait();
    const std::string rm_gallery = s.adb("2", "shell rm -r /system/app/Gallery2");
    EXPECT_EQ(s.commands_since(before), (Lines{s.adb("2", "remount"), rm_gallery, rm_gallery}));
    EXPECT_EQ(s.echo(), kHeader7 + removed("精简应用： ", "Gallery2") + kEnd);
    EXPECT_TRUE(s.dir().device_path_exists("2", "/system/app/Launcher3/Launcher3.apk"));
}

TEST(Slimming, RefusedRemountFailsEveryStepAndKeepsTheOldLauncher) {
    Session s({.description = "2|雷电模拟器|running|7.1.2|tree=android7|remount=refused\n"});
    s.refresh();
    s.select("2");
    s.open_options();
    s.tick({6, 34});
    s.start_and_wait();
    EXPECT_EQ(s.echo(), "开始精简模拟器 【雷电模拟器】\r\n挂载读写权限...\r\nremount failed\r\n" +
                            std::string(kRule) + "精简失败： Gallery2\r\n" +
                            "rm: /system/app/Gallery2: Read-only file system\r\n" +
                            kLauncherHeader + "替换桌面失败：无法删除 /system/app/Launcher3\r\n" +
                            "rm: /system/app/Launcher3: Read-only file system\r\n" +
                            "有 2 项未完成，详见上方记录\r\n" + kEnd);
    EXPECT_TRUE(s.dir().device_path_exists("2", "/system/app/Gallery2"));
    EXPECT_TRUE(s.dir().device_path_exists("2", "/system/app/Launcher3/Launcher3.apk"));
    EXPECT_TRUE(s.ui().all_lockable_enabled(true));
}

TEST(Slimming, AHangingCommandEndsTheRunAsNotAnswering) {
    Session s({.description = "2|雷电模拟器|running|7.1.2|tree=android7|hang=forever:Gallery2\n",
               .program = "korvath_quick_timeout.exe"});
    s.refresh();
    s.select("2");
    s.open_options();
    s.tick({6, 7});
    const std::size_t before = s.dir().command_log().size();
    s.start_and_wait();
    EXPECT_EQ(s.echo(), kHeader7 + "精简失败： Gallery2\r\n\r\n命令超时（4 秒），已终止\r\n" +
                            "有 1 项未完成，详见上方记录\r\n" + std::string(kRule) +
                            std::string(kNotAnsweringLine));
    EXPECT_EQ(s.commands_since(before).size(), 2u) << "no command after the time-out";
    EXPECT_TRUE(s.dir().device_path_exists("2", "/system/app/KeyChain"));
    EXPECT_TRUE(s.ui().all_lockable_enabled(true));
}

TEST(Slimming, AnInstanceThatStopsMidRunFailsTheRestAndTheRunCompletes) {
    Session s({.description = "2|雷电模拟器|running|7.1.2|tree=android7|stop-after=4\n"});
    s.refresh(); // the version query is the first device command
    s.select("2");
    s.open_options();
    s.tick({6, 7});
    s.start_and_wait();
    const std::string echo = s.echo();
    EXPECT_NE(echo.find(removed("精简应用： ", "Gallery2")), std::string::npos) << echo;
    EXPECT_NE(echo.find("精简失败： KeyChain\r\nerror: instance 2 is not running\r\n"),
              std::string::npos)
        << echo;
    EXPECT_TRUE(echo.ends_with("有 1 项未完成，详见上方记录\r\n" + kEnd)) << echo;
    EXPECT_TRUE(s.ui().all_lockable_enabled(true));
}

TEST(Slimming, ABlankAndChineseInThePathNeverLeaveTheInstanceWithoutALauncher) {
    Session s({.description = {}, .tool_name = "ldconsole.exe", .leaf = "雷电 模拟器"});
    s.refresh();
    s.select("2");
    s.open_options();
    s.tick({34});
    s.start_and_wait();
    std::wstring wide = to_wide(s.dir().path());
    std::wstring short_form(GetShortPathNameW(wide.c_str(), nullptr, 0), L'\0');
    short_form.resize(
        GetShortPathNameW(wide.c_str(), short_form.data(), static_cast<DWORD>(short_form.size())));
    const std::string head = kHeader7 + kLauncherHeader;
    if (!short_form.empty() && short_form.find(L' ') == std::wstring::npos) {
        expect_echo_with_push(s.echo(), head, to_utf8(short_form) + "\\Launcher.apk", kEnd);
        EXPECT_EQ(s.dir().device_file("2", "/system/app/Launcher3/Launcher.apk"), launcher_bytes());
    } else {
        EXPECT_EQ(s.echo(), head + "替换桌面失败：程序所在路径含有空格，原桌面未改动\r\n" +
                                "有 1 项未完成，详见上方记录\r\n" + kEnd);
        EXPECT_TRUE(s.dir().device_path_exists("2", "/system/app/Launcher3/Launcher3.apk"));
    }
}

TEST(Slimming, ClosingDuringARunEndsAfterTheCommandInFlight) {
    Session s({.description = "2|雷电模拟器|running|7.1.2|tree=android7|hang=3:Gallery2\n"});
    s.refresh();
    s.select("2");
    s.open_options();
    s.tick({6, 7});
    const std::size_t before = s.dir().command_log().size();
    s.ui().click(Control::开始精简按钮);
    ASSERT_TRUE(wait_until([&] { return s.commands_since(before).size() == 2; }, 30000));
    s.ui().close();
    ASSERT_TRUE(wait_until([&] { return s.echo().ends_with("将在当前命令结束后关闭…\r\n"); }, 5000))
        << s.echo();
    EXPECT_EQ(s.program().wait_for_exit(30000), 0);
    const Lines sent = s.commands_since(before);
    EXPECT_EQ(sent.size(), 2u) << "no command after the one in flight";
    EXPECT_TRUE(s.dir().device_path_exists("2", "/system/app/KeyChain"));
}

} // namespace
} // namespace korvath::e2e
