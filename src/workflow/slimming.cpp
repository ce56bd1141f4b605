// The slimming run: checks, header, lock, remount, the ticked steps, the end.
#include "workflow/slimming.h"

#include "exec/console_commands.h"
#include "text/text_ops.h"
#include "workflow/slimming_steps.h"

namespace korvath {
namespace {

constexpr std::string_view kWarningTitle = "警告：";

void warn(WorkflowContext& ctx, std::string_view text) {
    ctx.shell.show_message_box(std::string(text), kExclamationOk, std::string(kWarningTitle));
}

bool lsconsole_present(const SlimmingRun& run) {
    return run.ctx.shell.file_exists(lsconsole_path(run.run_directory));
}

StepOutcome run_step(SlimmingRun& run, const OptionStep& step) {
    switch (step.kind) {
    case StepKind::caption_step:
    case StepKind::fixed_step:
        return remove_until_absent(run, step);
    case StepKind::launcher_step:
        if (step.lsconsole_guard && lsconsole_present(run)) {
            return StepOutcome::skipped;
        }
        return replace_launcher(run, step.box);
    }
    return StepOutcome::skipped;
}

} // namespace

void run_slimming(WorkflowContext& ctx) {
    ControlOps& ui = ctx.ui;
    const int row = ui.list_selection();
    if (row == -1) {
        warn(ctx, "请先选择要精简的模拟器！");
        return;
    }
    if (!texts_equal(ui.list_cell_text(row, 2), "运行中")) {
        warn(ctx, "要精简的模拟器未完全运行，请刷新信息！");
        return;
    }
    const std::string index_text = ui.list_cell_text(row, 0);
    if (!is_valid_index(index_text)) {
        // The index would pass through the command interpreter.
        warn(ctx, "模拟器索引无效，请刷新信息！");
        return;
    }

    SlimmingRun run{ctx, {}, ctx.shell.get_run_directory()};
    run.adb_prefix = adb_prefix(console_tool_piece(lsconsole_present(run)), index_text);

    ui.set_echo(join_texts({"开始精简模拟器 【", ui.list_cell_text(row, 1), "】\r\n"}));
    set_controls_disabled(ui, true);

    const CommandResult remount =
        ctx.console.run_console_command(join_texts({run.adb_prefix, "remount\""}));
    ui.append_echo(join_texts({"挂载读写权限...\r\n", remount.output, kRuleLine}));

    bool not_answering = remount.timed_out;
    bool interrupted = ui.close_requested();
    int failed_steps = 0;
    for (const OptionStep& step : option_steps()) {
        if (not_answering || interrupted) {
            break;
        }
        const StepOutcome outcome = run_step(run, step);
        failed_steps += (outcome == StepOutcome::failed || outcome == StepOutcome::not_answering);
        not_answering = outcome == StepOutcome::not_answering;
        interrupted = outcome == StepOutcome::interrupted || ui.close_requested();
    }

    set_controls_disabled(ui, false);
    if (interrupted) {
        return; // the window closes now; no end line would be true
    }
    if (failed_steps > 0) {
        ui.append_echo(
            join_texts({"有 ", std::to_string(failed_steps), " 项未完成，详见上方记录\r\n"}));
    }
    ui.append_echo(join_texts({kRuleLine, not_answering ? "精简未完成：模拟器没有响应\r\n"
                                                        : "精简完成，正在重启模拟器...\r\n"}));
}

} // namespace korvath
