// Shell services for the workflow tests: an in-memory run directory with its
// files, recorded message boxes and a launcher package of a few bytes.
#pragma once

#include "app/shell_services.h"

#include <map>
#include <set>
#include <string>
#include <vector>

namespace korvath::testing {

struct MessageBoxShown {
    std::string text;
    int style;
    std::string title;
    bool operator==(const MessageBoxShown&) const = default;
};

class FakeShell : public ShellServices {
  public:
    // The run directory holds Launcher.apk as start-up writes it.
    explicit FakeShell(std::string run_directory = "C:\\leidian\\LDPlayer9");

    std::string get_run_directory() const override { return run_directory_; }
    bool file_exists(const std::string& path) const override;
    bool write_file(const std::string& path, ByteView bytes) override;
    void set_working_directory(const std::string& path) override { working_directory = path; }
    void show_message_box(const std::string& text, int style, const std::string& title) override;
    std::optional<std::vector<unsigned char>> read_file(const std::string& path) const override;
    std::string short_path(const std::string& path) const override;
    ByteView launcher_package() const override { return launcher; }

    // Run directory + "\" + name.
    std::string in_run_directory(const std::string& name) const;
    void add_file(const std::string& path, std::vector<unsigned char> bytes = {});

    std::vector<unsigned char> launcher = {'P', 'K', 3, 4, 'l', 'a', 'u', 'n', 'c', 'h'};
    std::map<std::string, std::vector<unsigned char>> files;
    std::map<std::string, std::string> short_paths;
    bool fail_writes = false;
    std::vector<std::string> writes; // every path write_file was asked to write
    std::vector<MessageBoxShown> message_boxes;
    std::string working_directory;

  private:
    std::string run_directory_;
};

} // namespace korvath::testing
