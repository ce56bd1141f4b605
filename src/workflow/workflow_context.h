// What every handler of the workflow works with, injected by the caller.
#pragma once

#include "app/app_state.h"
#include "app/shell_services.h"
#include "exec/console_runner.h"
#include "ui/control_ops.h"

namespace korvath {

struct WorkflowContext {
    ControlOps& ui;
    ConsoleRunner& console;
    ShellServices& shell;
    AppState& state;
};

} // namespace korvath
