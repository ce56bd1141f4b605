// The created-event handler, step by step in its order.
#include "app/startup.h"

#include "app/run_directory.h"

#include <string>

namespace korvath {

void handle_window_created(ShellServices& shell, AppState& state,
                           const std::function<void()>& make_window_visible) {
    const std::string path = launcher_file_path(shell.get_run_directory());
    if (!shell.write_file(path, shell.launcher_package())) {
        return;
    }
    shell.show_message_box(std::string(kTipsText), kExclamationOk, std::string(kTipsTitle));
    make_window_visible();
    state.stored_run_directory = shell.get_run_directory();
    shell.set_working_directory(state.stored_run_directory);
}

} // namespace korvath
