// The in-memory main window used by the workflow tests.
#include "support/memory_window.h"

#include "workflow/catalogue.h"

#include <algorithm>
#include <stdexcept>

namespace korvath::testing {

std::string control_name(Control control) {
    switch (control) {
    case Control::超级列表框1:
        return "超级列表框1";
    case Control::刷新按钮:
        return "刷新按钮";
    case Control::精简选项按钮:
        return "精简选项按钮";
    case Control::开始精简按钮:
        return "开始精简按钮";
    case Control::回显编辑框:
        return "回显编辑框";
    case Control::分组框使用说明:
        return "分组框使用说明";
    case Control::透明标签2:
        return "透明标签2";
    case Control::分组框5:
        return "分组框5";
    case Control::全部选择按钮5:
        return "全部选择按钮5";
    case Control::分组框7:
        return "分组框7";
    case Control::全部选择按钮7:
        return "全部选择按钮7";
    }
    return "选择框" + std::to_string(control_id(control) - kOptionBoxIdBase);
}

MemoryWindow::MemoryWindow()
    // At start all three panels are shown, the instructions panel on top.
    : panels_{{Control::分组框使用说明, true}, {Control::分组框5, true}, {Control::分组框7, true}} {
}

void MemoryWindow::set_panel_visible(Control panel, bool visible) {
    if (!panels_.contains(panel)) {
        throw std::logic_error("not a panel: " + control_name(panel));
    }
    panels_[panel] = visible;
    log_.push_back((visible ? "show " : "hide ") + control_name(panel));
}

void MemoryWindow::tick_option_box(int box, bool ticked) {
    if (box < 1 || box > kOptionBoxCount) {
        throw std::logic_error("no option box " + std::to_string(box));
    }
    ticks_[static_cast<std::size_t>(box)] = ticked;
    log_.push_back((ticked ? "tick " : "untick ") + control_name(option_box(box)));
}

int MemoryWindow::is_option_ticked(int box) const {
    if (box < 1 || box > kOptionBoxCount) {
        throw std::logic_error("no option box " + std::to_string(box));
    }
    return ticks_[static_cast<std::size_t>(box)] ? 1 : 0;
}

std::string MemoryWindow::option_caption(int box) const {
    return std::string(box_caption(box));
}

void MemoryWindow::list_delete_all() {
    rows_.clear();
    selection_ = -1;
    log_.push_back("clear list");
}

int MemoryWindow::list_append_row(const std::string& text) {
    rows_.push_back({text, "", "", ""});
    return static_cast<int>(rows_.size()) - 1;
}

void MemoryWindow::list_delete_row(int row) {
    if (row < 0 || row >= static_cast<int>(rows_.size())) {
        return;
    }
    rows_.erase(rows_.begin() + row);
    // The list view shifts the selection with the rows after the deleted one.
    if (selection_ == row) {
        selection_ = -1;
    } else if (selection_ > row) {
        --selection_;
    }
    log_.push_back("delete row " + std::to_string(row));
}

void MemoryWindow::list_set_cell(int row, int column, const std::string& text) {
    if (row < 0 || row >= static_cast<int>(rows_.size()) || column < 0 || column > 3) {
        return;
    }
    rows_[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)] = text;
}

std::string MemoryWindow::list_cell_text(int row, int column) const {
    if (row < 0 || row >= static_cast<int>(rows_.size()) || column < 0 || column > 3) {
        return {};
    }
    return rows_[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)];
}

int MemoryWindow::list_selection() const {
    return selection_;
}

void MemoryWindow::set_echo(const std::string& text) {
    echo_ = text;
    caret_ = selection_end_ = 0;
    log_.push_back("set echo " + text);
}

void MemoryWindow::append_echo(const std::string& text) {
    // Lands at the very end, whatever the user selected.
    echo_ += text;
    caret_ = selection_end_ = echo_.size();
    log_.push_back("append echo " + text);
}

void MemoryWindow::set_control_disabled(Control control, bool disabled) {
    disabled_[control] = disabled;
    log_.push_back((disabled ? "disable " : "enable ") + control_name(control));
}

void MemoryWindow::add_row(const Row& cells) {
    rows_.push_back(cells);
}

void MemoryWindow::select_row(int row) {
    selection_ = (row >= 0 && row < static_cast<int>(rows_.size())) ? row : -1;
}

void MemoryWindow::tick(std::initializer_list<int> boxes) {
    for (int box : boxes) {
        ticks_.at(static_cast<std::size_t>(box)) = true;
    }
}

void MemoryWindow::select_echo_text(std::size_t begin, std::size_t end) {
    caret_ = std::min(begin, echo_.size());
    selection_end_ = std::min(end, echo_.size());
}

std::vector<std::string> MemoryWindow::visible_panels() const {
    std::vector<std::string> shown;
    for (Control panel : {Control::分组框使用说明, Control::分组框5, Control::分组框7}) {
        if (panels_.at(panel)) {
            shown.push_back(control_name(panel));
        }
    }
    return shown;
}

std::vector<int> MemoryWindow::ticked_boxes() const {
    std::vector<int> ticked;
    for (int box = 1; box <= kOptionBoxCount; ++box) {
        if (ticks_[static_cast<std::size_t>(box)]) {
            ticked.push_back(box);
        }
    }
    return ticked;
}

bool MemoryWindow::disabled(Control control) const {
    auto it = disabled_.find(control);
    return it != disabled_.end() && it->second;
}

bool MemoryWindow::all_locked() const {
    for (Control control : lockable_controls()) {
        if (!disabled(control)) {
            return false;
        }
    }
    return true;
}

bool MemoryWindow::none_locked() const {
    for (const auto& [control, is_disabled] : disabled_) {
        if (is_disabled) {
            return false;
        }
    }
    return true;
}

std::vector<std::string> MemoryWindow::log_starting(std::string_view head) const {
    std::vector<std::string> matching;
    for (const auto& entry : log_) {
        if (entry.starts_with(head)) {
            matching.push_back(entry);
        }
    }
    return matching;
}

} // namespace korvath::testing
