// Release of the program-wide state, once, after the message loop.
#include "app/app_state.h"

namespace korvath {

void release_globals(AppState& state) {
    std::string().swap(state.stored_run_directory);
    std::string().swap(state.console_tool_name);
    std::string().swap(state.listing_text);
    for (auto& line : state.listing_lines) {
        std::string().swap(line);
    }
    std::vector<std::string>().swap(state.listing_lines);
}

} // namespace korvath
