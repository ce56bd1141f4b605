// A temporary run directory for one end-to-end test, removed afterwards.
#pragma once

#include <string>
#include <vector>

namespace korvath::e2e {

class RunDirectory {
  public:
    // A new empty directory under the system's temporary folder; `name_part`
    // lets a test put blanks or Chinese characters into the path.
    explicit RunDirectory(const std::string& name_part = "run");
    RunDirectory(const RunDirectory&) = delete;
    RunDirectory& operator=(const RunDirectory&) = delete;
    ~RunDirectory();

    const std::string& path() const { return path_; }
    std::string file(const std::string& name) const { return path_ + "\\" + name; }

    void copy_in(const std::string& source, const std::string& name) const;
    void write(const std::string& name, const std::vector<unsigned char>& bytes) const;
    std::vector<unsigned char> read(const std::string& name) const;
    bool exists(const std::string& name) const;

  private:
    std::string path_;
};

// Paths of the built programs, beside this test's executable tree.
std::string built_program(const std::string& relative_to_build_root);
std::vector<unsigned char> read_whole_file(const std::string& path);

} // namespace korvath::e2e
