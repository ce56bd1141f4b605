// The Windows side of the harness: code page, conversions, real cmd.exe.
#include "text/encoding_win32.h"

#include <gtest/gtest.h>

#include <windows.h>

namespace korvath {
namespace {

TEST(Environment, AnsiCodePageIsChinese) {
    EXPECT_EQ(GetACP(), 936u);
}

TEST(Encoding, ChineseRoundTripsThroughUtf16) {
    const std::string text = "运行中，雷电模拟器-1";
    std::wstring wide = to_wide(text);
    EXPECT_EQ(wide, L"运行中，雷电模拟器-1");
    EXPECT_EQ(to_utf8(wide), text);
    EXPECT_EQ(to_wide(""), L"");
}

TEST(Encoding, GbkBytesDecodeToUtf8) {
    const std::string gbk = "\xD4\xCB\xD0\xD0\xD6\xD0"; // 运行中 in GBK
    EXPECT_EQ(ansi_to_utf8(gbk, 936), "运行中");
    EXPECT_EQ(utf8_to_ansi("运行中", 936), gbk);
    // The system code page is 936 here, so the default gives the same.
    EXPECT_EQ(ansi_to_utf8(gbk), "运行中");
}

TEST(Harness, ChildRunsThroughRealCmd) {
    wchar_t system_dir[MAX_PATH];
    GetSystemDirectoryW(system_dir, MAX_PATH);
    std::wstring line = std::wstring(L"\"") + system_dir + L"\\cmd.exe\" /c exit 7";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info{};
    ASSERT_TRUE(CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, CREATE_NO_WINDOW,
                               nullptr, nullptr, &startup, &info));
    EXPECT_EQ(WaitForSingleObject(info.hProcess, 20000), WAIT_OBJECT_0);
    DWORD code = 0;
    GetExitCodeProcess(info.hProcess, &code);
    CloseHandle(info.hThread);
    CloseHandle(info.hProcess);
    EXPECT_EQ(code, 7u);
}

} // namespace
} // namespace korvath
