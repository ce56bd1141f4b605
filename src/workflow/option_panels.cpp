// The options button and the two select-all buttons.
#include "workflow/option_panels.h"

#include "app/shell_services.h"
#include "text/text_ops.h"

namespace korvath {
namespace {

constexpr std::string_view kWarningTitle = "警告";
constexpr std::string_view kRuleLine = "====================================\r\n";

void warn(WorkflowContext& ctx, std::string_view text) {
    ctx.shell.show_message_box(std::string(text), kExclamationOk, std::string(kWarningTitle));
}

} // namespace

void open_option_panel(WorkflowContext& ctx) {
    tick_option_range(ctx.ui, 1, kOptionBoxCount, false);
    if (!texts_equal(ctx.ui.list_cell_text(ctx.ui.list_selection(), 2), "运行中")) {
        warn(ctx, "您选择的模拟器未运行！");
        return;
    }
    const std::string version = ctx.ui.list_cell_text(ctx.ui.list_selection(), 3);
    if (locate_text(version, "error") != -1) {
        warn(ctx, "模拟器显示错误！请刷新信息");
        return;
    }
    ctx.ui.append_echo(
        join_texts({"您已选择模拟器 \r\n【", ctx.ui.list_cell_text(ctx.ui.list_selection(), 1),
                    "】Based:【", version, "】\r\n", kRuleLine}));
    // Two independent tests: a text holding both ends on the Android 7 panel.
    if (locate_text(version, "5.1.1") != -1) {
        ctx.ui.set_panel_visible(Control::分组框使用说明, false);
        ctx.ui.set_panel_visible(Control::分组框5, true);
        ctx.ui.set_panel_visible(Control::分组框7, false);
    }
    if (locate_text(version, "7.1.2") != -1) {
        ctx.ui.set_panel_visible(Control::分组框使用说明, false);
        ctx.ui.set_panel_visible(Control::分组框5, false);
        ctx.ui.set_panel_visible(Control::分组框7, true);
    }
}

void select_all_android5(WorkflowContext& ctx) {
    tick_option_range(ctx.ui, kFirstAndroid7Box, kLastAndroid7Box, false);
    tick_option_range(ctx.ui, kFirstAndroid5Box, kLastAndroid5Box, true);
}

void select_all_android7(WorkflowContext& ctx) {
    tick_option_range(ctx.ui, kFirstAndroid7Box, kLastAndroid7Box, true);
    tick_option_range(ctx.ui, kFirstAndroid5Box, kLastAndroid5Box, false);
}

} // namespace korvath
