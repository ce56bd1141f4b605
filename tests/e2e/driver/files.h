// Files of the end-to-end tests: the built programs and whole-file reads.
#pragma once

#include <string>
#include <vector>

namespace korvath::e2e {

// A program or file of this build, by its path below the build root.
std::string built_program(const std::string& relative_to_build_root);
std::vector<unsigned char> read_whole_file(const std::string& path);
bool path_exists(const std::string& path);
// Copies a built program into a directory under the same name; false on failure.
bool copy_built_program(const std::string& relative_to_build_root, const std::string& directory,
                        const std::string& name);

} // namespace korvath::e2e
