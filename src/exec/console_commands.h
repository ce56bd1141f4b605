// Command lines of the emulator's console tool, and what its outputs mean.
#pragma once

#include <string>
#include <string_view>

namespace korvath {

inline constexpr std::string_view kLdConsole = "ldconsole.exe";
inline constexpr std::string_view kLsConsole = "lsconsole.exe";
inline constexpr std::string_view kRemovalPhrase = "No such file or directory";

// "lsconsole.exe " when that file lies in the run directory, else "ldconsole.exe ".
std::string console_tool_piece(bool lsconsole_present);

// The run directory followed by "\lsconsole.exe".
std::string lsconsole_path(std::string_view run_directory);

std::string listing_command(std::string_view tool_piece);

// tool piece + "adb  --index  " + index + " --command \"": every device
// command follows it and ends with "\"".
std::string adb_prefix(std::string_view tool_piece, std::string_view index_text);

// One or more ASCII digits: the only index text that may reach a command line,
// since every line passes through the command interpreter.
bool is_valid_index(std::string_view index_text);

// The output says the path is absent (letter case ignored).
bool reports_absent(std::string_view output);

} // namespace korvath
