// The refresh: one row per listing line, and each running instance's version.
#include "workflow/discovery.h"

#include "exec/console_commands.h"
#include "text/text_ops.h"

namespace korvath {
namespace {

constexpr std::string_view kRunning = "运行中";
constexpr std::string_view kStarting = "启动中";
constexpr std::string_view kNotStarted = "未启动";
constexpr std::string_view kNotFlag = "0";
constexpr std::string_view kVersionTimedOut = "error: 命令超时";
// Contains "error", so the options button refuses the row.
constexpr std::string_view kInvalidIndexVersion = "error: invalid index";
constexpr std::string_view kListingUnread = "未能读取模拟器列表，控制台输出：\r\n";
constexpr std::size_t kFieldsNeeded = 5;

enum class LineResult { no_row, row, stop };

// Fills the row of one listing line; runs its version query when it runs.
LineResult handle_listing_line(WorkflowContext& ctx, const std::string& line) {
    const int comma = locate_text(line, ",");
    const std::string index_text = left_part(line, comma - 1);
    const int row = ctx.ui.list_append_row(index_text);
    const std::vector<std::string> fields = split_at(line, ",");
    if (row < 0) {
        return LineResult::no_row;
    }
    if (fields.size() < kFieldsNeeded) {
        ctx.ui.list_delete_row(row);
        return LineResult::no_row;
    }
    ctx.ui.list_set_cell(row, 1, fields[1]);
    if (texts_equal(fields[4], kNotFlag)) {
        ctx.ui.list_set_cell(
            row, 2, std::string(texts_equal(fields[2], kNotFlag) ? kNotStarted : kStarting));
        return LineResult::row;
    }
    ctx.ui.list_set_cell(row, 2, std::string(kRunning));
    if (!is_valid_index(index_text)) {
        // Fields printed by another program never become part of a command line.
        ctx.ui.list_set_cell(row, 3, std::string(kInvalidIndexVersion));
        return LineResult::row;
    }
    ctx.ui.list_set_cell(row, 3, query_android_version(ctx, index_text));
    return ctx.ui.close_requested() ? LineResult::stop : LineResult::row;
}

void fill_rows(WorkflowContext& ctx, const CommandResult& listing) {
    bool any_row = false;
    const std::vector<std::string>& lines = ctx.state.listing_lines;
    const std::size_t line_count = lines.size();
    for (std::size_t i = 0; i < line_count; ++i) {
        const LineResult result = handle_listing_line(ctx, lines[i]);
        if (result == LineResult::stop) {
            return;
        }
        any_row = any_row || result == LineResult::row;
    }
    // An empty list must not hide why: a missing tool, a listing cut off.
    if ((!any_row && !listing.output.empty()) || listing.timed_out) {
        ctx.ui.append_echo(join_texts({kListingUnread, listing.output}));
    }
}

} // namespace

std::string query_android_version(WorkflowContext& ctx, const std::string& index_text) {
    const CommandResult result = ctx.console.run_console_command(
        join_texts({adb_prefix(ctx.state.console_tool_name, index_text),
                    "shell getprop ro.build.version.release\""}));
    if (result.timed_out) {
        return std::string(kVersionTimedOut);
    }
    return replace_all(result.output, "\r\n", "");
}

void refresh_instance_list(WorkflowContext& ctx) {
    ctx.ui.list_delete_all();
    reset_option_panels(ctx.ui);
    // A click handled inside a command must not start a second handler.
    set_controls_disabled(ctx.ui, true);

    ctx.state.console_tool_name =
        console_tool_piece(ctx.shell.file_exists(lsconsole_path(ctx.shell.get_run_directory())));
    const CommandResult listing =
        ctx.console.run_console_command(listing_command(ctx.state.console_tool_name));
    ctx.state.listing_text = listing.output;
    ctx.state.listing_lines = split_at(ctx.state.listing_text, "\r\n");
    if (!ctx.ui.close_requested()) {
        fill_rows(ctx, listing);
    }

    set_controls_disabled(ctx.ui, false);
}

} // namespace korvath
