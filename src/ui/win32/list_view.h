// The instance list: a report-style list view and its row and cell operations.
#pragma once

#include "ui/layout.h"
#include "ui/win32/dpi_scale.h"

#include <windows.h>

#include <string>
#include <string_view>

namespace korvath {

// Report form, single selection, whole-row selection, grid lines, sunken
// border, the four columns; selection hidden without focus, nothing sorts.
HWND create_list_view(HWND parent, int id, const Rect& place, const DpiScale& scale);

class ListView {
  public:
    explicit ListView(HWND hwnd = nullptr) : hwnd_(hwnd) {}

    void delete_all();
    int append_row(std::string_view text);
    void delete_row(int row);
    void set_cell(int row, int column, std::string_view text);
    std::string cell_text(int row, int column) const;
    int selection() const;

  private:
    int row_count() const;
    bool has_cell(int row, int column) const;

    HWND hwnd_;
};

} // namespace korvath
