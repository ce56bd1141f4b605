// The options button, the select-all buttons and the list click.
#include "workflow/option_panels.h"

#include "support/harness.h"

#include <gtest/gtest.h>

#include <numeric>

namespace korvath {
namespace {

using testing::Harness;
using testing::MessageBoxShown;
using testing::Row;

const std::vector<Row> kRows = {
    {"0", "七号", "运行中", "7.1.2"},
    {"1", "五号", "运行中", "5.1.1"},
    {"2", "停止的", "未启动", ""},
    {"3", "启动的", "启动中", ""},
    {"4", "坏的", "运行中", "adb: ERROR: device offline"},
    {"5", "两者", "运行中", "5.1.1 7.1.2"},
    {"6", "其它", "运行中", "9"},
    {"7", "尾空格", "运行中 ", "7.1.2"},
    {"8", "混写", "运行中", "x eRRor y"},
    {"9", "更长", "运行中", "17.1.23"},
};

enum class Act { select, options, all5, all7, list_click };
struct Action {
    Act act;
    int row = -1;
};

void perform(Harness& h, const Action& action) {
    switch (action.act) {
    case Act::select:
        h.window.select_row(action.row);
        break;
    case Act::options:
        open_option_panel(h.ctx);
        break;
    case Act::all5:
        select_all_android5(h.ctx);
        break;
    case Act::all7:
        select_all_android7(h.ctx);
        break;
    case Act::list_click:
        reset_option_panels(h.window);
        break;
    }
}

std::vector<int> boxes(int first, int last) {
    std::vector<int> range(static_cast<std::size_t>(last - first + 1));
    std::iota(range.begin(), range.end(), first);
    return range;
}

const std::vector<std::string> kInstructions = {"分组框使用说明"};
const std::vector<std::string> kAndroid5 = {"分组框5"};
const std::vector<std::string> kAndroid7 = {"分组框7"};
const std::vector<std::string> kAllThree = {"分组框使用说明", "分组框5", "分组框7"};

std::string header(const std::string& name, const std::string& version) {
    return "您已选择模拟器 \r\n【" + name + "】Based:【" + version + "】\r\n" +
           std::string(36, '=') + "\r\n";
}

const MessageBoxShown kNotRunning{"您选择的模拟器未运行！", 48, "警告"};
const MessageBoxShown kShowsError{"模拟器显示错误！请刷新信息", 48, "警告"};

// Android 7 panel with its whole set ticked: the state a warning must keep.
const std::vector<Action> kOnAndroid7 = {{Act::select, 0}, {Act::options}, {Act::all7}};

struct PanelCase {
    const char* name;
    friend void PrintTo(const PanelCase& c, std::ostream* os) { *os << c.name; }
    std::vector<Action> before; // echo, boxes and log are cleared after these
    std::vector<Action> actions;
    std::vector<std::string> visible;
    std::vector<int> ticked;
    std::string echo;
    std::vector<MessageBoxShown> boxes;
    std::vector<std::string> panel_log; // show/hide calls of `actions`, in order
};

std::vector<PanelCase> panel_cases() {
    const std::string h7 = header("七号", "7.1.2");
    return {
        {"no_selection_warns",
         kOnAndroid7,
         {{Act::select, -1}, {Act::options}},
         kAndroid7,
         {},
         "",
         {kNotRunning},
         {}},
        {"not_started_warns",
         kOnAndroid7,
         {{Act::select, 2}, {Act::options}},
         kAndroid7,
         {},
         "",
         {kNotRunning},
         {}},
        {"starting_warns",
         {},
         {{Act::select, 3}, {Act::options}},
         kAllThree,
         {},
         "",
         {kNotRunning},
         {}},
        {"state_with_trailing_blank_warns",
         kOnAndroid7,
         {{Act::select, 7}, {Act::options}},
         kAndroid7,
         {},
         "",
         {kNotRunning},
         {}},
        {"error_in_capitals_warns",
         kOnAndroid7,
         {{Act::select, 4}, {Act::options}},
         kAndroid7,
         {},
         "",
         {kShowsError},
         {}},
        {"error_in_mixed_case_warns",
         {},
         {{Act::select, 8}, {Act::options}},
         kAllThree,
         {},
         "",
         {kShowsError},
         {}},
        {"android7",
         {},
         {{Act::select, 0}, {Act::options}},
         kAndroid7,
         {},
         h7,
         {},
         {"hide 分组框使用说明", "hide 分组框5", "show 分组框7"}},
        {"android5",
         {},
         {{Act::select, 1}, {Act::options}},
         kAndroid5,
         {},
         header("五号", "5.1.1"),
         {},
         {"hide 分组框使用说明", "show 分组框5", "hide 分组框7"}},
        {"both_ends_on_android7",
         {},
         {{Act::select, 5}, {Act::options}},
         kAndroid7,
         {},
         header("两者", "5.1.1 7.1.2"),
         {},
         {"hide 分组框使用说明", "show 分组框5", "hide 分组框7", "hide 分组框使用说明",
          "hide 分组框5", "show 分组框7"}},
        {"neither_keeps_panel_writes_header",
         kOnAndroid7,
         {{Act::select, 6}, {Act::options}},
         kAndroid7,
         {},
         header("其它", "9"),
         {},
         {}},
        {"number_inside_a_longer_one_counts",
         {},
         {{Act::select, 9}, {Act::options}},
         kAndroid7,
         {},
         header("更长", "17.1.23"),
         {},
         {"hide 分组框使用说明", "hide 分组框5", "show 分组框7"}},
        {"options_twice_writes_twice_and_unticks",
         {},
         {{Act::select, 0}, {Act::options}, {Act::all7}, {Act::options}},
         kAndroid7,
         {},
         h7 + h7,
         {},
         {"hide 分组框使用说明", "hide 分组框5", "show 分组框7", "hide 分组框使用说明",
          "hide 分组框5", "show 分组框7"}},
        {"select_all7_from_android7",
         {{Act::select, 0}, {Act::options}},
         {{Act::all7}},
         kAndroid7,
         boxes(1, 34),
         "",
         {},
         {}},
        {"select_all5_from_android5",
         {{Act::select, 1}, {Act::options}},
         {{Act::all5}},
         kAndroid5,
         boxes(35, 61),
         "",
         {},
         {}},
        {"select_all5_after_all7_unticks_android7",
         {{Act::select, 1}, {Act::options}},
         {{Act::all7}, {Act::all5}},
         kAndroid5,
         boxes(35, 61),
         "",
         {},
         {}},
        {"list_click_on_selected_row",
         kOnAndroid7,
         {{Act::list_click}},
         kInstructions,
         {},
         "",
         {},
         {"show 分组框使用说明", "hide 分组框7", "hide 分组框5"}},
        {"list_click_from_start",
         {},
         {{Act::list_click}},
         kInstructions,
         {},
         "",
         {},
         {"show 分组框使用说明", "hide 分组框7", "hide 分组框5"}},
    };
}

class Panels : public ::testing::TestWithParam<PanelCase> {};

TEST_P(Panels, Transition) {
    const auto& c = GetParam();
    Harness h;
    for (const Row& row : kRows) {
        h.window.add_row(row);
    }
    for (const Action& action : c.before) {
        perform(h, action);
    }
    h.window.set_echo("");
    h.window.clear_log();

    for (const Action& action : c.actions) {
        perform(h, action);
    }

    EXPECT_EQ(h.window.visible_panels(), c.visible);
    EXPECT_EQ(h.window.ticked_boxes(), c.ticked);
    EXPECT_EQ(h.window.echo(), c.echo);
    EXPECT_EQ(h.shell.message_boxes, c.boxes);
    std::vector<std::string> log = h.window.log();
    std::erase_if(log, [](const std::string& e) {
        return !e.starts_with("show ") && !e.starts_with("hide ");
    });
    EXPECT_EQ(log, c.panel_log);
}

INSTANTIATE_TEST_SUITE_P(Cases, Panels, ::testing::ValuesIn(panel_cases()),
                         [](const auto& info) { return info.param.name; });

TEST(OptionsButton, UnticksEveryBoxFirstAndInOrder) {
    for (int row : {0, 2, 4}) { // shown, not running, error
        Harness h;
        for (const Row& r : kRows) {
            h.window.add_row(r);
        }
        h.window.tick({1, 34, 35, 61});
        h.window.select_row(row);

        open_option_panel(h.ctx);

        const std::vector<std::string>& log = h.window.log();
        ASSERT_GE(log.size(), 61u) << row;
        for (int box = 1; box <= kOptionBoxCount; ++box) {
            EXPECT_EQ(log[static_cast<std::size_t>(box - 1)],
                      "untick 选择框" + std::to_string(box));
        }
        EXPECT_TRUE(h.window.ticked_boxes().empty());
    }
}

TEST(SelectAll, IgnoresSelectionAndWalksBothSetsInOrder) {
    Harness h; // no rows, no selection: the buttons do not look at them
    select_all_android5(h.ctx);
    std::vector<std::string> expected;
    for (int box = 1; box <= 34; ++box) {
        expected.push_back("untick 选择框" + std::to_string(box));
    }
    for (int box = 35; box <= 61; ++box) {
        expected.push_back("tick 选择框" + std::to_string(box));
    }
    EXPECT_EQ(h.window.log(), expected);
    EXPECT_TRUE(h.shell.message_boxes.empty());
}

} // namespace
} // namespace korvath
