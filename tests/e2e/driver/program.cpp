// The program under test as a process and its top-level windows.
#include "driver/program.h"

#include "text/encoding_win32.h"

#include <stdexcept>
#include <vector>

namespace korvath::e2e {

bool wait_until(const std::function<bool()>& condition, int timeout_ms) {
    DWORD start = GetTickCount();
    for (;;) {
        if (condition()) {
            return true;
        }
        if (static_cast<int>(GetTickCount() - start) >= timeout_ms) {
            return false;
        }
        Sleep(20);
    }
}

Program::Program(const std::string& exe) {
    std::wstring line = L"\"" + to_wide(exe) + L"\"";
    wchar_t system_dir[MAX_PATH];
    GetSystemDirectoryW(system_dir, MAX_PATH);
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info{};
    if (!CreateProcessW(to_wide(exe).c_str(), line.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        system_dir, &startup, &info)) {
        throw std::runtime_error("cannot start " + exe);
    }
    CloseHandle(info.hThread);
    process_.reset(info.hProcess);
    process_id_ = info.dwProcessId;
}

Program::~Program() {
    if (running()) {
        TerminateProcess(process_.get(), 1);
        WaitForSingleObject(process_.get(), 5000);
    }
}

bool Program::running() const {
    return WaitForSingleObject(process_.get(), 0) == WAIT_TIMEOUT;
}

long Program::wait_for_exit(int timeout_ms) {
    if (WaitForSingleObject(process_.get(), static_cast<DWORD>(timeout_ms)) != WAIT_OBJECT_0) {
        return -1;
    }
    DWORD code = 0;
    GetExitCodeProcess(process_.get(), &code);
    return static_cast<long>(code);
}

HWND find_process_window(DWORD process_id, const wchar_t* class_name) {
    struct Search {
        DWORD pid;
        const wchar_t* class_name;
        HWND found;
    } search{process_id, class_name, nullptr};
    EnumWindows(
        [](HWND window, LPARAM param) -> BOOL {
            auto* s = reinterpret_cast<Search*>(param);
            DWORD pid = 0;
            GetWindowThreadProcessId(window, &pid);
            wchar_t name[64];
            if (pid == s->pid && GetClassNameW(window, name, 64) &&
                wcscmp(name, s->class_name) == 0) {
                s->found = window;
                return FALSE;
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND Program::message_box() const {
    HWND box = find_process_window(process_id_, L"#32770");
    return box && IsWindowVisible(box) ? box : nullptr;
}

HWND Program::wait_for_message_box(int timeout_ms) const {
    HWND box = nullptr;
    wait_until([&] { return (box = message_box()) != nullptr; }, timeout_ms);
    return box;
}

HWND Program::main_window() const {
    return find_process_window(process_id_, L"KorvathMainWindow");
}

HWND Program::wait_for_main_window(int timeout_ms) const {
    HWND window = nullptr;
    wait_until([&] { return (window = main_window()) != nullptr; }, timeout_ms);
    return window;
}

namespace {

std::string text_of(HWND window) {
    DWORD_PTR length = 0;
    SendMessageTimeoutW(window, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, 5000, &length);
    std::wstring text(length + 1, L'\0');
    DWORD_PTR copied = 0;
    SendMessageTimeoutW(window, WM_GETTEXT, length + 1, reinterpret_cast<LPARAM>(text.data()),
                        SMTO_ABORTIFHUNG, 5000, &copied);
    text.resize(copied);
    return to_utf8(text);
}

} // namespace

MessageBoxText Program::read_message_box(HWND box) const {
    HWND label = GetDlgItem(box, 0xFFFF);
    return {text_of(box), label ? text_of(label) : std::string()};
}

void Program::press_ok(HWND box) const {
    HWND ok = GetDlgItem(box, IDOK);
    if (!ok) {
        ok = GetDlgItem(box, IDCANCEL);
    }
    PostMessageW(ok, BM_CLICK, 0, 0);
    wait_until([&] { return !IsWindow(box) || !IsWindowVisible(box); }, 5000);
}

MessageBoxText Program::dismiss_message_box(int timeout_ms) const {
    HWND box = wait_for_message_box(timeout_ms);
    if (!box) {
        return {};
    }
    MessageBoxText read = read_message_box(box);
    press_ok(box);
    return read;
}

HWND Program::start_to_main_window() {
    if (dismiss_message_box(30000).title.empty()) {
        throw std::runtime_error("no tips box");
    }
    HWND window = wait_for_main_window(10000);
    if (!window || !wait_until([&] { return IsWindowVisible(window) != FALSE; }, 10000)) {
        throw std::runtime_error("the main window did not show");
    }
    return window;
}

} // namespace korvath::e2e
