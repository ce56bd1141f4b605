// The option catalogue: every option box, its caption, and the 62 steps of
// the slimming run in their order. The window's captions and the option sets
// are derived from this one table.
#pragma once

#include "ui/controls.h"

#include <string>
#include <string_view>
#include <vector>

namespace korvath {

enum class StepKind { caption_step, fixed_step, launcher_step };

// What removing a box's folder can break: 安全 nothing else depends on it,
// 谨慎 some apps or functions stop working, 危险 something central breaks.
enum class RiskLevel { safe, caution, danger };

struct OptionStep {
    int order; // 1 to 62
    int box;   // gating box, 选择框<box>
    StepKind kind;
    std::string_view location; // caption_step: head of the command body
    std::string_view body;     // fixed_step: the whole command body
    std::string_view log_prefix;
    bool lsconsole_guard; // skipped when lsconsole.exe is present
};

inline constexpr std::string_view kAppLocation = "shell rm -r /system/app/";
inline constexpr std::string_view kPrivAppLocation = "shell rm -r /system/priv-app/";
inline constexpr std::string_view kLauncherCaption = "替换Launcher，去除桌面广告";

// The caption of option box 1..61.
std::string_view box_caption(int box);

// What the box removes and what that can break, in one line.
std::string_view box_description(int box);
std::string_view box_description_english(int box);
RiskLevel box_risk(int box);

// "安全", "谨慎", "危险"; and "safe", "caution", "danger" for the English guide.
std::string_view risk_level_text(RiskLevel level);
std::string_view risk_level_english(RiskLevel level);

// The check box's tooltip: the level first, then the description.
std::string option_tooltip(int box);

// The 62 steps, in run order.
const std::vector<OptionStep>& option_steps();

} // namespace korvath
