// Console tool command lines.
#include "exec/console_commands.h"

#include "text/text_ops.h"

namespace korvath {

std::string console_tool_piece(bool lsconsole_present) {
    return join_texts({lsconsole_present ? kLsConsole : kLdConsole, " "});
}

std::string lsconsole_path(std::string_view run_directory) {
    return join_texts({run_directory, "\\", kLsConsole});
}

std::string listing_command(std::string_view tool_piece) {
    return join_texts({tool_piece, "list2"});
}

std::string adb_prefix(std::string_view tool_piece, std::string_view index_text) {
    return join_texts({tool_piece, "adb  --index  ", index_text, " --command \""});
}

bool is_valid_index(std::string_view index_text) {
    if (index_text.empty()) {
        return false;
    }
    for (char c : index_text) {
        if (c < '0' || c > '9') {
            return false;
        }
    }
    return true;
}

bool reports_absent(std::string_view output) {
    return locate_text(output, kRemovalPhrase) != -1;
}

} // namespace korvath
