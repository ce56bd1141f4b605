// Places, sizes, kinds and texts of the main window and its controls, in
// pixels at 96 DPI; the window scales them with the system DPI.
#pragma once

#include "ui/controls.h"

#include <array>
#include <optional>
#include <string_view>
#include <vector>

namespace korvath {

struct Rect {
    int x;
    int y;
    int width;
    int height;
};

enum class ControlKind { list_view, push_button, edit_box, group_box, label, check_box };

struct ControlSpec {
    Control control;
    ControlKind kind;
    // The group box that holds the control; none for the window itself.
    std::optional<Control> parent;
    Rect place; // relative to the parent's client area
    std::string_view text;
};

struct ListColumn {
    std::string_view title;
    int width;
};

inline constexpr std::string_view kMainWindowClass = "KorvathMainWindow";
inline constexpr std::string_view kMainWindowCaption = "Korvath By：Dunmere Quarnet";
inline constexpr int kWindowWidth = 622; // outer size, frame included
inline constexpr int kWindowHeight = 610;
inline constexpr int kLabelFontHeight = 20;

inline constexpr std::array<ListColumn, 4> kListColumns = {{
    {"索引", 50},
    {"模拟器名称", 200},
    {"运行状态", 100},
    {"系统版本", 100},
}};

// Every control, in stacking order from the top: the three panels first,
// then what lies inside them, then the rest of the window.
const std::vector<ControlSpec>& window_layout();

// Left or top of a window of the given outer size centred on the screen.
constexpr int centred_origin(int screen, int window) {
    return (screen - window) / 2;
}

} // namespace korvath
