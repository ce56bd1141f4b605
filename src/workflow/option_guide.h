// The user guide's table of options, made from the catalogue so the guide and
// the program never tell two stories.
#pragma once

#include <string>

namespace korvath {

enum class GuideLanguage { chinese, english };

// Markdown tables, one per option set, Android 7 first.
std::string options_table_markdown(GuideLanguage language);

// Replaces the text between the guide's table markers; the guide unchanged
// when it has no markers.
std::string with_options_table(const std::string& guide, GuideLanguage language);

} // namespace korvath
