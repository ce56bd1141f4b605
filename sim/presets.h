// Ready-made trees (from the option catalogue) and the demo description.
#pragma once

#include "sim_state.h"

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace korvath::sim {

// Device paths of every folder an option set removes: "android7" for boxes
// 1 to 34, "android5" for 35 to 61; the launcher box gives /system/app/Launcher3.
std::vector<std::string> preset_folders(std::string_view preset);

// The demo: four instances with Chinese names, index texts out of order.
std::string demo_description();

// Builds every instance's tree under trees_root/<position>. Empty on success,
// otherwise what failed.
std::string build_trees(const State& state, const std::filesystem::path& trees_root);

} // namespace korvath::sim
