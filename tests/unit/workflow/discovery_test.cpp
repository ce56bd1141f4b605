// The refresh button: rows from the listing, version queries, lock, close.
#include "workflow/discovery.h"

#include "support/harness.h"

#include <gtest/gtest.h>

#include <map>

namespace korvath {
namespace {

using testing::Harness;
using testing::Row;

const std::string kListing = "ldconsole.exe list2";

std::string version_query(const std::string& index, const std::string& tool = "ldconsole.exe") {
    return tool + " adb  --index  " + index +
           " --command \"shell getprop ro.build.version.release\"";
}

struct RefreshCase {
    const char* name;
    friend void PrintTo(const RefreshCase& c, std::ostream* os) { *os << c.name; }
    std::string listing;
    std::map<std::string, CommandResult> versions; // by index text
    std::vector<Row> rows;
    std::vector<std::string> commands;
    std::string echo;
};

class Refresh : public ::testing::TestWithParam<RefreshCase> {};

TEST_P(Refresh, BuildsRowsAndQueriesRunningInstances) {
    const auto& c = GetParam();
    Harness h;
    h.console.on(kListing, c.listing);
    for (const auto& [index, answer] : c.versions) {
        h.console.on(version_query(index), std::vector<CommandResult>{answer});
    }

    refresh_instance_list(h.ctx);

    EXPECT_EQ(h.window.rows(), c.rows);
    EXPECT_EQ(h.console.commands(), c.commands);
    EXPECT_EQ(h.window.echo(), c.echo);
    EXPECT_EQ(h.window.list_selection(), -1);
    EXPECT_TRUE(h.shell.message_boxes.empty());
}

const CommandResult k711{"7.1.2\r\n", false};
const CommandResult k511{"5.1.1\r\n", false};

INSTANTIATE_TEST_SUITE_P(
    Cases, Refresh,
    ::testing::Values(
        RefreshCase{"empty_output", "", {}, {}, {kListing}, ""},
        RefreshCase{"three_states_trailing_line_end_adds_no_row",
                    "0,雷电模拟器,0,0,0,-1,-1\r\n"
                    "1,启动的,65794,0,0,4512,4600\r\n"
                    "2,运行的,65800,65802,1,4700,4720\r\n",
                    {{"2", k711}},
                    {{"0", "雷电模拟器", "未启动", ""},
                     {"1", "启动的", "启动中", ""},
                     {"2", "运行的", "运行中", "7.1.2"}},
                    {kListing, version_query("2")},
                    ""},
        RefreshCase{"empty_fifth_field_with_more_after_it_runs",
                    "4,甲,1,0,,9,9",
                    {{"4", k511}},
                    {{"4", "甲", "运行中", "5.1.1"}},
                    {kListing, version_query("4")},
                    ""},
        RefreshCase{"index_texts_out_of_order_each_query_its_own",
                    "7,七,1,1,1\r\n3,三,1,1,1\r\n",
                    {{"7", k711}, {"3", k511}},
                    {{"7", "七", "运行中", "7.1.2"}, {"3", "三", "运行中", "5.1.1"}},
                    {kListing, version_query("7"), version_query("3")},
                    ""},
        RefreshCase{"multi_line_version_joined_lone_breaks_kept",
                    "0,a,1,1,1",
                    {{"0", {"7.1\r\n.2\r\nx\ny\r\n", false}}},
                    {{"0", "a", "运行中", "7.1.2x\ny"}},
                    {kListing, version_query("0")},
                    ""},
        RefreshCase{"comma_in_name_shifts_fields",
                    // A stopped instance named "乙,1,2": fields 3 and 5 read "1" and "0".
                    "6,乙,1,2,0,0,-1,-1",
                    {},
                    {{"6", "乙", "启动中", ""}},
                    {kListing},
                    ""},
        RefreshCase{"running_line_beginning_with_comma_gets_no_query",
                    ",无索引,1,1,1",
                    {},
                    {{"", "无索引", "运行中", "error: invalid index"}},
                    {kListing},
                    ""},
        RefreshCase{"index_with_shell_characters_gets_no_query",
                    "1&del x,坏,1,1,1\r\n\"2\",引号,1,1,1",
                    {},
                    {{"1&del x", "坏", "运行中", "error: invalid index"},
                     {"\"2\"", "引号", "运行中", "error: invalid index"}},
                    {kListing},
                    ""},
        RefreshCase{"short_lines_among_good_ones_removed",
                    "0,a,1,1,1\r\n\r\n1,b,0,0,\r\n2,c,0\r\n3,d,0,0,0",
                    {{"0", k711}},
                    {{"0", "a", "运行中", "7.1.2"}, {"3", "d", "未启动", ""}},
                    {kListing, version_query("0")},
                    ""},
        RefreshCase{"version_query_timed_out",
                    "0,a,1,1,1\r\n1,b,1,1,1\r\n",
                    {{"0", testing::timed_out("7.1")}, {"1", k511}},
                    {{"0", "a", "运行中", "error: 命令超时"}, {"1", "b", "运行中", "5.1.1"}},
                    {kListing, version_query("0"), version_query("1")},
                    ""},
        RefreshCase{"no_line_gives_a_row_output_shown",
                    "'ldconsole.exe' 不是内部或外部命令，也不是可运行的程序\r\n或批处理文件。\r\n",
                    {},
                    {},
                    {kListing},
                    "未能读取模拟器列表，控制台输出：\r\n"
                    "'ldconsole.exe' 不是内部或外部命令，也不是可运行的程序\r\n或批处理文件。\r\n"},
        RefreshCase{"only_short_lines_with_commas_output_shown",
                    "1,b,0,0,\r\n",
                    {},
                    {},
                    {kListing},
                    "未能读取模拟器列表，控制台输出：\r\n1,b,0,0,\r\n"}),
    [](const auto& info) { return info.param.name; });

TEST(RefreshListing, TimedOutListingKeepsItsRowsAndShowsTheOutput) {
    Harness h;
    h.console.on(kListing, std::vector<CommandResult>{testing::timed_out("0,a,0,0,0\r\n1,b,")});

    refresh_instance_list(h.ctx);

    EXPECT_EQ(h.window.rows(), (std::vector<Row>{{"0", "a", "未启动", ""}}));
    EXPECT_EQ(h.window.echo(), "未能读取模拟器列表，控制台输出：\r\n0,a,0,0,0\r\n1,b,\r\n"
                               "命令超时（30 秒），已终止\r\n");
}

TEST(RefreshListing, StoresListingAndReplacesEarlierRows) {
    Harness h;
    h.console.on(kListing, std::vector<CommandResult>{{"0,a,0,0,0\r\n1,b,0,0,0\r\n", false},
                                                      {"9,z,0,0,0\r\n\r\n", false}});
    refresh_instance_list(h.ctx);
    h.window.select_row(1);

    refresh_instance_list(h.ctx);

    EXPECT_EQ(h.window.rows(), (std::vector<Row>{{"9", "z", "未启动", ""}}));
    EXPECT_EQ(h.window.list_selection(), -1);
    EXPECT_EQ(h.state.console_tool_name, "ldconsole.exe ");
    EXPECT_EQ(h.state.listing_text, "9,z,0,0,0\r\n\r\n");
    EXPECT_EQ(h.state.listing_lines, (std::vector<std::string>{"9,z,0,0,0", ""}));
}

TEST(RefreshListing, LsconsoleInRunDirectoryChoosesItForEveryCommand) {
    Harness h;
    h.shell.add_file("C:\\leidian\\LDPlayer9\\lsconsole.exe");
    h.console.on("lsconsole.exe list2", "0,a,1,1,1\r\n");
    h.console.on(version_query("0", "lsconsole.exe"), "5.1.1\r\n");

    refresh_instance_list(h.ctx);

    EXPECT_EQ(
        h.console.commands(),
        (std::vector<std::string>{"lsconsole.exe list2", version_query("0", "lsconsole.exe")}));
    EXPECT_EQ(h.window.rows(), (std::vector<Row>{{"0", "a", "运行中", "5.1.1"}}));
    EXPECT_EQ(h.state.console_tool_name, "lsconsole.exe ");
}

TEST(RefreshOrder, ResetsPanelsThenLocksAndUnlocksAtTheEnd) {
    Harness h;
    h.window.tick({3, 40});
    h.console.on(kListing, "0,a,1,1,1\r\n1,b,1,1,1\r\n");
    std::vector<std::string> seen;
    h.console.during_every_command([&](const std::string& command) {
        // Every command runs locked, and a version query only once its row's
        // first three columns are set.
        EXPECT_TRUE(h.window.all_locked()) << command;
        seen.push_back(command);
        if (command != kListing) {
            const Row& last = h.window.rows().back();
            EXPECT_EQ(version_query(last[0]), command);
            EXPECT_EQ(last[2], "运行中");
            EXPECT_FALSE(last[1].empty());
            EXPECT_EQ(last[3], "");
        }
    });

    refresh_instance_list(h.ctx);

    std::vector<std::string> expected = {"clear list", "show 分组框使用说明", "hide 分组框7",
                                         "hide 分组框5"};
    for (int box = 1; box <= kOptionBoxCount; ++box) {
        expected.push_back("untick 选择框" + std::to_string(box));
    }
    for (Control control : lockable_controls()) {
        expected.push_back("disable " + testing::control_name(control));
    }
    for (Control control : lockable_controls()) {
        expected.push_back("enable " + testing::control_name(control));
    }
    EXPECT_EQ(h.window.log(), expected);
    EXPECT_EQ(seen.size(), 3u);
    EXPECT_TRUE(h.window.none_locked());
    EXPECT_TRUE(h.window.ticked_boxes().empty());
}

struct CloseCase {
    const char* name;
    friend void PrintTo(const CloseCase& c, std::ostream* os) { *os << c.name; }
    int during_command;
    std::vector<Row> rows;
    std::vector<std::string> commands;
};

class RefreshClose : public ::testing::TestWithParam<CloseCase> {};

TEST_P(RefreshClose, StopsAfterTheCommandInFlight) {
    const auto& c = GetParam();
    Harness h;
    h.console.on(kListing, "0,a,1,1,1\r\n1,b,1,1,1\r\n2,c,0,0,0\r\n");
    h.console.on(version_query("0"), "7.1.2\r\n");
    h.console.on(version_query("1"), "5.1.1\r\n");
    h.console.during_command(c.during_command, [&] { h.window.request_close(); });

    refresh_instance_list(h.ctx);

    EXPECT_EQ(h.console.commands(), c.commands);
    EXPECT_EQ(h.window.rows(), c.rows);
    EXPECT_TRUE(h.window.none_locked());
}

INSTANTIATE_TEST_SUITE_P(Cases, RefreshClose,
                         ::testing::Values(CloseCase{"during_listing", 1, {}, {kListing}},
                                           CloseCase{"during_first_version_query",
                                                     2,
                                                     {{"0", "a", "运行中", "7.1.2"}},
                                                     {kListing, version_query("0")}}),
                         [](const auto& info) { return info.param.name; });

} // namespace
} // namespace korvath
