// Instance discovery: the refresh button rebuilds the instance list.
#pragma once

#include "workflow/workflow_context.h"

#include <string>

namespace korvath {

// The version text of a running instance: the version query's output with
// every "\r\n" removed, or "error: 命令超时" when the query timed out.
std::string query_android_version(WorkflowContext& ctx, const std::string& index_text);

// Locks the controls while it runs and stops after the command in flight when
// the window is asked to close.
void refresh_instance_list(WorkflowContext& ctx);

} // namespace korvath
