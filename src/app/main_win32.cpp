// The program's entry: run directory, state, the main window and its loop.
#include "app/app_state.h"
#include "app/event_table.h"
#include "app/resource_ids.h"
#include "app/run_directory.h"
#include "app/shell_win32.h"
#include "app/startup.h"
#include "exec/runner_win32.h"
#include "ui/win32/main_window.h"
#include "workflow/workflow_context.h"

#include <windows.h>

#include <commctrl.h>

namespace {

// The program lives in a third-party folder: never load a DLL from there.
// Looked up at run time, as Windows 7 has it only with an update installed.
void restrict_dll_search() {
    using SetDirectories = BOOL(WINAPI*)(DWORD);
    HMODULE kernel = GetModuleHandleW(L"kernel32.dll");
    auto set_directories = reinterpret_cast<SetDirectories>(
        reinterpret_cast<void*>(GetProcAddress(kernel, "SetDefaultDllDirectories")));
    if (set_directories != nullptr) {
        set_directories(LOAD_LIBRARY_SEARCH_SYSTEM32);
    }
}

#ifdef KORVATH_COMMAND_TIME_LIMIT_MS
constexpr unsigned kCommandTimeLimitMs = KORVATH_COMMAND_TIME_LIMIT_MS;
#else
constexpr unsigned kCommandTimeLimitMs = korvath::kDefaultCommandTimeLimitMs;
#endif

int run_message_loop() {
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return 0;
}

} // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    restrict_dll_search();
    using namespace korvath;

    const INITCOMMONCONTROLSEX classes = {sizeof(INITCOMMONCONTROLSEX),
                                          ICC_STANDARD_CLASSES | ICC_LISTVIEW_CLASSES};
    InitCommonControlsEx(&classes);

    Win32ShellServices shell(run_directory_from_module_path(module_file_path(nullptr)), instance);
    shell.set_working_directory(shell.get_run_directory());
    AppState state;
    Win32ConsoleRunner console(kCommandTimeLimitMs);

    HICON icon = LoadIconW(instance, MAKEINTRESOURCEW(KORVATH_IDI_APP));
    MainWindow window(instance, icon);
    if (!window.exists()) {
        return 1;
    }
    WorkflowContext ctx{window, console, shell, state};
    window.set_click_handler(
        [&ctx, &window](Control control) { run_click(control, ctx, window.close_guard()); });

    handle_window_created(shell, state, [&window] { window.show(); });
    window.show();
    run_message_loop();

    release_globals(state);
    return 0;
}
