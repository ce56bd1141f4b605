// A console child with known behaviour, run through cmd.exe by the runner's tests.
#include <windows.h>

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

void write_to(DWORD which, const std::string& bytes) {
    DWORD written = 0;
    WriteFile(GetStdHandle(which), bytes.data(), static_cast<DWORD>(bytes.size()), &written,
              nullptr);
}

void out(const std::string& bytes) {
    write_to(STD_OUTPUT_HANDLE, bytes);
}

std::string numbered_line(int n) {
    std::string digits = std::to_string(n);
    return std::string(digits.size() < 7 ? 7 - digits.size() : 0, '0') + digits + "\r\n";
}

std::string own_path() {
    std::string path(MAX_PATH, '\0');
    for (;;) {
        DWORD length = GetModuleFileNameA(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length < path.size()) {
            path.resize(length);
            return path;
        }
        path.resize(path.size() * 2);
    }
}

// Starts this program again in `mode`, sharing our standard handles.
DWORD start_self(const char* mode) {
    std::string line = "\"" + own_path() + "\" " + mode;
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
    startup.hStdOutput = GetStdHandle(STD_OUTPUT_HANDLE);
    startup.hStdError = GetStdHandle(STD_ERROR_HANDLE);
    PROCESS_INFORMATION info{};
    if (!CreateProcessA(nullptr, line.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr, &startup,
                        &info)) {
        return 0;
    }
    CloseHandle(info.hThread);
    CloseHandle(info.hProcess);
    return info.dwProcessId;
}

} // namespace

int main(int argc, char** argv) {
    const std::string mode = argc > 1 ? argv[1] : "";
    const int count = argc > 2 ? std::atoi(argv[2]) : 0;
    if (mode == "silent") {
        return 0;
    }
    if (mode == "interleave") { // stdout and stderr take turns
        for (int i = 0; i < count; ++i) {
            write_to(STD_OUTPUT_HANDLE, "out " + std::to_string(i) + "\r\n");
            write_to(STD_ERROR_HANDLE, "err " + std::to_string(i) + "\r\n");
        }
        return 0;
    }
    if (mode == "lines") { // numbered lines, written in chunks of changing size
        std::string chunk;
        for (int i = 0; i < count; ++i) {
            chunk += numbered_line(i);
            if (chunk.size() > static_cast<std::size_t>(100 + (i % 7) * 1500)) {
                out(chunk);
                chunk.clear();
            }
        }
        out(chunk);
        return 0;
    }
    if (mode == "list") { // shaped like the console tool's listing, in GBK
        out("0,\xC0\xD7\xB5\xE7\xC4\xA3\xC4\xE2\xC6\xF7,0,0,0,-1,-1\r\n"
            "1,\xC0\xD7\xB5\xE7\xC4\xA3\xC4\xE2\xC6\xF7-1,197626,393482,1,5824,6096\r\n"
            "2,\xC0\xD7\xB5\xE7\xC4\xA3\xC4\xE2\xC6\xF7-2,0,0,0,-1,-1\r\n");
        return 0;
    }
    if (mode == "exit259") {
        out("exiting\r\n");
        return 259;
    }
    if (mode == "zero") {
        out(std::string("abc\0def\r\n", 9));
        Sleep(100);
        out("next\r\n");
        return 0;
    }
    if (mode == "gbk") { // 运行中, its first character split across two writes
        out("\xD4");
        Sleep(200);
        out("\xCB\xD0\xD0\xD6\xD0\r\n");
        return 0;
    }
    if (mode == "stdin") {
        std::string buffer(64, '\0');
        DWORD got = 0;
        BOOL ok = ReadFile(GetStdHandle(STD_INPUT_HANDLE), buffer.data(),
                           static_cast<DWORD>(buffer.size()), &got, nullptr);
        out(std::string("stdin ") + (ok ? std::to_string(got) + " bytes" : "unreadable") + "\r\n");
        return 0;
    }
    if (mode == "handle") { // was the event with this handle value inherited?
        auto handle = reinterpret_cast<HANDLE>(
            static_cast<std::uintptr_t>(std::strtoull(argc > 2 ? argv[2] : "0", nullptr, 10)));
        out(WaitForSingleObject(handle, 0) == WAIT_OBJECT_0 ? "inherited\r\n"
                                                            : "not inherited\r\n");
        return 0;
    }
    if (mode == "sleep") {
        Sleep(static_cast<DWORD>(count));
        out("slept\r\n");
        return 0;
    }
    if (mode == "hang") {
        Sleep(INFINITE);
    }
    if (mode == "tree") { // a hanging child with a hanging grandchild
        out("child " + std::to_string(GetCurrentProcessId()) + "\r\n");
        out("grandchild " + std::to_string(start_self("hang")) + "\r\n");
        Sleep(INFINITE);
    }
    if (mode == "server") { // leaves a process behind that holds the pipe open
        out("server " + std::to_string(start_self("hang")) + "\r\n");
        return 0;
    }
    write_to(STD_ERROR_HANDLE, "probe_child: unknown mode " + mode + "\r\n");
    return 2;
}
