// Names and control ids of the main window's controls.
//
// The ids are the Win32 control ids as well, so the window, the workflow and
// the test driver that operates the window from outside agree on them.
#pragma once

namespace korvath {

enum class Control : int {
    超级列表框1 = 1001,
    刷新按钮 = 1002,
    精简选项按钮 = 1003,
    开始精简按钮 = 1004,
    回显编辑框 = 1005,
    分组框使用说明 = 1006,
    透明标签2 = 1007,
    分组框5 = 1008,
    全部选择按钮5 = 1009,
    分组框7 = 1010,
    全部选择按钮7 = 1011,
};

// Option check boxes 选择框1 … 选择框61 are numbered 1 to 61.
constexpr int kOptionBoxCount = 61;
constexpr int kFirstAndroid7Box = 1;
constexpr int kLastAndroid7Box = 34;
constexpr int kFirstAndroid5Box = 35;
constexpr int kLastAndroid5Box = 61;

constexpr int kOptionBoxIdBase = 2000;

constexpr Control option_box(int number) {
    return static_cast<Control>(kOptionBoxIdBase + number);
}
constexpr int control_id(Control control) {
    return static_cast<int>(control);
}

// The group box that holds an option box.
constexpr Control panel_of_box(int number) {
    return number <= kLastAndroid7Box ? Control::分组框7 : Control::分组框5;
}

} // namespace korvath
