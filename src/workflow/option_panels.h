// The option panels: the options button, the two select-all buttons.
// The list click runs reset_option_panels (ui/control_ops.h) directly.
#pragma once

#include "workflow/workflow_context.h"

namespace korvath {

void open_option_panel(WorkflowContext& ctx);
void select_all_android5(WorkflowContext& ctx);
void select_all_android7(WorkflowContext& ctx);

} // namespace korvath
