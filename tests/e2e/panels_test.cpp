// The options button, the select-all buttons and the list click in the real window.
#include "driver/session.h"
#include "workflow/catalogue.h"

#include <gtest/gtest.h>

namespace korvath::e2e {
namespace {

TEST(Panels, OptionsSelectAllAndListClickOnTheAndroid7Instance) {
    Session s({});
    s.refresh();
    const WindowProbe& ui = s.ui();
    s.select("2");
    s.open_options();
    EXPECT_TRUE(ui.visible(Control::分组框7));
    EXPECT_FALSE(ui.visible(Control::分组框5));
    EXPECT_FALSE(ui.visible(Control::分组框使用说明));
    EXPECT_EQ(s.echo(),
              "您已选择模拟器 \r\n【雷电模拟器】Based:【7.1.2】\r\n" + std::string(kRule));

    ui.click(Control::全部选择按钮7);
    ASSERT_TRUE(wait_until([&] { return ui.all_ticked(1, 34, true); }, 5000));
    EXPECT_TRUE(ui.all_ticked(35, 61, false));

    // Arrow keys move the selection and reset nothing.
    ui.press_key(Control::超级列表框1, VK_DOWN);
    ASSERT_TRUE(wait_until([&] { return ui.selected_row() == s.row_of("0"); }, 5000));
    EXPECT_TRUE(ui.visible(Control::分组框7));
    EXPECT_TRUE(ui.all_ticked(1, 34, true));

    // A click on the row already selected returns to the instructions.
    s.select("0");
    EXPECT_TRUE(wait_until(
        [&] {
            return ui.visible(Control::分组框使用说明) && !ui.visible(Control::分组框7) &&
                   ui.all_ticked(1, 61, false);
        },
        5000));
}

TEST(Panels, TheAndroid5InstanceGetsItsOwnPanel) {
    Session s({});
    s.refresh();
    s.select("0");
    s.open_options();
    EXPECT_TRUE(s.ui().visible(Control::分组框5));
    EXPECT_FALSE(s.ui().visible(Control::分组框7));
    s.ui().click(Control::全部选择按钮5);
    ASSERT_TRUE(wait_until([&] { return s.ui().all_ticked(35, 61, true); }, 5000));
    EXPECT_TRUE(s.ui().all_ticked(1, 34, false));
}

TEST(Panels, OptionBoxesExplainTheirRiskInTooltips) {
    Session s({});
    for (int box : {6, 28, 34, 38, 61}) {
        EXPECT_EQ(s.ui().tooltip(box), option_tooltip(box)) << box;
    }
    EXPECT_EQ(s.ui().tooltip(28).rfind("危险：", 0), 0u) << s.ui().tooltip(28);
    EXPECT_EQ(s.ui().tooltip(6).rfind("安全：", 0), 0u) << s.ui().tooltip(6);
}

TEST(Panels, AStoppedInstanceIsRefusedWithAWarning) {
    Session s({});
    s.refresh();
    s.select("3");
    s.open_options();
    MessageBoxText warning = s.program().dismiss_message_box(5000);
    EXPECT_EQ(warning.title, "警告");
    EXPECT_EQ(warning.text, "您选择的模拟器未运行！");
    EXPECT_EQ(s.echo(), "");
    EXPECT_TRUE(s.ui().visible(Control::分组框使用说明));
}

} // namespace
} // namespace korvath::e2e
