// Splitting the simulator's own command line as the C runtime does, and a
// device command as the bridge does.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace korvath::sim {

// The C runtime's rules: blanks and tabs separate arguments, double quotes
// group, 2n backslashes before a quote give n and the quote acts, 2n+1 give n
// and a literal quote, "" inside quotes is a literal quote. The program name
// (first argument) ends at the first blank outside quotes, backslashes literal.
std::vector<std::string> split_command_line(std::string_view line);

// Pieces between runs of blanks; no empty pieces.
std::vector<std::string> split_at_blanks(std::string_view text);

} // namespace korvath::sim
