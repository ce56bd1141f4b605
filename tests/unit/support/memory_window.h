// An in-memory main window for the workflow tests: the control operations
// behave as the real window's do, and every call whose order matters is logged.
#pragma once

#include "ui/control_ops.h"

#include <array>
#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace korvath::testing {

using Row = std::array<std::string, 4>;

// "刷新按钮", "分组框7", "选择框12": the control's name in the window.
std::string control_name(Control control);

class MemoryWindow : public ControlOps {
  public:
    MemoryWindow();

    void set_panel_visible(Control panel, bool visible) override;
    void tick_option_box(int box, bool ticked) override;
    int is_option_ticked(int box) const override;
    std::string option_caption(int box) const override;
    void list_delete_all() override;
    int list_append_row(const std::string& text) override;
    void list_delete_row(int row) override;
    void list_set_cell(int row, int column, const std::string& text) override;
    std::string list_cell_text(int row, int column) const override;
    int list_selection() const override;
    void set_echo(const std::string& text) override;
    void append_echo(const std::string& text) override;
    void set_control_disabled(Control control, bool disabled) override;
    bool close_requested() const override { return close_requested_; }

    // What the user does.
    void add_row(const Row& cells);
    void select_row(int row);
    void tick(std::initializer_list<int> boxes);
    void select_echo_text(std::size_t begin, std::size_t end);
    void request_close() { close_requested_ = true; }

    // What the user sees.
    const std::vector<Row>& rows() const { return rows_; }
    const std::string& echo() const { return echo_; }
    std::size_t echo_caret() const { return caret_; }
    bool panel_visible(Control panel) const { return panels_.at(panel); }
    // The panels shown, in the window's stacking order.
    std::vector<std::string> visible_panels() const;
    std::vector<int> ticked_boxes() const;
    bool disabled(Control control) const;
    // Every control of the lock set is disabled (true) or enabled (false).
    bool all_locked() const;
    bool none_locked() const;

    // "show 分组框5", "untick 选择框3", "disable 刷新按钮", "clear list",
    // "delete row 2", "set echo …", "append echo …".
    const std::vector<std::string>& log() const { return log_; }
    std::vector<std::string> log_starting(std::string_view head) const;
    void clear_log() { log_.clear(); }

  private:
    std::map<Control, bool> panels_;
    std::array<bool, kOptionBoxCount + 1> ticks_{};
    std::map<Control, bool> disabled_;
    std::vector<Row> rows_;
    int selection_ = -1;
    std::string echo_;
    std::size_t caret_ = 0;
    std::size_t selection_end_ = 0;
    bool close_requested_ = false;
    std::vector<std::string> log_;
};

} // namespace korvath::testing
