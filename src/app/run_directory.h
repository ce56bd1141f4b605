// The run directory: the folder that holds the program's own file.
#pragma once

#include <string>
#include <string_view>

namespace korvath {

// Everything before the last backslash of the executable's full path, the
// backslash excluded: C:\Emu\tool.exe gives C:\Emu, C:\tool.exe gives C:.
// Empty when the path holds no backslash.
std::string run_directory_from_module_path(std::string_view module_path);

// The launcher file the program writes at every start: <run directory>\Launcher.apk.
std::string launcher_file_path(std::string_view run_directory);

} // namespace korvath
