// The real main window in this process: control operations on the real
// controls, clicks reaching the program, keys, and closing while busy.
#include "text/encoding_win32.h"
#include "ui/layout.h"
#include "ui/win32/main_window.h"
#include "win32/window_text.h"
#include "workflow/catalogue.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <commctrl.h>

#include <string>
#include <vector>

namespace korvath {
namespace {

void pump() {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) {
            continue; // the closed window's; the test goes on
        }
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

class MainWindowTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        const INITCOMMONCONTROLSEX classes = {sizeof(INITCOMMONCONTROLSEX),
                                              ICC_STANDARD_CLASSES | ICC_LISTVIEW_CLASSES};
        InitCommonControlsEx(&classes);
    }
    void SetUp() override {
        ASSERT_TRUE(window.exists());
        window.set_click_handler([this](Control control) { clicks.push_back(control); });
    }
    void TearDown() override { pump(); }

    // Finds a control the way a program outside would: by its id inside
    // the window, or inside its panel.
    HWND child(Control control) const {
        for (const auto& entry : window_layout()) {
            if (entry.control == control && entry.parent) {
                return GetDlgItem(GetDlgItem(window.hwnd(), control_id(*entry.parent)),
                                  control_id(control));
            }
        }
        return GetDlgItem(window.hwnd(), control_id(control));
    }
    std::string echo_text() const { return window_text(child(Control::回显编辑框)); }
    void select_echo(int from, int to) {
        SendMessageW(child(Control::回显编辑框), EM_SETSEL, from, to);
    }
    std::pair<int, int> echo_selection() const {
        DWORD from = 0;
        DWORD to = 0;
        SendMessageW(child(Control::回显编辑框), EM_GETSEL, reinterpret_cast<WPARAM>(&from),
                     reinterpret_cast<LPARAM>(&to));
        return {static_cast<int>(from), static_cast<int>(to)};
    }
    void select_row(int row) {
        LVITEMW item = {};
        item.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
        item.state = LVIS_SELECTED | LVIS_FOCUSED;
        SendMessageW(child(Control::超级列表框1), LVM_SETITEMSTATE, row,
                     reinterpret_cast<LPARAM>(&item));
    }
    void key(HWND target, WPARAM code, wchar_t character = 0) {
        SendMessageW(target, WM_KEYDOWN, code, 1);
        if (character != 0) {
            SendMessageW(target, WM_CHAR, character, 1);
        }
        pump();
    }

    MainWindow window{GetModuleHandleW(nullptr), nullptr};
    std::vector<Control> clicks;
};

TEST_F(MainWindowTest, AppendLandsAtTheEndWhateverTheUserSelected) {
    window.set_echo("第一行😀\r\n");
    window.append_echo("b");
    select_echo(1, 3); // the user selected a piece in the middle
    window.append_echo("运行中\r\n");
    window.append_echo("");
    EXPECT_EQ(echo_text(), "第一行😀\r\nb运行中\r\n");
    const int length = GetWindowTextLengthW(child(Control::回显编辑框));
    EXPECT_EQ(echo_selection(), std::make_pair(length, length));
    EXPECT_EQ(SendMessageW(child(Control::回显编辑框), EM_CANUNDO, 0, 0), 0);

    window.set_echo("new start");
    EXPECT_EQ(echo_text(), "new start");
    EXPECT_EQ(echo_selection(), std::make_pair(0, 0));
}

TEST_F(MainWindowTest, EchoBoxTakesMoreThanTheDefaultLimit) {
    const std::string line(99, 'x');
    std::string expected;
    for (int i = 0; i < 500; ++i) { // 50,500 characters
        window.append_echo(line + "\n");
        expected += line + "\n";
    }
    EXPECT_EQ(echo_text(), expected);
}

TEST_F(MainWindowTest, ListRowsAndCellsWholeWhateverTheirLength) {
    EXPECT_EQ(window.list_append_row("0"), 0);
    EXPECT_EQ(window.list_append_row("1"), 1);
    const std::string long_name(1500, 'n');
    window.list_set_cell(1, 1, long_name + "雷电");
    window.list_set_cell(1, 3, "7.1.2");
    window.list_set_cell(5, 1, "no such row");
    window.list_set_cell(0, 4, "no such column");
    EXPECT_EQ(window.list_cell_text(1, 1), long_name + "雷电");
    EXPECT_EQ(window.list_cell_text(1, 3), "7.1.2");
    EXPECT_EQ(window.list_cell_text(0, 2), "");
    for (auto [row, column] : {std::pair{-1, 0}, {2, 0}, {0, -1}, {0, 4}}) {
        EXPECT_EQ(window.list_cell_text(row, column), "") << row << "," << column;
    }

    EXPECT_EQ(window.list_selection(), -1);
    select_row(1);
    EXPECT_EQ(window.list_selection(), 1);
    window.list_delete_row(0);
    EXPECT_EQ(window.list_cell_text(0, 0), "1");
    EXPECT_EQ(window.list_cell_text(1, 0), "");
    window.list_delete_all();
    EXPECT_EQ(window.list_selection(), -1);
    EXPECT_EQ(window.list_cell_text(0, 0), "");
}

TEST_F(MainWindowTest, TicksSurviveHiddenPanelsAndDisabling) {
    window.show();
    window.tick_option_box(3, true);
    window.tick_option_box(61, true);
    window.set_panel_visible(Control::分组框7, false);
    EXPECT_FALSE(IsWindowVisible(child(option_box(3))));
    EXPECT_EQ(window.is_option_ticked(3), 1);
    EXPECT_EQ(window.is_option_ticked(4), 0);
    EXPECT_EQ(window.option_caption(61), box_caption(61));

    set_controls_disabled(window, true);
    for (Control control : lockable_controls()) {
        EXPECT_FALSE(IsWindowEnabled(child(control))) << control_id(control);
    }
    for (Control control : {Control::回显编辑框, Control::分组框使用说明, Control::分组框5,
                            Control::分组框7, Control::透明标签2}) {
        EXPECT_TRUE(IsWindowEnabled(child(control))) << control_id(control);
    }
    set_controls_disabled(window, false);
    EXPECT_TRUE(IsWindowEnabled(child(option_box(61))));
    EXPECT_EQ(window.is_option_ticked(61), 1);

    window.set_panel_visible(Control::分组框使用说明, false);
    window.set_panel_visible(Control::分组框7, true);
    reset_option_panels(window);
    EXPECT_TRUE(IsWindowVisible(child(Control::分组框使用说明)));
    EXPECT_FALSE(IsWindowVisible(child(Control::分组框7)));
    EXPECT_FALSE(IsWindowVisible(child(Control::分组框5)));
    EXPECT_EQ(window.is_option_ticked(3), 0);
    EXPECT_EQ(window.is_option_ticked(61), 0);
}

TEST_F(MainWindowTest, ButtonsInsideAndOutsidePanelsReachTheProgram) {
    for (Control button : {Control::刷新按钮, Control::全部选择按钮5, Control::全部选择按钮7}) {
        SendMessageW(child(button), BM_CLICK, 0, 0);
    }
    SendMessageW(child(option_box(40)), BM_CLICK, 0, 0); // a box's click runs nothing
    const std::vector<Control> expected = {Control::刷新按钮, Control::全部选择按钮5,
                                           Control::全部选择按钮7, option_box(40)};
    EXPECT_EQ(clicks, expected);
    EXPECT_EQ(window.is_option_ticked(40), 1); // the user's own click ticks it
}

TEST_F(MainWindowTest, OnlyTheListsOwnLeftClickCounts) {
    window.show();
    window.list_append_row("0");
    HWND list = child(Control::超级列表框1);
    RECT row = {LVIR_BOUNDS, 0, 0, 0};
    SendMessageW(list, LVM_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&row));
    const LPARAM at = MAKELPARAM(row.left + 10, (row.top + row.bottom) / 2);
    auto press = [&](HWND target, UINT down, UINT up, LPARAM where) {
        PostMessageW(target, down, down == WM_LBUTTONDOWN ? MK_LBUTTON : MK_RBUTTON, where);
        PostMessageW(target, up, 0, where);
        pump();
    };
    press(list, WM_RBUTTONDOWN, WM_RBUTTONUP, at);
    press(ListView_GetHeader(list), WM_LBUTTONDOWN, WM_LBUTTONUP, MAKELPARAM(10, 5));
    SetFocus(list);
    key(list, VK_DOWN);
    EXPECT_TRUE(clicks.empty());
    press(list, WM_LBUTTONDOWN, WM_LBUTTONUP, at);
    press(list, WM_LBUTTONDOWN, WM_LBUTTONUP, at); // the same row again
    EXPECT_EQ(clicks, std::vector<Control>(2, Control::超级列表框1));
}

TEST_F(MainWindowTest, TabMovesThroughEnabledStopsAndEnterIsANewLine) {
    window.show();
    HWND start = child(Control::开始精简按钮);
    HWND echo = child(Control::回显编辑框);
    SetFocus(start);
    key(start, VK_TAB, L'\t');
    EXPECT_EQ(GetFocus(), echo);
    window.set_control_disabled(Control::开始精简按钮, true);
    SHORT shift_down = static_cast<SHORT>(0x8000);
    BYTE keys[256];
    GetKeyboardState(keys);
    keys[VK_SHIFT] = static_cast<BYTE>(shift_down >> 8);
    SetKeyboardState(keys);
    key(echo, VK_TAB, L'\t');
    keys[VK_SHIFT] = 0;
    SetKeyboardState(keys);
    EXPECT_EQ(GetFocus(), child(Control::精简选项按钮));

    SetFocus(echo);
    key(echo, VK_RETURN, L'\r');
    EXPECT_EQ(echo_text(), "\r\n"); // no tab typed by the moves above
    EXPECT_TRUE(clicks.empty());
}

TEST_F(MainWindowTest, EscFromAControlClosesTheWindow) {
    key(child(Control::回显编辑框), VK_ESCAPE);
    EXPECT_FALSE(window.exists());
}

TEST_F(MainWindowTest, CloseWhileBusyWaitsForTheHandler) {
    bool open_after_request = false;
    window.set_click_handler([&](Control) {
        BusyScope busy(window.close_guard());
        SendMessageW(window.hwnd(), WM_CLOSE, 0, 0);
        open_after_request = window.exists();
    });
    SendMessageW(child(Control::刷新按钮), BM_CLICK, 0, 0);
    EXPECT_TRUE(open_after_request);
    EXPECT_TRUE(window.close_requested());
    // The close is posted, so that the clicked button is off the stack.
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        DispatchMessageW(&message);
    }
    EXPECT_FALSE(window.exists());
}

TEST_F(MainWindowTest, EndingWindowsWhileBusyIsHeldOffLikeAClose) {
    LRESULT answer_while_busy = TRUE;
    window.set_click_handler([&](Control) {
        BusyScope busy(window.close_guard());
        answer_while_busy = SendMessageW(window.hwnd(), WM_QUERYENDSESSION, 0, 0);
    });
    SendMessageW(child(Control::刷新按钮), BM_CLICK, 0, 0);
    EXPECT_EQ(answer_while_busy, FALSE);
    EXPECT_TRUE(window.close_requested());
    EXPECT_EQ(echo_text(), std::string(kCloseDeferredNotice));
}

TEST_F(MainWindowTest, CloseRequestWhileBusyIsNotedInTheEchoBox) {
    std::string echo_during_run;
    window.set_click_handler([&](Control) {
        BusyScope busy(window.close_guard());
        window.append_echo("running\r\n");
        SendMessageW(window.hwnd(), WM_CLOSE, 0, 0);
        echo_during_run = echo_text();
    });
    SendMessageW(child(Control::刷新按钮), BM_CLICK, 0, 0);
    EXPECT_EQ(echo_during_run, "running\r\n" + std::string(kCloseDeferredNotice));
}

BOOL CALLBACK find_tooltips(HWND hwnd, LPARAM found) {
    wchar_t name[64] = {};
    GetClassNameW(hwnd, name, 64);
    if (std::wstring(name) == TOOLTIPS_CLASSW) {
        *reinterpret_cast<HWND*>(found) = hwnd;
        return FALSE;
    }
    return TRUE;
}

TEST_F(MainWindowTest, EveryOptionBoxTellsItsRisk) {
    HWND tips = nullptr;
    EnumThreadWindows(GetCurrentThreadId(), find_tooltips, reinterpret_cast<LPARAM>(&tips));
    ASSERT_NE(tips, nullptr);
    EXPECT_EQ(GetWindow(tips, GW_OWNER), window.hwnd());
    EXPECT_EQ(SendMessageW(tips, TTM_GETTOOLCOUNT, 0, 0), kOptionBoxCount);
    for (int box : {1, 34, 35, 61}) {
        std::wstring text(1024, L'\0');
        TTTOOLINFOW tool = {};
        tool.cbSize = TTTOOLINFOW_V2_SIZE;
        tool.hwnd = GetParent(child(option_box(box)));
        tool.uId = reinterpret_cast<UINT_PTR>(child(option_box(box)));
        tool.lpszText = text.data();
        SendMessageW(tips, TTM_GETTEXTW, text.size(), reinterpret_cast<LPARAM>(&tool));
        text.resize(wcslen(text.c_str()));
        EXPECT_EQ(to_utf8(text), option_tooltip(box)) << box;
    }
}

} // namespace
} // namespace korvath
