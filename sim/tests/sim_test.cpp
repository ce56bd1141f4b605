// The console-tool simulator seen from outside: command lines through the real
// cmd.exe, their output, exit codes, the command log and the instances' trees.
#include "presets.h"
#include "sim_fixture.h"
#include "text/encoding_win32.h"

#include <gtest/gtest.h>

namespace korvath {
namespace {

using sim_fixture::Outcome;
using sim_fixture::RunDirectory;

constexpr unsigned kHangLimitMs = 2000;

// "{dir}" in a line or an expected output stands for the run directory.
std::string expand(std::string text, const std::string& dir) {
    for (std::size_t at; (at = text.find("{dir}")) != std::string::npos;) {
        text.replace(at, 5, dir);
    }
    return text;
}

struct Step {
    std::string line;
    std::string output; // UTF-8; compared after decoding from the ANSI code page
    unsigned long exit_code = 0;
    bool hangs = false;
};

struct PathCheck {
    std::string index;
    std::string device_path;
    bool exists;
};

struct Case {
    std::string name;
    std::string description;
    std::vector<Step> steps;
    std::vector<PathCheck> paths;
};

void PrintTo(const Case& c, std::ostream* os) {
    *os << c.name;
}

const std::string kGetprop = "ldconsole.exe adb  --index  3 --command \"shell getprop "
                             "ro.build.version.release\"";

std::string adb(std::string_view index, std::string_view command) {
    return "ldconsole.exe adb  --index  " + std::string(index) + " --command \"" +
           std::string(command) + "\"";
}

class DeviceCommands : public testing::TestWithParam<Case> {};

TEST_P(DeviceCommands, AnswerAndChangeTheState) {
    const Case& c = GetParam();
    RunDirectory dir;
    ASSERT_TRUE(dir.ok()) << dir.error();
    ASSERT_TRUE(dir.write_file("Launcher.apk", std::string("PK\x03\x04 launcher\0bytes", 23)));
    Outcome setup = dir.setup(c.description);
    ASSERT_EQ(setup.exit_code, 0u) << setup.text();
    std::vector<std::string> sent;
    for (const Step& step : c.steps) {
        std::string line = expand(step.line, dir.path());
        sent.push_back(line);
        Outcome outcome = dir.run(line, step.hangs ? kHangLimitMs : 30000);
        EXPECT_EQ(outcome.finished, !step.hangs) << line;
        if (!step.hangs) {
            EXPECT_EQ(outcome.text(), expand(step.output, dir.path())) << line;
            EXPECT_EQ(outcome.exit_code, step.exit_code) << line;
        }
    }
    EXPECT_EQ(dir.command_log(), sent);
    for (const PathCheck& check : c.paths) {
        EXPECT_EQ(dir.device_path_exists(check.index, check.device_path), check.exists)
            << check.index << " " << check.device_path;
    }
}

const std::string kSeven = "3|雷电模拟器|running|7.1.2|dir=/system/app/Gallery2\n";
const std::string kFive = "0|安卓五|running|5.1.1|dir=/system/priv-app/Contacts\n";

INSTANTIATE_TEST_SUITE_P(
    Sim, DeviceCommands,
    testing::Values(
        Case{"VersionQueryWithTheProgramsDoubledBlanks",
             kSeven + kFive,
             {{kGetprop, "7.1.2\r\n"},
              {adb("0", "shell getprop ro.build.version.release"), "5.1.1\r\n"},
              {"ldconsole.exe adb --index \"3\" --command \"shell getprop ro.product.model\"",
               "\r\n"}},
             {}},
        Case{"RemovalOnAndroid7NeedsRemountAndThenReportsAbsent",
             kSeven,
             {{adb("3", "shell rm -r /system/app/Gallery2"),
               "rm: /system/app/Gallery2: Read-only file system\r\n"},
              {adb("3", "remount"), "remount succeeded\r\n"},
              {adb("3", "shell rm -r /system/app/gallery2"),
               "rm: /system/app/gallery2: No such file or directory\r\n"},
              {adb("3", "shell rm -r /system/app/Gallery2"), ""},
              {adb("3", "shell rm -r /system/app/Gallery2"),
               "rm: /system/app/Gallery2: No such file or directory\r\n"}},
             {{"3", "/system/app/Gallery2", false}}},
        Case{"RemovalOnAndroid5SpeaksToolbox",
             kFive,
             {{adb("0", "shell rm -r /system/app/Absent"),
               "rm failed for /system/app/Absent, No such file or directory\r\n"},
              {adb("0", "shell rm -r /system/priv-app/Contacts"),
               "rm failed for /system/priv-app/Contacts, Read-only file system\r\n"},
              {adb("0", "remount"), "remount succeeded\r\n"},
              {adb("0", "shell rm -r /system/priv-app/Contacts"), ""}},
             {{"0", "/system/priv-app/Contacts", false}}},
        Case{"RefusedRemountKeepsThePartitionReadOnly",
             "3|雷电模拟器|running|7.1.2|dir=/system/app/Gallery2|remount=refused\n",
             {{adb("3", "remount"), "remount failed\r\n"},
              {adb("3", "shell rm -r /system/app/Gallery2"),
               "rm: /system/app/Gallery2: Read-only file system\r\n"}},
             {{"3", "/system/app/Gallery2", true}}},
        Case{"DeniedRemovalNeverReportsAbsence",
             "3|雷电模拟器|running|7.1.2|dir=/system/app/Gallery2|rm=denied\n",
             {{adb("3", "remount"), "remount succeeded\r\n"},
              {adb("3", "shell rm -r /system/app/Gallery2"),
               "rm: /system/app/Gallery2: Permission denied\r\n"},
              {adb("3", "shell rm -r /system/app/Absent"),
               "rm: /system/app/Absent: Permission denied\r\n"}},
             {{"3", "/system/app/Gallery2", true}}},
        Case{"LauncherReplacement",
             "3|雷电模拟器|running|7.1.2|file=/system/app/Launcher3/Launcher3.apk\n",
             {{adb("3", "push {dir}\\Launcher.apk /system/app/Launcher3/"),
               "adb: error: failed to copy '{dir}\\Launcher.apk' to "
               "'/system/app/Launcher3/Launcher.apk': remote couldn't create file: "
               "Read-only file system\r\n"},
              {adb("3", "remount"), "remount succeeded\r\n"},
              {adb("3", "shell rm -r /system/app/Launcher3"), ""},
              {adb("3", "shell mkdir /system/app/Launcher3"), ""},
              {adb("3", "shell mkdir /system/app/Launcher3"),
               "mkdir: /system/app/Launcher3: File exists\r\n"},
              {adb("3", "push {dir}\\Launcher.apk /system/app/Launcher3/"),
               "{dir}\\Launcher.apk: 1 file pushed. 0.0 MB/s (23 bytes in 0.010s)\r\n"},
              {adb("3", "push {dir}\\Missing.apk /system/app/Launcher3/"),
               "adb: error: cannot stat '{dir}\\Missing.apk': No such file or directory\r\n"}},
             {{"3", "/system/app/Launcher3/Launcher3.apk", false},
              {"3", "/system/app/Launcher3/Launcher.apk", true},
              {"3", "/system/app/Launcher3/Missing.apk", false}}},
        Case{"ConsoleToolErrors",
             kSeven + "4|启动中的|starting|7.1.2\n6|停止的|stopped|5.1.1\n",
             {{adb("9", "remount"), "error: no instance with index 9\r\n", 1},
              {adb("4", "remount"), "error: instance 4 is not running\r\n", 1},
              {adb("6", "remount"), "error: instance 6 is not running\r\n", 1},
              {"ldconsole.exe adb --index 3",
               "error: adb needs --index <index> and --command "
               "\"<device command>\"\r\n",
               1},
              {"ldconsole.exe launch --index 3", "error: unknown command 'launch'\r\n", 1},
              {adb("3", "shell ls /system"), "/system/bin/sh: ls: not found\r\n"},
              {adb("3", "install x.apk"), "adb: unknown command install\r\n"}},
             {}},
        Case{"InstanceStopsAfterTwoCommands",
             "3|雷电模拟器|running|7.1.2|stop-after=2\n",
             {{kGetprop, "7.1.2\r\n"},
              {adb("3", "remount"), "remount succeeded\r\n"},
              {kGetprop, "error: instance 3 is not running\r\n", 1},
              {"ldconsole.exe list2", "3,雷电模拟器,0,0,0,-1,-1\r\n"}},
             {}},
        Case{"ExitCodeAndSlowAnswers",
             "3|雷电模拟器|running|7.1.2|exit=7|slow=300\n",
             {{kGetprop, "7.1.2\r\n", 7}, {adb("3", "remount"), "remount succeeded\r\n", 7}},
             {}},
        Case{"HangOnlyOnTheMatchingCommand",
             "3|雷电模拟器|running|7.1.2|dir=/system/app/Gallery2|writable|hang=forever:rm\n"
             "4|另一个|running|5.1.1|hang=1\n",
             {{adb("3", "shell rm -r /system/app/Gallery2"), "", 0, true},
              {kGetprop, "7.1.2\r\n"},
              {adb("4", "shell getprop ro.build.version.release"), "5.1.1\r\n"}},
             {{"3", "/system/app/Gallery2", true}}},
        Case{"ListingHangs",
             "list2|hang=forever\n" + kSeven,
             {{"ldconsole.exe list2", "", 0, true}, {kGetprop, "7.1.2\r\n"}},
             {}}),
    [](const testing::TestParamInfo<Case>& info) { return info.param.name; });

struct ListingCase {
    std::string name;
    std::string description;
    std::string output;
};

void PrintTo(const ListingCase& c, std::ostream* os) {
    *os << c.name;
}

class Listing : public testing::TestWithParam<ListingCase> {};

TEST_P(Listing, PrintsSevenFieldsPerInstance) {
    RunDirectory dir;
    ASSERT_TRUE(dir.ok()) << dir.error();
    ASSERT_EQ(dir.setup(GetParam().description).exit_code, 0u);
    Outcome outcome = dir.run("ldconsole.exe list2");
    EXPECT_EQ(outcome.text(), GetParam().output);
    EXPECT_EQ(outcome.exit_code, 0u);
}

INSTANTIATE_TEST_SUITE_P(
    Sim, Listing,
    testing::Values(
        ListingCase{"ThreeStates",
                    "7|运行|running|7.1.2\n2|启动|starting|7.1.2\n0|停止|stopped|5.1.1\n",
                    "7,运行,1313024,1314024,1,4016,5016\r\n"
                    "2,启动,1314048,0,0,4032,5032\r\n"
                    "0,停止,0,0,0,-1,-1\r\n"},
        ListingCase{"GarbledLines",
                    "1|短行|running|7.1.2|short\n|逗号,名字|running|7.1.2|blank-before\n",
                    "1,短行,1313024\r\n\r\n,逗号,名字,1314048,1315048,1,4032,5032\r\n"},
        ListingCase{"Silent", "list2|silent\n1|有|running|7.1.2\n", ""},
        ListingCase{"NoInstances", "", ""}),
    [](const testing::TestParamInfo<ListingCase>& info) { return info.param.name; });

TEST(SimOutput, ListingIsInTheAnsiCodePage) {
    RunDirectory dir;
    ASSERT_TRUE(dir.ok()) << dir.error();
    ASSERT_EQ(dir.setup("5|运行中|running|7.1.2\n").exit_code, 0u);
    // 运行中 in GBK
    EXPECT_EQ(dir.run("ldconsole.exe list2").output,
              "5,\xD4\xCB\xD0\xD0\xD6\xD0,1313024,1314024,1,4016,5016\r\n");
}

TEST(SimOutput, ZeroByteAndHugeOutputs) {
    RunDirectory dir;
    ASSERT_TRUE(dir.ok()) << dir.error();
    ASSERT_EQ(dir.setup("list2|zero-byte\n3|甲|running|7.1.2|huge\n").exit_code, 0u);
    std::string listing = dir.run("ldconsole.exe list2").output;
    EXPECT_EQ(listing, std::string(1, '\0') + "3,\xBC\xD7,1313024,1314024,1,4016,5016\r\n");
    Outcome huge = dir.run(kGetprop);
    EXPECT_GT(huge.output.size(), 1000000u);
    EXPECT_TRUE(huge.output.ends_with("\r\n7.1.2\r\n"));
}

// Wine's cmd.exe turns 259 into 0, so this one runs the tool itself.
TEST(SimOutput, ExitCode259ReachesTheParent) {
    RunDirectory dir;
    ASSERT_TRUE(dir.ok()) << dir.error();
    ASSERT_EQ(dir.setup("list2|exit=259\n3|甲|running|7.1.2|exit=259\n").exit_code, 0u);
    std::string tool = "\"" + dir.path() + "\\ldconsole.exe\"";
    for (std::string args : {" list2", " adb --index 3 --command remount"}) {
        Outcome outcome = sim_fixture::run_process(dir.path(), tool + args);
        EXPECT_TRUE(outcome.finished);
        EXPECT_EQ(outcome.exit_code, 259u) << args;
    }
    EXPECT_EQ(dir.run(kGetprop).text(), "7.1.2\r\n");
}

TEST(SimPush, LocalPathWithABlankIsSplitLikeTheBridge) {
    RunDirectory dir("ldconsole.exe", "雷电 模拟器");
    ASSERT_TRUE(dir.ok()) << dir.error();
    ASSERT_TRUE(dir.write_file("Launcher.apk", "apk"));
    ASSERT_EQ(dir.setup("3|雷电模拟器|running|7.1.2|writable\n").exit_code, 0u);
    std::string before_blank = dir.path().substr(0, dir.path().find(' '));
    Outcome outcome = dir.run(adb("3", "push " + dir.path() + "\\Launcher.apk /system/app/L/"));
    EXPECT_EQ(outcome.text(),
              "adb: error: cannot stat '" + before_blank + "': No such file or directory\r\n");
    EXPECT_FALSE(dir.device_path_exists("3", "/system/app/L"));

    Outcome pushed = dir.run(adb("3", "push Launcher.apk /system/app/L/"));
    EXPECT_EQ(pushed.text(), "Launcher.apk: 1 file pushed. 0.0 MB/s (3 bytes in 0.010s)\r\n");
    EXPECT_EQ(dir.device_file("3", "/system/app/L/Launcher.apk"), "apk");
}

TEST(SimSetup, DemoHoldsBothOptionSetsAndScatteredIndexes) {
    RunDirectory dir;
    ASSERT_TRUE(dir.ok()) << dir.error();
    Outcome setup = dir.setup_demo();
    ASSERT_EQ(setup.exit_code, 0u) << setup.text();
    std::optional<sim::State> state = dir.state();
    ASSERT_TRUE(state);
    std::vector<std::string> indexes;
    for (const sim::Instance& instance : state->instances) {
        indexes.push_back(instance.index);
    }
    EXPECT_EQ(indexes, (std::vector<std::string>{"2", "0", "5", "3"}));
    EXPECT_EQ(dir.run("ldconsole.exe list2").text(),
              "2,雷电模拟器,1313024,1314024,1,4016,5016\r\n"
              "0,雷电模拟器-安卓5,1314048,1315048,1,4032,5032\r\n"
              "5,游戏多开-3,1315072,0,0,4048,5048\r\n"
              "3,备用机（已停止）,0,0,0,-1,-1\r\n");
    for (auto [index, preset] : {std::pair{"2", "android7"}, std::pair{"0", "android5"}}) {
        for (const std::string& folder : sim::preset_folders(preset)) {
            EXPECT_TRUE(dir.device_path_exists(index, folder)) << index << " " << folder;
        }
        EXPECT_TRUE(dir.device_path_exists(index, "/system/app/Launcher3/Launcher3.apk"));
    }
    // Spot checks in the device's own letter case.
    EXPECT_TRUE(dir.device_path_exists("2", "/system/app/LDAppStore"));
    EXPECT_TRUE(dir.device_path_exists("2", "/system/priv-app/ldAppStore"));
    EXPECT_TRUE(dir.device_path_exists("2", "/system/priv-app/TeleService"));
    EXPECT_FALSE(dir.device_path_exists("2", "/system/app/AndroidTerm"));
    EXPECT_TRUE(dir.device_path_exists("0", "/system/app/AndroidTerm"));
    EXPECT_TRUE(dir.device_path_exists("0", "/system/priv-app/ldAppStore"));
    EXPECT_FALSE(dir.device_path_exists("0", "/system/priv-app/ldappstore"));
    EXPECT_EQ(dir.run(adb("2", "shell getprop ro.build.version.release")).text(), "7.1.2\r\n");
    EXPECT_EQ(dir.run(adb("0", "shell getprop ro.build.version.release")).text(), "5.1.1\r\n");
}

TEST(SimSetup, SecondNameKeepsItsOwnState) {
    RunDirectory ld;
    RunDirectory ls("lsconsole.exe");
    ASSERT_TRUE(ld.ok() && ls.ok()) << ld.error() << ls.error();
    ASSERT_EQ(ld.setup("1|甲|running|7.1.2\n").exit_code, 0u);
    ASSERT_EQ(ls.setup("8|乙|stopped|5.1.1\n").exit_code, 0u);
    EXPECT_EQ(ls.run("lsconsole.exe list2").text(), "8,乙,0,0,0,-1,-1\r\n");
    EXPECT_EQ(ls.command_log(), (std::vector<std::string>{"lsconsole.exe list2"}));
    EXPECT_TRUE(ld.command_log().empty());
}

TEST(SimSetup, BadDescriptionOrMissingStateIsRefused) {
    RunDirectory dir;
    ASSERT_TRUE(dir.ok()) << dir.error();
    Outcome missing = dir.run("ldconsole.exe list2");
    EXPECT_EQ(missing.exit_code, 1u);
    EXPECT_EQ(missing.text(), "error: no simulator state in " + dir.path() +
                                  "\\sim-state; run sim-setup first\r\n");
    for (auto [description, reason] :
         {std::pair{"1|甲|running|7.1.2\n2|乙|asleep|7.1.2\n",
                    "line 2: state must be running, starting or stopped"},
          std::pair{"1|甲|running\n", "line 1: an instance needs index|name|state|version"},
          std::pair{"1|甲|running|7.1.2|hang=soon\n", "line 1: hang needs seconds or forever"},
          std::pair{"1|甲|running|7.1.2|sparkle\n", "line 1: unknown option 'sparkle'"}}) {
        Outcome outcome = dir.setup(description);
        EXPECT_EQ(outcome.exit_code, 1u);
        EXPECT_TRUE(outcome.text().ends_with(std::string(reason) + "\r\n")) << outcome.text();
        EXPECT_FALSE(dir.state());
    }
}

} // namespace
} // namespace korvath
