// Preset trees and the demo state.
#include "presets.h"

#include "device_tree.h"
#include "text/encoding_win32.h"
#include "ui/controls.h"
#include "workflow/catalogue.h"

#include <fstream>

namespace korvath::sim {
namespace {

namespace fs = std::filesystem;

constexpr std::string_view kRemoveHead = "shell rm -r ";

// The folder a catalogue step removes, from its command body.
std::string step_folder(const OptionStep& step) {
    if (step.kind == StepKind::launcher_step) {
        return "/system/app/Launcher3";
    }
    std::string_view head = step.kind == StepKind::fixed_step ? step.body : step.location;
    head.remove_prefix(kRemoveHead.size());
    if (step.kind == StepKind::fixed_step) {
        head.remove_suffix(1); // the closing quote
        return std::string(head);
    }
    return std::string(head) + std::string(box_caption(step.box));
}

bool write_text(const fs::path& path, std::string_view text) {
    std::error_code error;
    fs::create_directories(path.parent_path(), error);
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(text.data(), static_cast<std::streamsize>(text.size()));
    return static_cast<bool>(out.flush());
}

// A folder as the device holds it: the package inside, named after the folder.
bool make_app_folder(const fs::path& root, const std::string& folder) {
    std::string name = folder.substr(folder.find_last_of('/') + 1);
    std::optional<fs::path> apk = host_path(root, folder + "/" + name + ".apk");
    return apk && write_text(*apk, "simulated package " + name + "\n");
}

} // namespace

std::vector<std::string> preset_folders(std::string_view preset) {
    int first = preset == "android7" ? kFirstAndroid7Box : kFirstAndroid5Box;
    int last = preset == "android7" ? kLastAndroid7Box : kOptionBoxCount;
    std::vector<std::string> folders;
    for (const OptionStep& step : option_steps()) {
        if (step.box >= first && step.box <= last) {
            folders.push_back(step_folder(step));
        }
    }
    return folders;
}

std::string demo_description() {
    return "# The demo: index texts deliberately out of listing order.\n"
           "2|雷电模拟器|running|7.1.2|tree=android7\n"
           "0|雷电模拟器-安卓5|running|5.1.1|tree=android5\n"
           "5|游戏多开-3|starting|7.1.2\n"
           "3|备用机（已停止）|stopped|5.1.1\n";
}

std::string build_trees(const State& state, const fs::path& trees_root) {
    for (const Instance& instance : state.instances) {
        fs::path root = trees_root / std::to_wstring(instance_position(state, instance));
        std::error_code error;
        fs::create_directories(root / L"system" / L"app", error);
        fs::create_directories(root / L"system" / L"priv-app", error);
        if (error) {
            return "cannot create " + to_utf8(root.wstring());
        }
        std::vector<std::string> folders;
        for (const std::string& tree : instance.trees) {
            std::vector<std::string> preset = preset_folders(tree);
            folders.insert(folders.end(), preset.begin(), preset.end());
        }
        for (const std::string& folder : folders) {
            if (!make_app_folder(root, folder)) {
                return "cannot create " + folder;
            }
        }
        for (const std::string& dir : instance.dirs) {
            std::optional<fs::path> path = host_path(root, dir);
            if (!path || (fs::create_directories(*path, error), error)) {
                return "cannot create " + dir;
            }
        }
        for (const std::string& file : instance.files) {
            std::optional<fs::path> path = host_path(root, file);
            if (!path || !write_text(*path, "simulated file " + file + "\n")) {
                return "cannot create " + file;
            }
        }
    }
    return "";
}

} // namespace korvath::sim
