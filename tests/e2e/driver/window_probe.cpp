// Control access across processes. List view cells live in the other
// process, so requests and texts travel through a block allocated there.
#include "driver/window_probe.h"

#include "driver/program.h"

#include "text/encoding_win32.h"
#include "ui/control_ops.h"

#include <commctrl.h>

#include <stdexcept>
#include <vector>

namespace korvath::e2e {
namespace {

Control parent_of(Control c) {
    int id = control_id(c);
    if (id > kOptionBoxIdBase) {
        return panel_of_box(id - kOptionBoxIdBase);
    }
    switch (c) {
    case Control::全部选择按钮5:
        return Control::分组框5;
    case Control::全部选择按钮7:
        return Control::分组框7;
    case Control::透明标签2:
        return Control::分组框使用说明;
    default:
        return c;
    }
}

LRESULT send(HWND window, UINT message, WPARAM w, LPARAM l) {
    DWORD_PTR result = 0;
    SendMessageTimeoutW(window, message, w, l, SMTO_ABORTIFHUNG, 10000, &result);
    return static_cast<LRESULT>(result);
}

void post_click(HWND window, POINT at) {
    LPARAM where = MAKELPARAM(at.x, at.y);
    PostMessageW(window, WM_MOUSEMOVE, 0, where);
    PostMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, where);
    PostMessageW(window, WM_LBUTTONUP, 0, where);
}

// A block of memory inside the program's process.
class RemoteBlock {
  public:
    RemoteBlock(HWND owner, std::size_t size) : size_(size) {
        DWORD pid = 0;
        GetWindowThreadProcessId(owner, &pid);
        process_ =
            OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, pid);
        if (!process_) {
            throw std::runtime_error("cannot open the program's process");
        }
        address_ =
            VirtualAllocEx(process_, nullptr, size, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE);
    }
    RemoteBlock(const RemoteBlock&) = delete;
    RemoteBlock& operator=(const RemoteBlock&) = delete;
    ~RemoteBlock() {
        VirtualFreeEx(process_, address_, 0, MEM_RELEASE);
        CloseHandle(process_);
    }
    char* address() const { return static_cast<char*>(address_); }
    void write(std::size_t offset, const void* data, std::size_t size) const {
        WriteProcessMemory(process_, address() + offset, data, size, nullptr);
    }
    void read(std::size_t offset, void* data, std::size_t size) const {
        ReadProcessMemory(process_, address() + offset, data, size, nullptr);
    }
    std::size_t size() const { return size_; }

  private:
    HANDLE process_ = nullptr;
    void* address_ = nullptr;
    std::size_t size_;
};

} // namespace

HWND WindowProbe::control(Control c) const {
    Control parent = parent_of(c);
    HWND holder = parent == c ? main_ : GetDlgItem(main_, control_id(parent));
    return GetDlgItem(holder, control_id(c));
}

std::string WindowProbe::text_of(HWND window) {
    auto length = static_cast<std::size_t>(send(window, WM_GETTEXTLENGTH, 0, 0));
    std::wstring text(length + 1, L'\0');
    auto copied = static_cast<std::size_t>(
        send(window, WM_GETTEXT, length + 1, reinterpret_cast<LPARAM>(text.data())));
    text.resize(copied);
    return to_utf8(text);
}

bool WindowProbe::ticked(int number) const {
    return send(box(number), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

bool WindowProbe::all_ticked(int first, int last, bool want) const {
    for (int number = first; number <= last; ++number) {
        if (ticked(number) != want) {
            return false;
        }
    }
    return true;
}

bool WindowProbe::all_lockable_enabled(bool want) const {
    for (Control c : lockable_controls()) {
        if (enabled(c) != want) {
            return false;
        }
    }
    return true;
}

void WindowProbe::settle() const {
    send(main_, WM_NULL, 0, 0);
}

void WindowProbe::click(Control c) const {
    PostMessageW(control(c), BM_CLICK, 0, 0);
}

void WindowProbe::click_box(int number) const {
    HWND window = box(number);
    RECT area;
    GetClientRect(window, &area);
    post_click(window, {8, (area.bottom - area.top) / 2});
}

void WindowProbe::press_key(Control target, WPARAM key) const {
    HWND window = control(target);
    PostMessageW(window, WM_KEYDOWN, key, 1);
    PostMessageW(window, WM_KEYUP, key, static_cast<LPARAM>(0xC0000001u));
}

std::string WindowProbe::tooltip(int number) const {
    DWORD pid = 0;
    GetWindowThreadProcessId(main_, &pid);
    HWND tips = find_process_window(pid, TOOLTIPS_CLASSW);
    if (!tips) {
        return {};
    }
    const std::size_t chars = 1024;
    RemoteBlock block(tips, sizeof(TTTOOLINFOW) + chars * sizeof(wchar_t));
    TTTOOLINFOW tool{};
    tool.cbSize = TTTOOLINFOW_V2_SIZE;
    tool.hwnd = GetParent(box(number));
    tool.uId = reinterpret_cast<UINT_PTR>(box(number));
    tool.lpszText = reinterpret_cast<LPWSTR>(block.address() + sizeof(TTTOOLINFOW));
    block.write(0, &tool, sizeof tool);
    std::wstring text(chars, L'\0');
    block.write(sizeof(TTTOOLINFOW), text.data(), chars * sizeof(wchar_t));
    send(tips, TTM_GETTEXTW, chars, reinterpret_cast<LPARAM>(block.address()));
    block.read(sizeof(TTTOOLINFOW), text.data(), chars * sizeof(wchar_t));
    text.resize(wcsnlen(text.c_str(), chars));
    return to_utf8(text);
}

int WindowProbe::row_count() const {
    return static_cast<int>(send(control(Control::超级列表框1), LVM_GETITEMCOUNT, 0, 0));
}

std::string WindowProbe::cell(int row, int column) const {
    HWND list = control(Control::超级列表框1);
    std::size_t chars = 256;
    for (;;) {
        RemoteBlock block(list, sizeof(LVITEMW) + chars * sizeof(wchar_t));
        LVITEMW item{};
        item.iSubItem = column;
        item.cchTextMax = static_cast<int>(chars);
        item.pszText = reinterpret_cast<LPWSTR>(block.address() + sizeof(LVITEMW));
        block.write(0, &item, sizeof item);
        auto length =
            static_cast<std::size_t>(send(list, LVM_GETITEMTEXTW, static_cast<WPARAM>(row),
                                          reinterpret_cast<LPARAM>(block.address())));
        if (length + 1 < chars) {
            std::wstring text(length, L'\0');
            block.read(sizeof(LVITEMW), text.data(), length * sizeof(wchar_t));
            return to_utf8(text);
        }
        chars *= 4;
    }
}

int WindowProbe::selected_row() const {
    return static_cast<int>(send(control(Control::超级列表框1), LVM_GETNEXTITEM,
                                 static_cast<WPARAM>(-1), LVNI_SELECTED));
}

void WindowProbe::click_row(int row) const {
    HWND list = control(Control::超级列表框1);
    RemoteBlock block(list, sizeof(RECT));
    RECT bounds{};
    bounds.left = LVIR_BOUNDS;
    block.write(0, &bounds, sizeof bounds);
    send(list, LVM_GETITEMRECT, static_cast<WPARAM>(row),
         reinterpret_cast<LPARAM>(block.address()));
    block.read(0, &bounds, sizeof bounds);
    post_click(list, {bounds.left + 20, (bounds.top + bounds.bottom) / 2});
}

} // namespace korvath::e2e
