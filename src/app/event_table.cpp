// The event table of the main window.
#include "app/event_table.h"

#include "workflow/discovery.h"
#include "workflow/option_panels.h"
#include "workflow/slimming.h"

#include <array>

namespace korvath {
namespace {

void reset_panels_on_list_click(WorkflowContext& ctx) {
    reset_option_panels(ctx.ui);
}

const std::array<EventBinding, 6> kBindings = {{
    {Control::刷新按钮, true, &refresh_instance_list},
    {Control::精简选项按钮, false, &open_option_panel},
    {Control::开始精简按钮, true, &run_slimming},
    {Control::全部选择按钮5, false, &select_all_android5},
    {Control::全部选择按钮7, false, &select_all_android7},
    {Control::超级列表框1, false, &reset_panels_on_list_click},
}};

} // namespace

const EventBinding* binding_for_click(Control control) {
    for (const EventBinding& binding : kBindings) {
        if (binding.control == control) {
            return &binding;
        }
    }
    return nullptr;
}

void run_click(Control control, WorkflowContext& ctx, CloseGuard& guard) {
    const EventBinding* binding = binding_for_click(control);
    if (binding == nullptr) {
        return;
    }
    if (binding->runs_commands) {
        BusyScope busy(guard);
        binding->routine(ctx);
    } else {
        binding->routine(ctx);
    }
}

} // namespace korvath
