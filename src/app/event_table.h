// Which routine each click of the main window runs.
#pragma once

#include "ui/close_guard.h"
#include "ui/controls.h"
#include "workflow/workflow_context.h"

namespace korvath {

struct EventBinding {
    Control control;
    // Handlers that run console commands keep a close request waiting.
    bool runs_commands;
    void (*routine)(WorkflowContext&);
};

// The binding for a click of the control (a button's click, the instance
// list's left-button click), or null when the click runs nothing.
const EventBinding* binding_for_click(Control control);

// Runs the routine bound to the click, marked busy when it runs commands.
void run_click(Control control, WorkflowContext& ctx, CloseGuard& guard);

} // namespace korvath
