// The three fakes wired into one workflow context.
#pragma once

#include "support/fake_shell.h"
#include "support/memory_window.h"
#include "support/scripted_console.h"
#include "workflow/workflow_context.h"

namespace korvath::testing {

struct Harness {
    explicit Harness(std::string run_directory = "C:\\leidian\\LDPlayer9")
        : shell(std::move(run_directory)) {}

    MemoryWindow window;
    ScriptedConsole console;
    FakeShell shell;
    AppState state;
    WorkflowContext ctx{window, console, shell, state};
};

} // namespace korvath::testing
