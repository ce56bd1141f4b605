// The main window as the workflow sees it: the control operations the
// handlers share. The Win32 window implements them on real controls; the unit
// tests use an in-memory model with the same behaviour.
#pragma once

#include "ui/controls.h"

#include <string>
#include <vector>

namespace korvath {

class ControlOps {
  public:
    virtual ~ControlOps() = default;

    // Shows or hides a panel (分组框使用说明, 分组框5, 分组框7) with its contents.
    virtual void set_panel_visible(Control panel, bool visible) = 0;
    virtual void tick_option_box(int box, bool ticked) = 0;
    virtual int is_option_ticked(int box) const = 0;
    virtual std::string option_caption(int box) const = 0;

    virtual void list_delete_all() = 0;
    // Appends a row with `text` in column 0; its 0-based position, or -1.
    virtual int list_append_row(const std::string& text) = 0;
    virtual void list_delete_row(int row) = 0;
    virtual void list_set_cell(int row, int column, const std::string& text) = 0;
    // Empty for a row or column that does not exist, row -1 included.
    virtual std::string list_cell_text(int row, int column) const = 0;
    // 0-based selected row, or -1.
    virtual int list_selection() const = 0;

    virtual void set_echo(const std::string& text) = 0;
    // Always lands at the very end, whatever the user selected; no undo step.
    virtual void append_echo(const std::string& text) = 0;

    virtual void set_control_disabled(Control control, bool disabled) = 0;

    // True once the user asked to close the window while a handler was busy.
    virtual bool close_requested() const = 0;
};

// The 67 controls that lock the user out during a run, in their order.
const std::vector<Control>& lockable_controls();

void set_controls_disabled(ControlOps& ui, bool disabled);

// Instructions panel shown, both option panels hidden, every box unticked.
void reset_option_panels(ControlOps& ui);

// Ticks or unticks option boxes first..last, ascending.
void tick_option_range(ControlOps& ui, int first, int last, bool ticked);

} // namespace korvath
