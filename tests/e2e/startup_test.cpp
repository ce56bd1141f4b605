// Start-up, the main window as a user first sees it, and shut-down.
#include "driver/files.h"
#include "driver/program.h"
#include "driver/window_probe.h"
#include "sim_fixture.h"
#include "text/encoding_win32.h"

#include <gtest/gtest.h>

#include <commctrl.h>

#include <algorithm>

namespace korvath::e2e {
namespace {

const char* const kTipsText =
    "1、本工具仅支持【雷电系列（雷神、雷电）模拟器】系统精简，其他模拟器请下载相应工具；\r\n"
    "2、请将本工具放在模拟器目录中运行；\r\n"
    "3、在使用本工具前，请确认模拟器安装路径没有空格等特殊符号，否则会可能造成精简后模拟器无法启动"
    "\r\n"
    "4、本工具在Dunmere论坛发布，其他途径下载，请注意查毒";

std::vector<unsigned char> built_launcher() {
    return read_whole_file(built_program("resources\\launcher\\Launcher.apk"));
}

class Startup : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(dir.ok()) << dir.error();
        ASSERT_TRUE(copy_built_program("korvath.exe", dir.path(), "korvath.exe"));
    }
    std::string exe() const { return file("korvath.exe"); }
    std::string file(const std::string& name) const { return dir.path() + "\\" + name; }
    void write(const std::string& name, const std::vector<unsigned char>& bytes) const {
        ASSERT_TRUE(
            dir.write_file(name, {reinterpret_cast<const char*>(bytes.data()), bytes.size()}));
    }
    std::vector<unsigned char> read(const std::string& name) const {
        return read_whole_file(file(name));
    }

    sim_fixture::RunDirectory dir;
};

TEST_F(Startup, TipsBoxComesFirstThenTheWindowWithEveryControl) {
    Program program(exe());
    HWND box = program.wait_for_message_box(30000);
    ASSERT_NE(box, nullptr);
    HWND window = program.main_window();
    ASSERT_NE(window, nullptr);
    EXPECT_FALSE(IsWindowVisible(window)) << "the window must wait for the tips box";
    MessageBoxText tips = program.read_message_box(box);
    EXPECT_EQ(tips.title, "友情提示：");
    EXPECT_EQ(tips.text, kTipsText);
    program.press_ok(box);
    ASSERT_TRUE(wait_until([&] { return IsWindowVisible(window) != FALSE; }, 10000));

    WindowProbe ui(window);
    EXPECT_EQ(WindowProbe::text_of(window), "Korvath By：Dunmere Quarnet");
    struct Expected {
        Control control;
        const char* text;
    } const texts[] = {
        {Control::刷新按钮, "刷新信息"},
        {Control::精简选项按钮, "精简选项"},
        {Control::开始精简按钮, "开始精简"},
        {Control::分组框使用说明, "使用说明："},
        {Control::分组框5, "安卓5精简选项："},
        {Control::分组框7, "安卓7精简选项："},
        {Control::全部选择按钮5, "全部选择"},
        {Control::全部选择按钮7, "全部选择"},
        {Control::回显编辑框, ""},
    };
    for (const auto& expected : texts) {
        EXPECT_EQ(ui.text(expected.control), expected.text) << control_id(expected.control);
    }
    EXPECT_EQ(ui.text(option_box(1)), "BasicSmsReceiver");
    EXPECT_EQ(ui.text(option_box(34)), "替换Launcher，去除桌面广告");
    EXPECT_EQ(ui.text(option_box(51)), "ldAppStore");
    EXPECT_EQ(ui.text(Control::透明标签2).rfind("　　本工具仅适于雷电系列", 0), 0u);
    EXPECT_EQ(ui.row_count(), 0);
    EXPECT_TRUE(ui.all_lockable_enabled(true));
    EXPECT_TRUE(ui.all_ticked(1, kOptionBoxCount, false));

    // All three panels exist shown; the instructions panel is the one on top.
    EXPECT_TRUE(ui.visible(Control::分组框使用说明));
    HWND instructions = ui.control(Control::分组框使用说明);
    RECT area;
    GetWindowRect(instructions, &area);
    POINT middle{(area.left + area.right) / 2, (area.top + area.bottom) / 2};
    ScreenToClient(window, &middle);
    EXPECT_EQ(ChildWindowFromPointEx(window, middle, CWP_SKIPINVISIBLE), instructions);

    ui.press_key(Control::回显编辑框, VK_ESCAPE);
    EXPECT_EQ(program.wait_for_exit(10000), 0);
}

TEST_F(Startup, EchoBoxAndListCarryTheirStyles) {
    Program program(exe());
    WindowProbe ui(program.start_to_main_window());
    HWND echo = ui.control(Control::回显编辑框);
    auto echo_style = static_cast<DWORD>(GetWindowLongPtrW(echo, GWL_STYLE));
    EXPECT_TRUE(echo_style & ES_MULTILINE);
    EXPECT_TRUE(echo_style & WS_VSCROLL);
    EXPECT_FALSE(echo_style & WS_HSCROLL);
    EXPECT_FALSE(echo_style & ES_AUTOHSCROLL);
    EXPECT_FALSE(echo_style & ES_NOHIDESEL);
    EXPECT_FALSE(echo_style & ES_READONLY);
    EXPECT_GT(SendMessageW(echo, EM_GETLIMITTEXT, 0, 0), 32767);

    HWND list = ui.control(Control::超级列表框1);
    auto list_style = static_cast<DWORD>(GetWindowLongPtrW(list, GWL_STYLE));
    EXPECT_EQ(list_style & LVS_TYPEMASK, static_cast<DWORD>(LVS_REPORT));
    EXPECT_TRUE(list_style & LVS_SINGLESEL);
    EXPECT_FALSE(list_style & LVS_SHOWSELALWAYS);
    EXPECT_FALSE(list_style & LVS_EDITLABELS);
    auto extended = static_cast<DWORD>(SendMessageW(list, LVM_GETEXTENDEDLISTVIEWSTYLE, 0, 0));
    EXPECT_TRUE(extended & LVS_EX_FULLROWSELECT);
    EXPECT_TRUE(extended & LVS_EX_GRIDLINES);
    EXPECT_FALSE(extended & (LVS_EX_CHECKBOXES | LVS_EX_TRACKSELECT | LVS_EX_HEADERDRAGDROP));

    ui.close();
    EXPECT_EQ(program.wait_for_exit(10000), 0);
}

TEST_F(Startup, ListClickShowsTheInstructionsAlone) {
    Program program(exe());
    WindowProbe ui(program.start_to_main_window());
    HWND list = ui.control(Control::超级列表框1);
    RECT area;
    GetClientRect(list, &area);
    LPARAM where = MAKELPARAM(40, area.bottom - 10);
    PostMessageW(list, WM_LBUTTONDOWN, MK_LBUTTON, where);
    PostMessageW(list, WM_LBUTTONUP, 0, where);
    ASSERT_TRUE(wait_until([&] { return !ui.visible(Control::分组框5); }, 5000));
    EXPECT_FALSE(ui.visible(Control::分组框7));
    EXPECT_TRUE(ui.visible(Control::分组框使用说明));
    ui.close();
    EXPECT_EQ(program.wait_for_exit(10000), 0);
}

TEST_F(Startup, LauncherFileIsWrittenWholeOverALongerOldOne) {
    std::vector<unsigned char> expected = built_launcher();
    ASSERT_FALSE(expected.empty());
    write("Launcher.apk", std::vector<unsigned char>(expected.size() + 4096, 'x'));
    Program program(exe());
    program.start_to_main_window();
    EXPECT_EQ(read("Launcher.apk"), expected);
    // The replacement leaves nothing else behind in the run directory.
    std::vector<std::string> names;
    WIN32_FIND_DATAW entry;
    HANDLE find = FindFirstFileW(to_wide(file("*")).c_str(), &entry);
    ASSERT_NE(find, INVALID_HANDLE_VALUE);
    do {
        names.push_back(to_utf8(entry.cFileName));
    } while (FindNextFileW(find, &entry));
    FindClose(find);
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::string>{".", "..", "Launcher.apk", "korvath.exe",
                                               "ldconsole.exe"}));
}

enum class Blocker { read_only, held_open };

class UnwritableLauncher : public Startup, public ::testing::WithParamInterface<Blocker> {};

TEST_P(UnwritableLauncher, NoTipsBoxTheWindowShowsAndTheOldFileStays) {
    const std::vector<unsigned char> old_bytes = {'o', 'l', 'd'};
    write("Launcher.apk", old_bytes);
    std::wstring path = to_wide(file("Launcher.apk"));
    HANDLE holder = INVALID_HANDLE_VALUE;
    if (GetParam() == Blocker::read_only) {
        SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_READONLY);
    } else {
        holder = CreateFileW(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
        ASSERT_NE(holder, INVALID_HANDLE_VALUE);
    }
    Program program(exe());
    HWND window = program.wait_for_main_window(30000);
    ASSERT_NE(window, nullptr);
    ASSERT_TRUE(wait_until([&] { return IsWindowVisible(window) != FALSE; }, 15000));
    EXPECT_EQ(program.message_box(), nullptr);
    if (holder != INVALID_HANDLE_VALUE) {
        CloseHandle(holder);
    }
    EXPECT_EQ(read("Launcher.apk"), old_bytes);
    WindowProbe(window).close();
    EXPECT_EQ(program.wait_for_exit(10000), 0);
}

INSTANTIATE_TEST_SUITE_P(Blockers, UnwritableLauncher,
                         ::testing::Values(Blocker::read_only, Blocker::held_open));

} // namespace
} // namespace korvath::e2e
