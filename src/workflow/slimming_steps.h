// The two kinds of work a ticked step does in a slimming run.
#pragma once

#include "workflow/catalogue.h"
#include "workflow/workflow_context.h"

#include <string>

namespace korvath {

// A removal loop gives up after this many commands without the phrase.
inline constexpr int kMaxRemovalCommands = 5;
inline constexpr std::string_view kRuleLine = "====================================\r\n";

enum class StepOutcome {
    skipped, // box not ticked: nothing run, nothing written
    done,
    failed,        // its failure line is written; the run goes on
    not_answering, // a command timed out: no further step runs
    interrupted,   // the window is closing: no further step runs
};

struct SlimmingRun {
    WorkflowContext& ctx;
    std::string adb_prefix;
    std::string run_directory;
};

// caption_step and fixed_step: repeats the removal until the output reports
// the path absent, then writes the step's log line.
StepOutcome remove_until_absent(SlimmingRun& run, const OptionStep& step);

// launcher_step: replaces /system/app/Launcher3 with the embedded package, and
// never removes the old one unless the new one can follow.
StepOutcome replace_launcher(SlimmingRun& run, int box);

// The output as printed, with a line end after it when it has none.
std::string as_block(const std::string& output);

} // namespace korvath
