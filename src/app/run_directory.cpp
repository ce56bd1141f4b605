// The run directory and the launcher file's place in it.
#include "app/run_directory.h"

namespace korvath {

std::string run_directory_from_module_path(std::string_view module_path) {
    const auto cut = module_path.rfind('\\');
    if (cut == std::string_view::npos) {
        return {};
    }
    return std::string(module_path.substr(0, cut));
}

std::string launcher_file_path(std::string_view run_directory) {
    std::string path(run_directory);
    path += "\\Launcher.apk";
    return path;
}

} // namespace korvath
