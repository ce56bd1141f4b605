// The answers of the simulated console tool and device (texts in sim/README.md).
#include "engine.h"

#include "command_line.h"
#include "device_tree.h"
#include "text/encoding_win32.h"

#include <fstream>
#include <iterator>

namespace korvath::sim {
namespace {

namespace fs = std::filesystem;

constexpr std::string_view kAbsent = "No such file or directory";
constexpr std::string_view kReadOnly = "Read-only file system";

// Android before 6 has toolbox ("rm failed for P, R"), later toybox ("rm: P: R").
std::string tool_message(const Instance& instance, std::string_view tool, std::string_view path,
                         std::string_view reason) {
    int major = 0;
    for (char c : instance.version) {
        if (c < '0' || c > '9') {
            break;
        }
        major = major * 10 + (c - '0');
    }
    std::string line(tool);
    if (major > 0 && major < 6) {
        line += " failed for " + std::string(path) + ", " + std::string(reason);
    } else {
        line += ": " + std::string(path) + ": " + std::string(reason);
    }
    return line + "\r\n";
}

bool is_read_only(const Instance& instance, std::string_view device_path) {
    std::optional<std::vector<std::string>> parts = device_path_parts(device_path);
    return !instance.writable && parts && !parts->empty() && parts->front() == "system";
}

struct Options {
    std::string letters;
    std::vector<std::string> operands;
};

Options split_options(const std::vector<std::string>& args) {
    Options options;
    for (std::size_t i = 1; i < args.size(); ++i) {
        if (args[i].size() > 1 && args[i][0] == '-' && options.operands.empty()) {
            options.letters += args[i].substr(1);
        } else {
            options.operands.push_back(args[i]);
        }
    }
    return options;
}

std::string remove(const Instance& instance, const fs::path& tree,
                   const std::vector<std::string>& args) {
    Options options = split_options(args);
    bool recursive = options.letters.find_first_of("rR") != std::string::npos;
    bool force = options.letters.find('f') != std::string::npos;
    if (options.operands.empty()) {
        return tool_message(instance, "rm", "", "missing operand");
    }
    std::string out;
    for (const std::string& path : options.operands) {
        std::optional<fs::path> found = find_exact(tree, path);
        std::error_code error;
        if (instance.rm_denied) {
            out += tool_message(instance, "rm", path, "Permission denied");
        } else if (!found) {
            out += force ? "" : tool_message(instance, "rm", path, kAbsent);
        } else if (is_read_only(instance, path)) {
            out += tool_message(instance, "rm", path, kReadOnly);
        } else if (fs::is_directory(*found) && !recursive) {
            out += tool_message(instance, "rm", path, "Is a directory");
        } else if (fs::remove_all(*found, error) == static_cast<std::uintmax_t>(-1) || error) {
            out += tool_message(instance, "rm", path, "I/O error");
        }
    }
    return out;
}

std::string make_directory(const Instance& instance, const fs::path& tree,
                           const std::vector<std::string>& args) {
    Options options = split_options(args);
    bool parents = options.letters.find('p') != std::string::npos;
    if (options.operands.empty()) {
        return tool_message(instance, "mkdir", "", "missing operand");
    }
    std::string out;
    for (const std::string& path : options.operands) {
        std::optional<fs::path> target = host_path(tree, path);
        std::string parent_path = path.substr(0, path.find_last_of('/') + 1);
        std::error_code error;
        if (find_exact(tree, path)) {
            out += parents ? "" : tool_message(instance, "mkdir", path, "File exists");
        } else if (is_read_only(instance, path)) {
            out += tool_message(instance, "mkdir", path, kReadOnly);
        } else if (!target || (!parents && !find_exact(tree, parent_path))) {
            out += tool_message(instance, "mkdir", path, kAbsent);
        } else if (!fs::create_directories(*target, error) || error) {
            out += tool_message(instance, "mkdir", path, "File exists");
        }
    }
    return out;
}

std::string base_name(std::string_view local_path) {
    std::size_t slash = local_path.find_last_of("\\/");
    return std::string(slash == std::string_view::npos ? local_path : local_path.substr(slash + 1));
}

// adb's push: every argument but the last is a local file, the last the target.
std::string push(const Instance& instance, const fs::path& tree,
                 const std::vector<std::string>& args) {
    if (args.size() < 3) {
        return "adb: push requires an argument\r\n";
    }
    std::string target = args.back();
    std::vector<std::pair<std::string, std::string>> files; // local name, bytes
    for (std::size_t i = 1; i + 1 < args.size(); ++i) {
        fs::path local(to_wide(args[i]));
        std::error_code error;
        if (fs::is_directory(local, error)) {
            return "adb: error: '" + args[i] + "' is a folder; the simulator pushes files only\r\n";
        }
        std::ifstream in(local, std::ios::binary);
        if (!fs::is_regular_file(local, error) || !in) {
            return "adb: error: cannot stat '" + args[i] + "': No such file or directory\r\n";
        }
        files.emplace_back(args[i], std::string(std::istreambuf_iterator<char>(in), {}));
    }
    std::optional<fs::path> found_target = find_exact(tree, target);
    bool into_folder = target.ends_with('/') || (found_target && fs::is_directory(*found_target));
    if (files.size() > 1 && !into_folder) {
        return "adb: error: target '" + target + "' is not a directory\r\n";
    }
    std::size_t bytes = 0;
    for (const auto& [local, content] : files) {
        std::string device_path = target;
        if (into_folder) {
            if (!target.ends_with('/')) {
                device_path += '/';
            }
            device_path += base_name(local);
        }
        std::optional<fs::path> host = host_path(tree, device_path);
        std::string failure = "adb: error: failed to copy '" + local + "' to '" + device_path +
                              "': remote couldn't create file: ";
        if (is_read_only(instance, device_path)) {
            return failure + std::string(kReadOnly) + "\r\n";
        }
        std::error_code error;
        if (!host || (fs::create_directories(host->parent_path(), error), error)) {
            return failure + std::string(kAbsent) + "\r\n";
        }
        std::ofstream out(*host, std::ios::binary | std::ios::trunc);
        out.write(content.data(), static_cast<std::streamsize>(content.size()));
        if (!out.flush()) {
            return failure + "I/O error\r\n";
        }
        bytes += content.size();
    }
    // A fixed 10 ms transfer keeps the line reproducible.
    std::size_t tenths = bytes / 1000;
    std::string count = files.size() == 1 ? "1 file" : std::to_string(files.size()) + " files";
    return files.front().first + ": " + count + " pushed. " + std::to_string(tenths / 10) + "." +
           std::to_string(tenths % 10) + " MB/s (" + std::to_string(bytes) +
           " bytes in 0.010s)\r\n";
}

std::string shell(Instance& instance, const fs::path& tree, const std::vector<std::string>& args) {
    if (args.empty()) {
        return "error: the simulator has no interactive shell\r\n";
    }
    const std::string& program = args.front();
    if (program == "getprop") {
        if (args.size() < 2) {
            return "";
        }
        return (args[1] == "ro.build.version.release" ? instance.version : "") + "\r\n";
    }
    if (program == "rm") {
        return remove(instance, tree, args);
    }
    if (program == "mkdir") {
        return make_directory(instance, tree, args);
    }
    return "/system/bin/sh: " + program + ": not found\r\n";
}

} // namespace

std::string listing_text(const State& state) {
    std::string out;
    int position = 0;
    for (const Instance& instance : state.instances) {
        ++position;
        bool started = instance.power != Power::stopped;
        bool running = instance.power == Power::running;
        std::string top = started ? std::to_string(1312000 + 1024 * position) : "0";
        std::string bound = running ? std::to_string(1313000 + 1024 * position) : "0";
        std::string pid = started ? std::to_string(4000 + 16 * position) : "-1";
        std::string vbox = started ? std::to_string(5000 + 16 * position) : "-1";
        if (instance.blank_before) {
            out += "\r\n";
        }
        out += instance.index + "," + instance.name + "," + top;
        if (!instance.short_line) {
            out += "," + bound + "," + (running ? "1" : "0") + "," + pid + "," + vbox;
        }
        out += "\r\n";
    }
    return out;
}

std::string device_answer(Instance& instance, const fs::path& tree, std::string_view command) {
    std::vector<std::string> args = split_at_blanks(command);
    if (args.empty()) {
        return "adb: usage: no command\r\n";
    }
    if (args.front() == "shell") {
        args.erase(args.begin());
        return shell(instance, tree, args);
    }
    if (args.front() == "remount") {
        if (instance.remount_refused) {
            return "remount failed\r\n";
        }
        instance.writable = true;
        return "remount succeeded\r\n";
    }
    if (args.front() == "push") {
        return push(instance, tree, args);
    }
    return "adb: unknown command " + args.front() + "\r\n";
}

std::string shape_answer(std::string text, const AnswerFaults& faults) {
    if (faults.huge) {
        // About 1.1 MB of filler lines before the answer itself.
        std::string filler;
        const std::string line = std::string(78, 'x') + "\r\n";
        while (filler.size() < 1100000) {
            filler += line;
        }
        text = filler + text;
    }
    if (faults.zero_byte) {
        text.insert(text.begin(), '\0');
    }
    return text;
}

} // namespace korvath::sim
