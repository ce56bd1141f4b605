// Files, the working directory, message boxes and the carried package.
#include "app/shell_win32.h"

#include "app/resource_ids.h"
#include "text/encoding_win32.h"
#include "win32/unique_handle.h"

#include <algorithm>

namespace korvath {
namespace {

constexpr size_t kLargestIo = 1u << 30;

// An existing target must open for exclusive writing: a read-only file, or
// one held open elsewhere, is left as it is. The attribute is checked on its
// own, as an administrator (or root under Wine) may open read-only files.
bool target_may_be_replaced(const std::wstring& target) {
    const DWORD attributes = GetFileAttributesW(target.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY) != 0) {
        return false;
    }
    UniqueHandle existing(CreateFileW(target.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                                      FILE_ATTRIBUTE_NORMAL, nullptr));
    return existing || GetLastError() == ERROR_FILE_NOT_FOUND;
}

// A new file of a name no other writer uses, beside the target.
UniqueHandle create_temporary_beside(const std::wstring& target, std::wstring& name) {
    const std::wstring stem = target + L".~" + std::to_wstring(GetCurrentProcessId()) + L"-";
    for (unsigned attempt = 0; attempt < 100; ++attempt) {
        name = stem + std::to_wstring(attempt) + L".tmp";
        UniqueHandle file(CreateFileW(name.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                      FILE_ATTRIBUTE_NORMAL, nullptr));
        if (file || GetLastError() != ERROR_FILE_EXISTS) {
            return file;
        }
    }
    return UniqueHandle();
}

bool write_all(HANDLE file, ByteView bytes) {
    while (!bytes.empty()) {
        const auto chunk = static_cast<DWORD>(std::min(bytes.size(), kLargestIo));
        DWORD written = 0;
        if (!WriteFile(file, bytes.data(), chunk, &written, nullptr) || written == 0) {
            return false;
        }
        bytes = bytes.subspan(written);
    }
    return true;
}

bool write_and_close(UniqueHandle file, ByteView bytes) {
    const bool written = write_all(file.get(), bytes) && FlushFileBuffers(file.get());
    const bool closed = CloseHandle(file.release()) != 0;
    return written && closed;
}

} // namespace

Win32ShellServices::Win32ShellServices(std::string run_directory, HMODULE resources)
    : run_directory_(std::move(run_directory)),
      launcher_(find_rcdata(resources, KORVATH_IDR_LAUNCHER)) {}

bool Win32ShellServices::file_exists(const std::string& path) const {
    return !path.empty() && GetFileAttributesW(to_wide(path).c_str()) != INVALID_FILE_ATTRIBUTES;
}

bool Win32ShellServices::write_file(const std::string& path, ByteView bytes) {
    if (path.empty()) {
        return false;
    }
    const std::wstring target = to_wide(path);
    if (!target_may_be_replaced(target)) {
        return false;
    }
    std::wstring temporary;
    UniqueHandle file = create_temporary_beside(target, temporary);
    if (!file) {
        return false;
    }
    const bool replaced = write_and_close(std::move(file), bytes) &&
                          MoveFileExW(temporary.c_str(), target.c_str(),
                                      MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
    if (!replaced) {
        DeleteFileW(temporary.c_str());
    }
    return replaced;
}

void Win32ShellServices::set_working_directory(const std::string& path) {
    std::wstring wide = to_wide(path);
    // "C:" alone names the drive's current directory, not its root.
    if (wide.size() == 2 && wide[1] == L':') {
        wide += L'\\';
    }
    SetCurrentDirectoryW(wide.c_str());
}

void Win32ShellServices::show_message_box(const std::string& text, int style,
                                          const std::string& title) {
    MessageBoxW(nullptr, to_wide(text).c_str(), to_wide(title).c_str(),
                static_cast<UINT>(style) | MB_TASKMODAL);
}

std::optional<std::vector<unsigned char>>
Win32ShellServices::read_file(const std::string& path) const {
    UniqueHandle file(CreateFileW(to_wide(path).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                  OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    LARGE_INTEGER size = {};
    if (!file || !GetFileSizeEx(file.get(), &size)) {
        return std::nullopt;
    }
    std::vector<unsigned char> bytes(static_cast<size_t>(size.QuadPart));
    size_t done = 0;
    while (done < bytes.size()) {
        const auto chunk = static_cast<DWORD>(std::min(bytes.size() - done, kLargestIo));
        DWORD read = 0;
        if (!ReadFile(file.get(), bytes.data() + done, chunk, &read, nullptr) || read == 0) {
            return std::nullopt;
        }
        done += read;
    }
    return bytes;
}

std::string Win32ShellServices::short_path(const std::string& path) const {
    const std::wstring wide = to_wide(path);
    std::wstring buffer;
    DWORD needed = GetShortPathNameW(wide.c_str(), nullptr, 0);
    while (needed > buffer.size()) {
        buffer.resize(needed);
        needed = GetShortPathNameW(wide.c_str(), buffer.data(), static_cast<DWORD>(buffer.size()));
    }
    if (needed == 0) {
        return {};
    }
    buffer.resize(needed);
    if (buffer.find(L' ') != std::wstring::npos) {
        return {};
    }
    return to_utf8(buffer);
}

std::string module_file_path(HMODULE module) {
    std::wstring buffer(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length =
            GetModuleFileNameW(module, buffer.data(), static_cast<DWORD>(buffer.size()));
        if (length == 0) {
            return {};
        }
        if (length < buffer.size()) {
            buffer.resize(length);
            return to_utf8(buffer);
        }
        buffer.resize(buffer.size() * 2);
    }
}

ByteView find_rcdata(HMODULE module, int id) {
    HRSRC found = FindResourceW(module, MAKEINTRESOURCEW(id), RT_RCDATA);
    if (found == nullptr) {
        return {};
    }
    HGLOBAL loaded = LoadResource(module, found);
    const void* data = loaded != nullptr ? LockResource(loaded) : nullptr;
    if (data == nullptr) {
        return {};
    }
    return ByteView(static_cast<const unsigned char*>(data), SizeofResource(module, found));
}

} // namespace korvath
