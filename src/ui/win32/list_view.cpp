// The instance list on a SysListView32 control.
#include "ui/win32/list_view.h"

#include "text/encoding_win32.h"
#include "ui/win32/dpi_scale.h"

#include <commctrl.h>

namespace korvath {

HWND create_list_view(HWND parent, int id, const Rect& place, const DpiScale& scale) {
    const Rect at = scale.rect(place);
    HWND list = CreateWindowExW(
        WS_EX_CLIENTEDGE, WC_LISTVIEWW, L"",
        WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_CLIPSIBLINGS | LVS_REPORT | LVS_SINGLESEL, at.x,
        at.y, at.width, at.height, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
        GetModuleHandleW(nullptr), nullptr);
    if (list == nullptr) {
        return nullptr;
    }
    ListView_SetExtendedListViewStyle(list, LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES);
    for (size_t i = 0; i < kListColumns.size(); ++i) {
        std::wstring title = to_wide(kListColumns[i].title);
        LVCOLUMNW column = {};
        column.mask = LVCF_FMT | LVCF_TEXT | LVCF_WIDTH | LVCF_SUBITEM;
        column.fmt = LVCFMT_LEFT;
        column.cx = scale.px(kListColumns[i].width);
        column.pszText = title.data();
        column.iSubItem = static_cast<int>(i);
        SendMessageW(list, LVM_INSERTCOLUMNW, i, reinterpret_cast<LPARAM>(&column));
    }
    return list;
}

int ListView::row_count() const {
    return static_cast<int>(SendMessageW(hwnd_, LVM_GETITEMCOUNT, 0, 0));
}

bool ListView::has_cell(int row, int column) const {
    return row >= 0 && row < row_count() && column >= 0 &&
           column < static_cast<int>(kListColumns.size());
}

void ListView::delete_all() {
    SendMessageW(hwnd_, LVM_DELETEALLITEMS, 0, 0);
}

int ListView::append_row(std::string_view text) {
    std::wstring wide = to_wide(text);
    LVITEMW item = {};
    item.mask = LVIF_TEXT;
    item.iItem = row_count();
    item.pszText = wide.data();
    return static_cast<int>(
        SendMessageW(hwnd_, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item)));
}

void ListView::delete_row(int row) {
    if (row >= 0 && row < row_count()) {
        SendMessageW(hwnd_, LVM_DELETEITEM, row, 0);
    }
}

void ListView::set_cell(int row, int column, std::string_view text) {
    if (!has_cell(row, column)) {
        return;
    }
    std::wstring wide = to_wide(text);
    LVITEMW item = {};
    item.iSubItem = column;
    item.pszText = wide.data();
    SendMessageW(hwnd_, LVM_SETITEMTEXTW, row, reinterpret_cast<LPARAM>(&item));
}

std::string ListView::cell_text(int row, int column) const {
    if (!has_cell(row, column)) {
        return {};
    }
    // The control copies at most the buffer's size and says how much it
    // copied: a full buffer may mean a longer text, so grow and ask again.
    std::wstring buffer(256, L'\0');
    for (;;) {
        LVITEMW item = {};
        item.iSubItem = column;
        item.pszText = buffer.data();
        item.cchTextMax = static_cast<int>(buffer.size());
        const auto copied = static_cast<size_t>(
            SendMessageW(hwnd_, LVM_GETITEMTEXTW, row, reinterpret_cast<LPARAM>(&item)));
        if (copied + 1 < buffer.size()) {
            buffer.resize(copied);
            return to_utf8(buffer);
        }
        buffer.resize(buffer.size() * 2);
    }
}

int ListView::selection() const {
    return static_cast<int>(SendMessageW(hwnd_, LVM_GETNEXTITEM, static_cast<WPARAM>(-1),
                                         MAKELPARAM(LVNI_SELECTED, 0)));
}

} // namespace korvath
