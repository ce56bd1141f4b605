// An instance's system partition as a real folder tree, looked up with the
// letter case of Android, not that of the host file system.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace korvath::sim {

// The names of an absolute or relative device path ("." and empty pieces
// dropped); empty when a ".." makes it leave the root.
std::optional<std::vector<std::string>> device_path_parts(std::string_view device_path);

// The host path of the device path when every name on the way exists with
// exactly that letter case.
std::optional<std::filesystem::path> find_exact(const std::filesystem::path& root,
                                                std::string_view device_path);

// The host path the device path stands for, whether it exists or not.
std::optional<std::filesystem::path> host_path(const std::filesystem::path& root,
                                               std::string_view device_path);

} // namespace korvath::sim
