// Control operations built on the window's primitives, shared by every
// implementation of the window.
#include "ui/control_ops.h"

namespace korvath {

const std::vector<Control>& lockable_controls() {
    static const std::vector<Control> order = [] {
        std::vector<Control> controls = {Control::刷新按钮,      Control::精简选项按钮,
                                         Control::开始精简按钮,  Control::全部选择按钮5,
                                         Control::全部选择按钮7, Control::超级列表框1};
        for (int box = 1; box <= kOptionBoxCount; ++box) {
            controls.push_back(option_box(box));
        }
        return controls;
    }();
    return order;
}

void set_controls_disabled(ControlOps& ui, bool disabled) {
    for (Control control : lockable_controls()) {
        ui.set_control_disabled(control, disabled);
    }
}

void tick_option_range(ControlOps& ui, int first, int last, bool ticked) {
    for (int box = first; box <= last; ++box) {
        ui.tick_option_box(box, ticked);
    }
}

void reset_option_panels(ControlOps& ui) {
    ui.set_panel_visible(Control::分组框使用说明, true);
    ui.set_panel_visible(Control::分组框7, false);
    ui.set_panel_visible(Control::分组框5, false);
    tick_option_range(ui, 1, kOptionBoxCount, false);
}

} // namespace korvath
