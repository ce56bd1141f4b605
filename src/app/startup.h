// The main window's created event: write the launcher file, show the tips
// box, make the window visible, remember the run directory.
#pragma once

#include "app/app_state.h"
#include "app/shell_services.h"

#include <functional>
#include <string_view>

namespace korvath {

inline constexpr std::string_view kTipsTitle = "友情提示：";
inline constexpr std::string_view kTipsText =
    "1、本工具仅支持【雷电系列（雷神、雷电）模拟器】系统精简，其他模拟器请下载相应工具；\r\n"
    "2、请将本工具放在模拟器目录中运行；\r\n"
    "3、在使用本工具前，请确认模拟器安装路径没有空格等特殊符号，"
    "否则会可能造成精简后模拟器无法启动\r\n"
    "4、本工具在Dunmere论坛发布，其他途径下载，请注意查毒";

// When the launcher file cannot be written it returns at once: no tips box,
// no message, the window left for the caller to show.
void handle_window_created(ShellServices& shell, AppState& state,
                           const std::function<void()>& make_window_visible);

} // namespace korvath
