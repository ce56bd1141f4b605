// The built program carries its manifest, version, icon and launcher package,
// and imports nothing but the system's known DLLs and the common controls.
#include "app/resource_ids.h"
#include "app/shell_win32.h"
#include "text/encoding_win32.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <cstring>
#include <set>
#include <string>

namespace korvath {
namespace {

// Paths of the build tree, seen from Wine through its Z: drive.
std::string windows_path(std::string unix_path) {
    std::replace(unix_path.begin(), unix_path.end(), '/', '\\');
    return "Z:" + unix_path;
}

const std::string kProgram = windows_path(KORVATH_PROGRAM_FILE);
const std::string kLauncher = windows_path(KORVATH_LAUNCHER_FILE);

class ProgramResources : public ::testing::Test {
  protected:
    void SetUp() override {
        module = LoadLibraryExW(to_wide(kProgram).c_str(), nullptr,
                                LOAD_LIBRARY_AS_IMAGE_RESOURCE | LOAD_LIBRARY_AS_DATAFILE);
        ASSERT_NE(module, nullptr) << kProgram;
    }
    void TearDown() override { FreeLibrary(module); }

    std::string resource_text(LPCWSTR type, int id) const {
        HRSRC found = FindResourceW(module, MAKEINTRESOURCEW(id), type);
        if (found == nullptr) {
            return {};
        }
        const auto* data = static_cast<const char*>(LockResource(LoadResource(module, found)));
        return std::string(data, SizeofResource(module, found));
    }

    HMODULE module = nullptr;
    Win32ShellServices shell{"C:", nullptr};
};

TEST_F(ProgramResources, LauncherPackageIsTheBuiltFile) {
    const auto expected = shell.read_file(kLauncher);
    ASSERT_TRUE(expected.has_value()) << kLauncher;
    const ByteView carried = find_rcdata(module, KORVATH_IDR_LAUNCHER);
    EXPECT_EQ(std::vector<unsigned char>(carried.begin(), carried.end()), *expected);
    EXPECT_TRUE(find_rcdata(module, KORVATH_IDR_LAUNCHER + 1).empty());
}

TEST_F(ProgramResources, ManifestAsksForCommonControlsSixAsInvokerAndDpiAwareness) {
    const std::string manifest = resource_text(RT_MANIFEST, 1);
    for (const char* part : {"name=\"Microsoft.Windows.Common-Controls\" version=\"6.0.0.0\"",
                             "level=\"asInvoker\"", ">true</dpiAware>"}) {
        EXPECT_NE(manifest.find(part), std::string::npos) << part;
    }
    EXPECT_NE(FindResourceW(module, MAKEINTRESOURCEW(KORVATH_IDI_APP), RT_GROUP_ICON), nullptr);
}

TEST_F(ProgramResources, VersionNamesTheProductAndTheProjectVersion) {
    const std::string block = resource_text(RT_VERSION, 1);
    ASSERT_FALSE(block.empty());
    const auto* wide = reinterpret_cast<const wchar_t*>(block.data());
    const std::wstring text(wide, block.size() / sizeof(wchar_t));
    // A value follows its key after the key's terminator and alignment padding.
    const auto key = text.find(L"ProductName");
    ASSERT_NE(key, std::wstring::npos);
    const auto value = text.find_first_not_of(L'\0', key + 11);
    EXPECT_EQ(text.compare(value, 8, std::wstring(L"Korvath") + L'\0'), 0);
    EXPECT_NE(text.find(to_wide(KORVATH_PROJECT_VERSION)), std::wstring::npos);
}

// The DLL names of the program's import table, read from the file.
std::set<std::string> imported_dlls(const std::vector<unsigned char>& image) {
    auto at = [&](size_t offset, auto value) {
        std::memcpy(&value, image.data() + offset, sizeof value);
        return value;
    };
    const auto pe = at(0x3C, std::uint32_t{});
    const auto sections = at(pe + 6, std::uint16_t{});
    const auto optional_size = at(pe + 20, std::uint16_t{});
    const size_t optional = pe + 24;
    const auto import_rva = at(optional + 120, std::uint32_t{}); // PE32+ data directory 1
    const size_t table = optional + optional_size;
    auto file_offset = [&](std::uint32_t rva) -> size_t {
        for (unsigned i = 0; i < sections; ++i) {
            const size_t s = table + i * 40;
            const auto va = at(s + 12, std::uint32_t{});
            const auto size = at(s + 16, std::uint32_t{});
            if (rva >= va && rva < va + size) {
                return rva - va + at(s + 20, std::uint32_t{});
            }
        }
        return 0;
    };
    std::set<std::string> names;
    for (size_t entry = file_offset(import_rva); at(entry + 12, std::uint32_t{}) != 0;
         entry += 20) {
        std::string name(
            reinterpret_cast<const char*>(&image[file_offset(at(entry + 12, std::uint32_t{}))]));
        std::transform(name.begin(), name.end(), name.begin(), ::tolower);
        names.insert(name);
    }
    return names;
}

TEST(ProgramImports, OnlyKnownSystemDllsAndCommonControls) {
    Win32ShellServices shell("C:", nullptr);
    const auto image = shell.read_file(kProgram);
    ASSERT_TRUE(image.has_value());
    const std::set<std::string> allowed = {"kernel32.dll", "user32.dll", "gdi32.dll", "msvcrt.dll",
                                           "comctl32.dll"};
    const std::set<std::string> imported = imported_dlls(*image);
    EXPECT_TRUE(imported.count("comctl32.dll"));
    for (const auto& name : imported) {
        EXPECT_TRUE(allowed.count(name)) << name;
    }
}

} // namespace
} // namespace korvath
