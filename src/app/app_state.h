// The program-wide state: owned by the program's entry, passed by reference.
#pragma once

#include <string>
#include <vector>

namespace korvath {

struct AppState {
    std::string stored_run_directory;
    std::string console_tool_name;
    std::string listing_text;
    std::vector<std::string> listing_lines;
};

// Releases the state in its order: the three texts, then the lines.
void release_globals(AppState& state);

} // namespace korvath
