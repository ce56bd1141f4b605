// The shell services on the Win32 file system, message boxes and resources.
#pragma once

#include "app/shell_services.h"

#include <windows.h>

#include <string>

namespace korvath {

class Win32ShellServices final : public ShellServices {
  public:
    // `resources`: the module that carries the launcher package.
    Win32ShellServices(std::string run_directory, HMODULE resources);

    std::string get_run_directory() const override { return run_directory_; }
    bool file_exists(const std::string& path) const override;
    // Checks that an existing target can be opened for exclusive use, then
    // writes a temporary file beside it and replaces the target with it in
    // one step; the temporary file never stays behind.
    bool write_file(const std::string& path, ByteView bytes) override;
    void set_working_directory(const std::string& path) override;
    void show_message_box(const std::string& text, int style, const std::string& title) override;
    std::optional<std::vector<unsigned char>> read_file(const std::string& path) const override;
    std::string short_path(const std::string& path) const override;
    ByteView launcher_package() const override { return launcher_; }

  private:
    std::string run_directory_;
    ByteView launcher_;
};

// The full path of the module's file, whatever its length; empty on failure.
std::string module_file_path(HMODULE module);

// The bytes of an RCDATA resource of the module; empty when it has none.
ByteView find_rcdata(HMODULE module, int id);

} // namespace korvath
