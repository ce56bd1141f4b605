// Entry of the simulated console tool: reads its command line, keeps its state
// beside the executable, answers in the system's ANSI code page.
#include "command_line.h"
#include "engine.h"
#include "presets.h"
#include "sim_state.h"
#include "text/encoding_win32.h"
#include "win32/unique_handle.h"

#include <windows.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>

namespace korvath::sim {
namespace {

namespace fs = std::filesystem;

constexpr unsigned kFailed = 1;

fs::path executable_path() {
    std::wstring buffer(MAX_PATH, L'\0');
    while (true) {
        DWORD length =
            GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
        if (length < buffer.size()) {
            buffer.resize(length);
            return fs::path(buffer);
        }
        buffer.resize(buffer.size() * 2);
    }
}

void write_bytes(std::string_view bytes) {
    HANDLE out = GetStdHandle(STD_OUTPUT_HANDLE);
    while (!bytes.empty()) {
        DWORD written = 0;
        DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size(), 1 << 20));
        if (!WriteFile(out, bytes.data(), chunk, &written, nullptr) || written == 0) {
            return;
        }
        bytes.remove_prefix(written);
    }
}

// The answer in the ANSI code page; a slow answer comes in two halves.
void answer(std::string_view utf8, int slow_ms = 0) {
    std::string bytes = utf8_to_ansi(utf8);
    if (slow_ms <= 0) {
        write_bytes(bytes);
        return;
    }
    std::string_view view = bytes;
    Sleep(static_cast<DWORD>(slow_ms));
    write_bytes(view.substr(0, view.size() / 2));
    Sleep(static_cast<DWORD>(slow_ms));
    write_bytes(view.substr(view.size() / 2));
}

std::optional<std::string> read_text(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        return std::nullopt;
    }
    return std::string(std::istreambuf_iterator<char>(in), {});
}

// Written beside and moved over the old file, so a killed call leaves no torn state.
bool save_state(const fs::path& file, const State& state) {
    fs::path temporary = file;
    temporary += L".new";
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        std::string text = format_state(state);
        out.write(text.data(), static_cast<std::streamsize>(text.size()));
        if (!out.flush()) {
            return false;
        }
    }
    return MoveFileExW(temporary.c_str(), file.c_str(), MOVEFILE_REPLACE_EXISTING) != 0;
}

void append_log(const fs::path& log, std::string_view line) {
    UniqueHandle file(CreateFileW(log.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                  nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) {
        return;
    }
    std::string record = std::string(line) + "\n";
    DWORD written = 0;
    WriteFile(file.get(), record.data(), static_cast<DWORD>(record.size()), &written, nullptr);
}

void hang(const AnswerFaults& faults, std::string_view command) {
    if (hang_applies(faults, command)) {
        Sleep(faults.hang_forever ? INFINITE : static_cast<DWORD>(faults.hang_seconds) * 1000);
    }
}

class Console {
  public:
    explicit Console(fs::path state_dir)
        : state_dir_(std::move(state_dir)), state_file_(state_dir_ / L"state.txt") {}

    unsigned setup(const std::vector<std::string>& args) {
        if (args.size() != 3) {
            answer("error: usage: sim-setup <description file> | sim-setup --demo\r\n");
            return kFailed;
        }
        std::optional<std::string> description =
            args[2] == "--demo" ? demo_description() : read_text(fs::path(to_wide(args[2])));
        if (!description) {
            answer("sim-setup: cannot read " + args[2] + "\r\n");
            return kFailed;
        }
        ParsedState parsed = parse_state(*description);
        if (!parsed.state) {
            answer("sim-setup: " + args[2] + ": " + parsed.error + "\r\n");
            return kFailed;
        }
        std::error_code error;
        fs::remove_all(state_dir_, error);
        fs::create_directories(state_dir_, error);
        std::string failure = build_trees(*parsed.state, state_dir_ / L"trees");
        if (error || !failure.empty() || !save_state(state_file_, *parsed.state)) {
            answer("sim-setup: " + (failure.empty() ? "cannot write the state" : failure) + "\r\n");
            return kFailed;
        }
        std::ofstream(state_dir_ / L"commands.log", std::ios::binary | std::ios::trunc);
        answer("sim-setup: " + std::to_string(parsed.state->instances.size()) + " instances in " +
               to_utf8(state_dir_.wstring()) + "\r\n");
        return 0;
    }

    unsigned run(const std::vector<std::string>& args, std::string_view raw_line) {
        std::error_code error;
        if (!fs::is_directory(state_dir_, error)) {
            answer("error: no simulator state in " + to_utf8(state_dir_.wstring()) +
                   "; run sim-setup first\r\n");
            return kFailed;
        }
        append_log(state_dir_ / L"commands.log", raw_line);
        std::optional<State> state = load();
        if (!state) {
            return kFailed;
        }
        if (args.size() == 2 && args[1] == "list2") {
            const Listing& listing = state->listing;
            hang(listing.faults, "list2");
            answer(shape_answer(listing.silent ? "" : listing_text(*state), listing.faults),
                   listing.faults.slow_ms);
            return listing.faults.exit_code.value_or(0);
        }
        if (args.size() >= 2 && args[1] == "adb") {
            return adb(args, *state);
        }
        answer(args.size() < 2 ? "error: usage: ldconsole.exe list2 | adb --index <index> "
                                 "--command \"<device command>\"\r\n"
                               : "error: unknown command '" + args[1] + "'\r\n");
        return kFailed;
    }

  private:
    std::optional<State> load() {
        std::optional<std::string> text = read_text(state_file_);
        ParsedState parsed = parse_state(text.value_or(""));
        if (!text || !parsed.state) {
            answer("error: simulator state " + to_utf8(state_file_.wstring()) + " unreadable " +
                   parsed.error + "\r\n");
        }
        return text ? parsed.state : std::nullopt;
    }

    unsigned adb(const std::vector<std::string>& args, State& state) {
        std::optional<std::string> index;
        std::optional<std::string> command;
        for (std::size_t i = 2; i < args.size(); i += 2) {
            if (i + 1 >= args.size() || (args[i] != "--index" && args[i] != "--command")) {
                answer("error: adb takes --index <index> --command \"<device command>\", not '" +
                       args[i] + "'\r\n");
                return kFailed;
            }
            (args[i] == "--index" ? index : command) = args[i + 1];
        }
        if (!index || !command) {
            answer("error: adb needs --index <index> and --command \"<device command>\"\r\n");
            return kFailed;
        }
        Instance* instance = find_instance(state, *index);
        if (instance == nullptr) {
            answer("error: no instance with index " + *index + "\r\n");
            return kFailed;
        }
        if (instance->power != Power::running) {
            answer("error: instance " + *index + " is not running\r\n");
            return kFailed;
        }
        hang(instance->faults, *command);
        fs::path tree =
            state_dir_ / L"trees" / std::to_wstring(instance_position(state, *instance));
        std::string text = device_answer(*instance, tree, *command);
        instance->commands += 1;
        if (instance->stop_after > 0 && instance->commands >= instance->stop_after) {
            instance->power = Power::stopped;
        }
        if (!save_state(state_file_, state)) {
            answer("error: cannot save the simulator state\r\n");
            return kFailed;
        }
        answer(shape_answer(text, instance->faults), instance->faults.slow_ms);
        return instance->faults.exit_code.value_or(0);
    }

    fs::path state_dir_;
    fs::path state_file_;
};

} // namespace
} // namespace korvath::sim

int wmain() {
    using namespace korvath;
    std::string raw_line = to_utf8(GetCommandLineW());
    std::vector<std::string> args = sim::split_command_line(raw_line);
    sim::Console console(sim::executable_path().parent_path() / L"sim-state");
    if (args.size() >= 2 && args[1] == "sim-setup") {
        return static_cast<int>(console.setup(args));
    }
    return static_cast<int>(console.run(args, raw_line));
}
