// Device path lookups in an instance's tree.
#include "device_tree.h"

#include "text/encoding_win32.h"

namespace korvath::sim {

namespace fs = std::filesystem;

std::optional<std::vector<std::string>> device_path_parts(std::string_view device_path) {
    std::vector<std::string> parts;
    std::size_t start = 0;
    while (start <= device_path.size()) {
        std::size_t end = device_path.find('/', start);
        end = end == std::string_view::npos ? device_path.size() : end;
        std::string_view part = device_path.substr(start, end - start);
        if (part == "..") {
            return std::nullopt;
        }
        if (!part.empty() && part != ".") {
            parts.emplace_back(part);
        }
        start = end + 1;
    }
    return parts;
}

std::optional<fs::path> find_exact(const fs::path& root, std::string_view device_path) {
    std::optional<std::vector<std::string>> parts = device_path_parts(device_path);
    if (!parts) {
        return std::nullopt;
    }
    fs::path current = root;
    for (const std::string& part : *parts) {
        std::wstring wanted = to_wide(part);
        std::error_code error;
        fs::directory_iterator entries(current, error);
        if (error) {
            return std::nullopt;
        }
        bool found = false;
        for (const fs::directory_entry& entry : entries) {
            if (entry.path().filename().wstring() == wanted) {
                found = true;
                break;
            }
        }
        if (!found) {
            return std::nullopt;
        }
        current /= wanted;
    }
    return current;
}

std::optional<fs::path> host_path(const fs::path& root, std::string_view device_path) {
    std::optional<std::vector<std::string>> parts = device_path_parts(device_path);
    if (!parts) {
        return std::nullopt;
    }
    fs::path path = root;
    for (const std::string& part : *parts) {
        path /= to_wide(part);
    }
    return path;
}

} // namespace korvath::sim
