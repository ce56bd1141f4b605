// The event table: which click runs which routine.
#include "app/event_table.h"

#include "workflow/discovery.h"
#include "workflow/option_panels.h"
#include "workflow/slimming.h"

#include <gtest/gtest.h>

namespace korvath {
namespace {

struct BindingCase {
    Control control;
    void (*routine)(WorkflowContext&); // null: the table's own list-click routine
    bool runs_commands;
};

TEST(EventTable, ButtonsAndListClickRunTheirRoutines) {
    const BindingCase cases[] = {
        {Control::刷新按钮, &refresh_instance_list, true},
        {Control::精简选项按钮, &open_option_panel, false},
        {Control::开始精简按钮, &run_slimming, true},
        {Control::全部选择按钮5, &select_all_android5, false},
        {Control::全部选择按钮7, &select_all_android7, false},
        {Control::超级列表框1, nullptr, false},
    };
    for (const auto& c : cases) {
        const EventBinding* binding = binding_for_click(c.control);
        ASSERT_NE(binding, nullptr) << control_id(c.control);
        if (c.routine != nullptr) {
            EXPECT_EQ(binding->routine, c.routine) << control_id(c.control);
        } else {
            EXPECT_NE(binding->routine, nullptr);
        }
        EXPECT_EQ(binding->runs_commands, c.runs_commands) << control_id(c.control);
    }
}

TEST(EventTable, OtherControlsRunNothing) {
    for (Control control : {Control::回显编辑框, Control::分组框5, Control::透明标签2,
                            option_box(1), option_box(34), option_box(61)}) {
        EXPECT_EQ(binding_for_click(control), nullptr) << control_id(control);
    }
}

} // namespace
} // namespace korvath
