// Whole-file helpers for the end-to-end tests.
#include "driver/files.h"

#include "text/encoding_win32.h"

#include <windows.h>

#include <filesystem>
#include <fstream>
#include <iterator>

namespace korvath::e2e {

std::string built_program(const std::string& relative_to_build_root) {
    return std::string(KORVATH_BUILD_ROOT) + "\\" + relative_to_build_root;
}

std::vector<unsigned char> read_whole_file(const std::string& path) {
    std::ifstream in(std::filesystem::path(to_wide(path)), std::ios::binary);
    return std::vector<unsigned char>(std::istreambuf_iterator<char>(in), {});
}

bool path_exists(const std::string& path) {
    return GetFileAttributesW(to_wide(path).c_str()) != INVALID_FILE_ATTRIBUTES;
}

bool copy_built_program(const std::string& relative_to_build_root, const std::string& directory,
                        const std::string& name) {
    return CopyFileW(to_wide(built_program(relative_to_build_root)).c_str(),
                     to_wide(directory + "\\" + name).c_str(), FALSE) != FALSE;
}

} // namespace korvath::e2e
