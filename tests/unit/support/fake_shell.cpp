// The in-memory shell services used by the workflow tests.
#include "support/fake_shell.h"

namespace korvath::testing {

FakeShell::FakeShell(std::string run_directory) : run_directory_(std::move(run_directory)) {
    files[in_run_directory("Launcher.apk")] = launcher;
}

bool FakeShell::file_exists(const std::string& path) const {
    return files.contains(path);
}

bool FakeShell::write_file(const std::string& path, ByteView bytes) {
    writes.push_back(path);
    if (fail_writes) {
        return false;
    }
    files[path].assign(bytes.begin(), bytes.end());
    return true;
}

void FakeShell::show_message_box(const std::string& text, int style, const std::string& title) {
    message_boxes.push_back({text, style, title});
}

std::optional<std::vector<unsigned char>> FakeShell::read_file(const std::string& path) const {
    auto it = files.find(path);
    if (it == files.end()) {
        return std::nullopt;
    }
    return it->second;
}

std::string FakeShell::short_path(const std::string& path) const {
    auto it = short_paths.find(path);
    return it == short_paths.end() ? std::string() : it->second;
}

std::string FakeShell::in_run_directory(const std::string& name) const {
    return run_directory_ + "\\" + name;
}

void FakeShell::add_file(const std::string& path, std::vector<unsigned char> bytes) {
    files[path] = std::move(bytes);
}

} // namespace korvath::testing
