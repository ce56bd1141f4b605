// The refresh button against the simulator: rows, versions, exact commands.
#include "driver/session.h"
#include "text/encoding_win32.h"

#include <gtest/gtest.h>

#include <windows.h>

namespace korvath::e2e {
namespace {

using Lines = std::vector<std::string>;

TEST(Refresh, ListsTheDemoInstancesWithTheirVersions) {
    Session s({});
    s.refresh();
    const WindowProbe& ui = s.ui();
    struct Row {
        const char* index;
        const char* name;
        const char* state;
        const char* version;
    } const expected[] = {
        {"2", "雷电模拟器", "运行中", "7.1.2"},
        {"0", "雷电模拟器-安卓5", "运行中", "5.1.1"},
        {"5", "游戏多开-3", "启动中", ""},
        {"3", "备用机（已停止）", "未启动", ""},
    };
    ASSERT_EQ(ui.row_count(), 4);
    for (int row = 0; row < 4; ++row) {
        EXPECT_EQ(ui.cell(row, 0), expected[row].index);
        EXPECT_EQ(ui.cell(row, 1), expected[row].name);
        EXPECT_EQ(ui.cell(row, 2), expected[row].state);
        EXPECT_EQ(ui.cell(row, 3), expected[row].version);
    }
    EXPECT_EQ(s.commands_since(0),
              (Lines{"ldconsole.exe list2", s.adb("2", "shell getprop ro.build.version.release"),
                     s.adb("0", "shell getprop ro.build.version.release")}));
    EXPECT_EQ(s.echo(), "");
    EXPECT_TRUE(ui.all_lockable_enabled(true));
}

TEST(Refresh, GarbledListingKeepsTheGoodRows) {
    Session s({.description = "0|甲,乙|running|7.1.2\n"
                              "1|短行|running|7.1.2|short\n"
                              "4|正常|stopped|5.1.1|blank-before\n"});
    s.refresh();
    const WindowProbe& ui = s.ui();
    // The comma in the name shifts the fields: the bound window handle is
    // read as the running flag. The short line and the empty one give no row.
    ASSERT_EQ(ui.row_count(), 2);
    EXPECT_EQ(ui.cell(0, 0), "0");
    EXPECT_EQ(ui.cell(0, 1), "甲");
    EXPECT_EQ(ui.cell(0, 2), "运行中");
    EXPECT_EQ(ui.cell(0, 3), "7.1.2");
    EXPECT_EQ(ui.cell(1, 0), "4");
    EXPECT_EQ(ui.cell(1, 2), "未启动");
    EXPECT_EQ(s.echo(), "");
}

TEST(Refresh, MissingConsoleToolIsExplainedInTheEchoBox) {
    Session s({});
    ASSERT_TRUE(DeleteFileW((to_wide(s.dir().path()) + L"\\ldconsole.exe").c_str()));
    s.ui().click(Control::刷新按钮);
    ASSERT_TRUE(wait_until([&] { return !s.echo().empty(); }, 30000));
    const std::string echo = s.echo();
    EXPECT_EQ(echo.rfind("未能读取模拟器列表，控制台输出：\r\n", 0), 0u);
    EXPECT_NE(echo.find("ldconsole.exe"), std::string::npos) << echo;
    EXPECT_EQ(s.ui().row_count(), 0);
}

TEST(Refresh, LocksTheControlsWhileTheListingIsSlow) {
    Session s({.description = "list2|slow=1500\n1|慢|running|7.1.2\n"});
    s.ui().click(Control::刷新按钮);
    // The listing takes 3 s; all 67 controls are locked well within it.
    EXPECT_TRUE(wait_until([&] { return s.ui().all_lockable_enabled(false); }, 2500));
    // Unlocked in order, the refresh button first: wait for the last one.
    EXPECT_TRUE(wait_until([&] { return s.ui().all_lockable_enabled(true); }, 30000));
    EXPECT_EQ(s.ui().cell(0, 3), "7.1.2");
}

TEST(Refresh, ClosingDuringTheListingEndsAfterIt) {
    Session s({.description = "list2|slow=1500\n1|慢|running|7.1.2\n"});
    s.ui().click(Control::刷新按钮);
    ASSERT_TRUE(wait_until([&] { return !s.ui().enabled(Control::刷新按钮); }, 10000));
    s.ui().close();
    ASSERT_TRUE(wait_until([&] { return s.echo() == "将在当前命令结束后关闭…\r\n"; }, 5000))
        << s.echo();
    EXPECT_EQ(s.program().wait_for_exit(30000), 0);
    // No version query after the listing in flight.
    EXPECT_EQ(s.commands_since(0), (Lines{"ldconsole.exe list2"}));
}

} // namespace
} // namespace korvath::e2e
