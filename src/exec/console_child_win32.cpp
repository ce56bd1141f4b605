// Process creation for the console runner: pipe, NUL input, job, hidden cmd.exe.
#include "exec/console_child_win32.h"

#include "text/encoding_win32.h"

#include <windows.h>

#include <vector>

namespace korvath {
namespace {

constexpr UINT kTreeExitCode = 1;
// Characters CreateProcessW accepts in a command line, its terminator included.
constexpr std::size_t kMaxCommandLine = 32767;

std::wstring system_directory() {
    UINT size = GetSystemDirectoryW(nullptr, 0);
    if (size == 0) {
        return {};
    }
    std::wstring directory(size, L'\0');
    UINT length = GetSystemDirectoryW(directory.data(), size);
    directory.resize(length < size ? length : 0);
    return directory;
}

// An attribute list naming the only handles the child may inherit.
class InheritList {
  public:
    explicit InheritList(std::vector<HANDLE> handles) : handles_(std::move(handles)) {
        SIZE_T size = 0;
        InitializeProcThreadAttributeList(nullptr, 1, 0, &size);
        storage_.resize(size);
        auto* list = reinterpret_cast<LPPROC_THREAD_ATTRIBUTE_LIST>(storage_.data());
        if (size == 0 || !InitializeProcThreadAttributeList(list, 1, 0, &size)) {
            return;
        }
        list_ = list;
        if (!UpdateProcThreadAttribute(list_, 0, PROC_THREAD_ATTRIBUTE_HANDLE_LIST, handles_.data(),
                                       handles_.size() * sizeof(HANDLE), nullptr, nullptr)) {
            DeleteProcThreadAttributeList(list_);
            list_ = nullptr;
        }
    }
    InheritList(const InheritList&) = delete;
    InheritList& operator=(const InheritList&) = delete;
    ~InheritList() {
        if (list_ != nullptr) {
            DeleteProcThreadAttributeList(list_);
        }
    }
    LPPROC_THREAD_ATTRIBUTE_LIST get() const { return list_; }

  private:
    std::vector<HANDLE> handles_; // must outlive the list, which points at it
    std::vector<unsigned char> storage_;
    LPPROC_THREAD_ATTRIBUTE_LIST list_ = nullptr;
};

} // namespace

ConsoleChild start_console_child(const std::string& command) {
    ConsoleChild child;
    const std::wstring directory = system_directory();
    if (directory.empty()) {
        return child;
    }
    const std::wstring interpreter = directory + L"\\cmd.exe";
    std::wstring line = interpreter + L" /c " + to_wide(command);
    if (line.size() >= kMaxCommandLine) {
        return child; // Windows refuses it; some cmd.exe builds crash on it
    }

    SECURITY_ATTRIBUTES inheritable{sizeof(SECURITY_ATTRIBUTES), nullptr, TRUE};
    UniqueHandle write_end;
    if (!CreatePipe(child.output.out(), write_end.out(), &inheritable, 0) ||
        !SetHandleInformation(child.output.get(), HANDLE_FLAG_INHERIT, 0)) {
        child.output.reset();
        return child;
    }
    UniqueHandle input(CreateFileW(L"NUL", GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                   &inheritable, OPEN_EXISTING, 0, nullptr));

    STARTUPINFOEXW startup{};
    startup.StartupInfo.cb = sizeof startup.StartupInfo;
    startup.StartupInfo.dwFlags = STARTF_USESHOWWINDOW | STARTF_USESTDHANDLES;
    startup.StartupInfo.wShowWindow = SW_HIDE;
    startup.StartupInfo.hStdInput = input.get();
    startup.StartupInfo.hStdOutput = write_end.get();
    startup.StartupInfo.hStdError = write_end.get();

    std::vector<HANDLE> inherited{write_end.get()};
    if (input) {
        inherited.push_back(input.get());
    }
    InheritList inherit_list(std::move(inherited));
    DWORD flags = CREATE_NO_WINDOW | CREATE_SUSPENDED;
    if (inherit_list.get() != nullptr) {
        startup.StartupInfo.cb = sizeof startup;
        startup.lpAttributeList = inherit_list.get();
        flags |= EXTENDED_STARTUPINFO_PRESENT;
    }

    PROCESS_INFORMATION info{};
    if (!CreateProcessW(interpreter.c_str(), line.data(), nullptr, nullptr, TRUE, flags, nullptr,
                        nullptr, &startup.StartupInfo, &info)) {
        child.output.reset();
        return child;
    }
    child.process.reset(info.hProcess);
    UniqueHandle thread(info.hThread);
    // No kill-on-close: a server the command starts must outlive the call.
    child.job.reset(CreateJobObjectW(nullptr, nullptr));
    if (child.job && !AssignProcessToJobObject(child.job.get(), child.process.get())) {
        child.job.reset();
    }
    ResumeThread(thread.get());
    return child;
}

void end_process_tree(const ConsoleChild& child) {
    if (child.job) {
        TerminateJobObject(child.job.get(), kTreeExitCode);
    } else if (child.process) {
        TerminateProcess(child.process.get(), kTreeExitCode);
    }
}

} // namespace korvath
