// Temporary run directories and file helpers for the end-to-end tests.
#include "driver/run_directory.h"

#include "text/encoding_win32.h"

#include <windows.h>

#include <filesystem>
#include <fstream>
#include <stdexcept>

namespace korvath::e2e {
namespace {

std::wstring temp_root() {
    DWORD length = GetTempPathW(0, nullptr);
    std::wstring path(length, L'\0');
    path.resize(GetTempPathW(length, path.data()));
    return path;
}

void remove_tree(const std::wstring& path) {
    WIN32_FIND_DATAW entry;
    HANDLE find = FindFirstFileW((path + L"\\*").c_str(), &entry);
    if (find != INVALID_HANDLE_VALUE) {
        do {
            std::wstring name = entry.cFileName;
            if (name == L"." || name == L"..") {
                continue;
            }
            std::wstring child = path + L"\\" + name;
            if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
                remove_tree(child);
            } else {
                SetFileAttributesW(child.c_str(), FILE_ATTRIBUTE_NORMAL);
                DeleteFileW(child.c_str());
            }
        } while (FindNextFileW(find, &entry));
        FindClose(find);
    }
    RemoveDirectoryW(path.c_str());
}

} // namespace

RunDirectory::RunDirectory(const std::string& name_part) {
    static int counter = 0;
    for (int attempt = 0; attempt < 1000; ++attempt) {
        std::wstring candidate = temp_root() + L"korvath-" + to_wide(name_part) + L"-" +
                                 std::to_wstring(GetCurrentProcessId()) + L"-" +
                                 std::to_wstring(++counter);
        if (CreateDirectoryW(candidate.c_str(), nullptr)) {
            path_ = to_utf8(candidate);
            return;
        }
    }
    throw std::runtime_error("cannot create a run directory");
}

RunDirectory::~RunDirectory() {
    remove_tree(to_wide(path_));
}

void RunDirectory::copy_in(const std::string& source, const std::string& name) const {
    if (!CopyFileW(to_wide(source).c_str(), to_wide(file(name)).c_str(), FALSE)) {
        throw std::runtime_error("cannot copy " + source);
    }
}

void RunDirectory::write(const std::string& name, const std::vector<unsigned char>& bytes) const {
    std::ofstream out(std::filesystem::path(to_wide(file(name))),
                      std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
    if (!out) {
        throw std::runtime_error("cannot write " + name);
    }
}

std::vector<unsigned char> RunDirectory::read(const std::string& name) const {
    return read_whole_file(file(name));
}

bool RunDirectory::exists(const std::string& name) const {
    return GetFileAttributesW(to_wide(file(name)).c_str()) != INVALID_FILE_ATTRIBUTES;
}

std::vector<unsigned char> read_whole_file(const std::string& path) {
    std::ifstream in(std::filesystem::path(to_wide(path)), std::ios::binary);
    return std::vector<unsigned char>(std::istreambuf_iterator<char>(in), {});
}

std::string built_program(const std::string& relative_to_build_root) {
    return std::string(KORVATH_BUILD_ROOT) + "\\" + relative_to_build_root;
}

} // namespace korvath::e2e
