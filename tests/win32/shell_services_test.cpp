// The shell services on real files and folders, and the program's resources.
#include "app/run_directory.h"
#include "app/shell_win32.h"
#include "text/encoding_win32.h"
#include "win32/unique_handle.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

namespace korvath {
namespace {

using Bytes = std::vector<unsigned char>;

Bytes bytes_of(std::string_view text) {
    return Bytes(text.begin(), text.end());
}

// A fresh folder under the temporary directory, removed with what it holds.
class TempFolder {
  public:
    TempFolder() {
        std::wstring base(MAX_PATH + 1, L'\0');
        base.resize(GetTempPathW(static_cast<DWORD>(base.size()), base.data()));
        static unsigned counter = 0;
        path_ = to_utf8(base) + "korvath-shell-" + std::to_string(GetCurrentProcessId()) + "-" +
                std::to_string(++counter);
        CreateDirectoryW(to_wide(path_).c_str(), nullptr);
    }
    ~TempFolder() {
        for (const auto& name : names()) {
            const std::wstring file = to_wide(path_ + "\\" + name);
            SetFileAttributesW(file.c_str(), FILE_ATTRIBUTE_NORMAL);
            DeleteFileW(file.c_str());
            RemoveDirectoryW(file.c_str());
        }
        RemoveDirectoryW(to_wide(path_).c_str());
    }
    const std::string& path() const { return path_; }
    std::string file(const std::string& name) const { return path_ + "\\" + name; }

    // The names the folder holds, "." and ".." left out.
    std::vector<std::string> names() const {
        std::vector<std::string> found;
        WIN32_FIND_DATAW data;
        HANDLE search = FindFirstFileW(to_wide(path_ + "\\*").c_str(), &data);
        if (search == INVALID_HANDLE_VALUE) {
            return found;
        }
        do {
            const std::wstring name = data.cFileName;
            if (name != L"." && name != L"..") {
                found.push_back(to_utf8(name));
            }
        } while (FindNextFileW(search, &data));
        FindClose(search);
        return found;
    }

  private:
    std::string path_;
};

class ShellFiles : public ::testing::Test {
  protected:
    Bytes contents(const std::string& path) const {
        return shell.read_file(path).value_or(bytes_of("<unreadable>"));
    }
    void plant(const std::string& path, std::string_view text) {
        ASSERT_TRUE(shell.write_file(path, bytes_of(text)));
    }

    TempFolder folder;
    Win32ShellServices shell{folder.path(), nullptr};
};

TEST_F(ShellFiles, WriteCreatesOrReplacesWithExactlyTheBytesAndLeavesNoTemporary) {
    const std::string target = folder.file("Launcher.apk");
    plant(target, std::string(5000, 'o'));
    const Bytes block = {'P', 'K', 0, 0, 0xFF, '\r', '\n'};
    EXPECT_TRUE(shell.write_file(target, block));
    EXPECT_EQ(contents(target), block); // the older, longer file is gone whole
    EXPECT_TRUE(shell.write_file(target, {}));
    EXPECT_EQ(contents(target), Bytes{});
    EXPECT_EQ(folder.names(), std::vector<std::string>{"Launcher.apk"});
}

TEST_F(ShellFiles, ReadOnlyOrHeldOpenTargetFailsAndKeepsTheOldFile) {
    const std::string read_only = folder.file("ro.apk");
    const std::string held = folder.file("held.apk");
    plant(read_only, "old read-only");
    plant(held, "old held");
    SetFileAttributesW(to_wide(read_only).c_str(), FILE_ATTRIBUTE_READONLY);
    // Another program reading it, letting others read and write as well.
    UniqueHandle reader(CreateFileW(to_wide(held).c_str(), GENERIC_READ,
                                    FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                                    FILE_ATTRIBUTE_NORMAL, nullptr));
    ASSERT_TRUE(reader);

    EXPECT_FALSE(shell.write_file(read_only, bytes_of("new")));
    EXPECT_FALSE(shell.write_file(held, bytes_of("new")));
    reader.reset();
    EXPECT_EQ(contents(read_only), bytes_of("old read-only"));
    EXPECT_EQ(contents(held), bytes_of("old held"));
    EXPECT_EQ(folder.names().size(), 2u);
}

TEST_F(ShellFiles, WriteFailsWithoutTouchingTheDiskForBadPaths) {
    EXPECT_FALSE(shell.write_file("", bytes_of("x")));
    EXPECT_FALSE(shell.write_file(folder.file("missing\\Launcher.apk"), bytes_of("x")));
    CreateDirectoryW(to_wide(folder.file("a folder")).c_str(), nullptr);
    EXPECT_FALSE(shell.write_file(folder.file("a folder"), bytes_of("x")));
    EXPECT_EQ(folder.names(), std::vector<std::string>{"a folder"});
}

TEST_F(ShellFiles, FileExistsForFilesAndFoldersOnly) {
    plant(folder.file("file.txt"), "x");
    EXPECT_TRUE(shell.file_exists(folder.file("file.txt")));
    EXPECT_TRUE(shell.file_exists(folder.path()));
    EXPECT_FALSE(shell.file_exists(folder.file("nothing.txt")));
    EXPECT_FALSE(shell.file_exists(""));
}

TEST_F(ShellFiles, ReadFileGivesNothingForAMissingFile) {
    EXPECT_FALSE(shell.read_file(folder.file("nothing.txt")).has_value());
    plant(folder.file("中文.txt"), "运行中");
    EXPECT_EQ(contents(folder.file("中文.txt")), bytes_of("运行中"));
}

TEST_F(ShellFiles, ShortPathHasNoBlankOrIsEmpty) {
    const std::string spaced = folder.file("ld player 9");
    CreateDirectoryW(to_wide(spaced).c_str(), nullptr);
    const std::string short_form = shell.short_path(spaced);
    EXPECT_EQ(short_form.find(' '), std::string::npos);
    if (!short_form.empty()) {
        // The same folder under its other name.
        EXPECT_TRUE(shell.file_exists(short_form + "\\."));
    }
    EXPECT_EQ(shell.short_path(folder.file("not there")), "");
}

TEST(ShellDirectories, WorkingDirectoryOfABareDriveIsItsRoot) {
    std::wstring before(GetCurrentDirectoryW(0, nullptr), L'\0');
    before.resize(GetCurrentDirectoryW(static_cast<DWORD>(before.size()), before.data()));
    Win32ShellServices shell("C:", nullptr);
    shell.set_working_directory(shell.get_run_directory());
    std::wstring now(GetCurrentDirectoryW(0, nullptr), L'\0');
    now.resize(GetCurrentDirectoryW(static_cast<DWORD>(now.size()), now.data()));
    SetCurrentDirectoryW(before.c_str());
    EXPECT_EQ(now, L"C:\\");
}

TEST(ShellDirectories, RunDirectoryOfThisProgramHoldsIt) {
    const std::string path = module_file_path(nullptr);
    ASSERT_FALSE(path.empty());
    const std::string run_directory = run_directory_from_module_path(path);
    EXPECT_EQ(path.substr(0, run_directory.size() + 1), run_directory + "\\");
    EXPECT_EQ(path.find('\\', run_directory.size() + 1), std::string::npos);
}

} // namespace
} // namespace korvath
