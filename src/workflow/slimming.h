// The slimming run: the start button's work on the selected instance.
#pragma once

#include "workflow/workflow_context.h"

namespace korvath {

void run_slimming(WorkflowContext& ctx);

} // namespace korvath
