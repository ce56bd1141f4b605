// Start-up: the run directory's cut and the created-event handler's steps.
#include "app/run_directory.h"
#include "app/startup.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace korvath {
namespace {

struct RunDirectoryCase {
    const char* module_path;
    const char* run_directory;
};

TEST(RunDirectory, IsEverythingBeforeTheLastBackslash) {
    const std::vector<RunDirectoryCase> cases = {
        {"C:\\Emu\\tool.exe", "C:\\Emu"},
        {"C:\\tool.exe", "C:"},
        {"D:\\雷电模拟器\\ld 9\\korvath.exe", "D:\\雷电模拟器\\ld 9"},
        {"\\\\server\\share\\k.exe", "\\\\server\\share"},
        {"C:\\a.b\\c", "C:\\a.b"},
        {"tool.exe", ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(run_directory_from_module_path(c.module_path), c.run_directory) << c.module_path;
    }
}

TEST(RunDirectory, LauncherFileLiesInIt) {
    EXPECT_EQ(launcher_file_path("C:\\Emu"), "C:\\Emu\\Launcher.apk");
    EXPECT_EQ(launcher_file_path("C:"), "C:\\Launcher.apk");
}

// Records every call in order, so the handler's sequence can be checked.
class RecordingShell final : public ShellServices {
  public:
    mutable std::vector<std::string> calls;
    bool write_succeeds = true;
    std::vector<unsigned char> written;
    const std::vector<unsigned char> package = {'P', 'K', 3, 4, 0, 0xFF};

    std::string get_run_directory() const override {
        calls.push_back("get_run_directory");
        return "C:\\Emu";
    }
    bool file_exists(const std::string&) const override { return false; }
    bool write_file(const std::string& path, ByteView bytes) override {
        calls.push_back("write_file " + path);
        written.assign(bytes.begin(), bytes.end());
        return write_succeeds;
    }
    void set_working_directory(const std::string& path) override {
        calls.push_back("set_working_directory " + path);
    }
    void show_message_box(const std::string& text, int style, const std::string& title) override {
        calls.push_back("show_message_box " + title + " " + std::to_string(style));
        box_text = text;
    }
    std::optional<std::vector<unsigned char>> read_file(const std::string&) const override {
        return std::nullopt;
    }
    std::string short_path(const std::string&) const override { return {}; }
    ByteView launcher_package() const override { return package; }

    std::string box_text;
};

TEST(WindowCreated, WritesLauncherThenTipsThenShowsAndStoresRunDirectory) {
    RecordingShell shell;
    AppState state;
    handle_window_created(shell, state, [&] { shell.calls.push_back("visible"); });

    const std::vector<std::string> expected = {
        "get_run_directory",
        "write_file C:\\Emu\\Launcher.apk",
        "show_message_box 友情提示： 48",
        "visible",
        "get_run_directory",
        "set_working_directory C:\\Emu",
    };
    EXPECT_EQ(shell.calls, expected);
    EXPECT_EQ(shell.written, shell.package);
    EXPECT_EQ(state.stored_run_directory, "C:\\Emu");
    EXPECT_EQ(shell.box_text.rfind("1、本工具仅支持【雷电系列", 0), 0u);
    EXPECT_NE(shell.box_text.find("无法启动\r\n4、"), std::string::npos);
}

TEST(WindowCreated, FailedWriteEndsTheHandlerSilently) {
    RecordingShell shell;
    shell.write_succeeds = false;
    AppState state;
    bool visible = false;
    handle_window_created(shell, state, [&] { visible = true; });

    const std::vector<std::string> expected = {"get_run_directory",
                                               "write_file C:\\Emu\\Launcher.apk"};
    EXPECT_EQ(shell.calls, expected);
    EXPECT_FALSE(visible); // the start-up shows the window itself afterwards
    EXPECT_TRUE(state.stored_run_directory.empty());
}

} // namespace
} // namespace korvath
