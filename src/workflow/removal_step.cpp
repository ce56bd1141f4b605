// The removal loop of a caption_step or the fixed_step.
#include "workflow/slimming_steps.h"

#include "exec/console_commands.h"
#include "text/text_ops.h"

namespace korvath {
namespace {

// "精简应用： 7" becomes "精简失败： 7".
std::string failure_prefix(std::string_view log_prefix) {
    return replace_all(log_prefix, "精简应用", "精简失败");
}

} // namespace

std::string as_block(const std::string& output) {
    if (output.empty() || output.ends_with("\r\n")) {
        return output;
    }
    return join_texts({output, "\r\n"});
}

StepOutcome remove_until_absent(SlimmingRun& run, const OptionStep& step) {
    ControlOps& ui = run.ctx.ui;
    CommandResult last;
    for (int attempt = 0; attempt < kMaxRemovalCommands; ++attempt) {
        if (ui.is_option_ticked(step.box) != 1) {
            return StepOutcome::skipped;
        }
        const std::string body =
            step.kind == StepKind::caption_step
                ? join_texts({step.location, ui.option_caption(step.box), "\""})
                : std::string(step.body);
        last = run.ctx.console.run_console_command(join_texts({run.adb_prefix, body}));
        if (last.timed_out) {
            break;
        }
        if (reports_absent(last.output)) {
            ui.append_echo(join_texts({step.log_prefix, ui.option_caption(step.box), "\r\n"}));
            return StepOutcome::done;
        }
        if (ui.close_requested()) {
            return StepOutcome::interrupted;
        }
    }
    ui.append_echo(join_texts({failure_prefix(step.log_prefix), ui.option_caption(step.box), "\r\n",
                               as_block(last.output)}));
    return last.timed_out ? StepOutcome::not_answering : StepOutcome::failed;
}

} // namespace korvath
