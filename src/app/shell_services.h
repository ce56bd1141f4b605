// Small services of the shell that the handlers use: files, the run
// directory, message boxes and the launcher package the program carries.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <vector>

namespace korvath {

using ByteView = std::span<const unsigned char>;

constexpr int kExclamationOk = 48; // MB_OK | MB_ICONEXCLAMATION

class ShellServices {
  public:
    virtual ~ShellServices() = default;

    // The directory of the program's own file, without a trailing separator.
    virtual std::string get_run_directory() const = 0;
    // True for an existing file or directory of exactly that path.
    virtual bool file_exists(const std::string& path) const = 0;
    // Replaces the file with the bytes; never leaves a partly written file
    // under its name. False when the file cannot be written.
    virtual bool write_file(const std::string& path, ByteView bytes) = 0;
    virtual void set_working_directory(const std::string& path) = 0;
    // Task-modal, no owner; waits until the user closes it.
    virtual void show_message_box(const std::string& text, int style, const std::string& title) = 0;
    virtual std::optional<std::vector<unsigned char>> read_file(const std::string& path) const = 0;
    // The path's short form without blanks, or empty when there is none.
    virtual std::string short_path(const std::string& path) const = 0;
    // The launcher package carried inside the program.
    virtual ByteView launcher_package() const = 0;
};

} // namespace korvath
