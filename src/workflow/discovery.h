// Instance discovery: the refresh button rebuilds the instance list.
#pragma once

#include "workflow/workflow_context.h"

#include <string>

namespace korvath {

void refresh_instance_list(WorkflowContext& ctx);

} // namespace korvath
