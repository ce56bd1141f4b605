// Reading and writing the simulator's state text (format in sim/README.md).
#include "sim_state.h"

#include <charconv>
#include <utility>

namespace korvath::sim {
namespace {

std::vector<std::string_view> split(std::string_view text, char separator) {
    std::vector<std::string_view> parts;
    std::size_t start = 0;
    while (true) {
        std::size_t end = text.find(separator, start);
        parts.push_back(text.substr(start, end == std::string_view::npos ? end : end - start));
        if (end == std::string_view::npos) {
            return parts;
        }
        start = end + 1;
    }
}

std::optional<int> to_number(std::string_view text) {
    int value = 0;
    auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc{} || end != text.data() + text.size() || value < 0) {
        return std::nullopt;
    }
    return value;
}

// "N", "forever", either followed by ":match".
bool parse_hang(std::string_view value, AnswerFaults& faults) {
    std::size_t colon = value.find(':');
    std::string_view duration = value.substr(0, colon);
    if (colon != std::string_view::npos) {
        faults.hang_match = std::string(value.substr(colon + 1));
    }
    faults.hang = true;
    if (duration == "forever") {
        faults.hang_forever = true;
        return true;
    }
    std::optional<int> seconds = to_number(duration);
    faults.hang_seconds = seconds.value_or(0);
    return seconds.has_value();
}

// Options both the listing and an instance take. Empty on success.
std::string parse_answer_fault(std::string_view key, std::string_view value, bool has_value,
                               AnswerFaults& faults) {
    if (key == "hang" && has_value) {
        return parse_hang(value, faults) ? "" : "hang needs seconds or forever";
    }
    if (key == "slow" && has_value) {
        std::optional<int> ms = to_number(value);
        faults.slow_ms = ms.value_or(0);
        return ms ? "" : "slow needs milliseconds";
    }
    if (key == "exit" && has_value) {
        std::optional<int> code = to_number(value);
        if (code) {
            faults.exit_code = static_cast<unsigned>(*code);
        }
        return code ? "" : "exit needs a number";
    }
    if (key == "zero-byte" && !has_value) {
        faults.zero_byte = true;
        return "";
    }
    if (key == "huge" && !has_value) {
        faults.huge = true;
        return "";
    }
    return "unknown option '" + std::string(key) + (has_value ? "=" : "") + "'";
}

std::string parse_instance_option(std::string_view key, std::string_view value, bool has_value,
                                  Instance& instance) {
    auto flag = [&](bool& target) {
        target = true;
        return std::string();
    };
    if (key == "tree" && (value == "android7" || value == "android5")) {
        instance.trees.emplace_back(value);
        return "";
    }
    if ((key == "dir" || key == "file") && !value.empty() && value.front() == '/') {
        (key == "dir" ? instance.dirs : instance.files).emplace_back(value);
        return "";
    }
    if (key == "remount" && value == "refused") {
        return flag(instance.remount_refused);
    }
    if (key == "rm" && value == "denied") {
        return flag(instance.rm_denied);
    }
    if (!has_value) {
        if (key == "writable") {
            return flag(instance.writable);
        }
        if (key == "short") {
            return flag(instance.short_line);
        }
        if (key == "blank-before") {
            return flag(instance.blank_before);
        }
    }
    if ((key == "stop-after" || key == "commands") && has_value) {
        std::optional<int> count = to_number(value);
        (key == "commands" ? instance.commands : instance.stop_after) = count.value_or(0);
        return count ? "" : std::string(key) + " needs a number";
    }
    return parse_answer_fault(key, value, has_value, instance.faults);
}

std::string parse_line(std::string_view line, State& state) {
    std::vector<std::string_view> fields = split(line, '|');
    bool is_listing = fields[0] == "list2";
    std::size_t first_option = is_listing ? 1 : 4;
    Instance instance;
    if (!is_listing) {
        if (fields.size() < 4) {
            return "an instance needs index|name|state|version";
        }
        instance.index = std::string(fields[0]);
        instance.name = std::string(fields[1]);
        if (fields[2] == "running") {
            instance.power = Power::running;
        } else if (fields[2] == "starting") {
            instance.power = Power::starting;
        } else if (fields[2] == "stopped") {
            instance.power = Power::stopped;
        } else {
            return "state must be running, starting or stopped";
        }
        instance.version = std::string(fields[3]);
    }
    for (std::size_t i = first_option; i < fields.size(); ++i) {
        std::string_view option = fields[i];
        std::size_t equals = option.find('=');
        bool has_value = equals != std::string_view::npos;
        std::string_view key = option.substr(0, equals);
        std::string_view value = has_value ? option.substr(equals + 1) : std::string_view{};
        std::string error;
        if (is_listing && key == "silent" && !has_value) {
            state.listing.silent = true;
        } else if (is_listing) {
            error = parse_answer_fault(key, value, has_value, state.listing.faults);
        } else {
            error = parse_instance_option(key, value, has_value, instance);
        }
        if (!error.empty()) {
            return error;
        }
    }
    if (!is_listing) {
        state.instances.push_back(std::move(instance));
    }
    return "";
}

void format_faults(const AnswerFaults& faults, std::string& out) {
    if (faults.hang) {
        out += "|hang=";
        out += faults.hang_forever ? "forever" : std::to_string(faults.hang_seconds);
        if (!faults.hang_match.empty()) {
            out += ":" + faults.hang_match;
        }
    }
    if (faults.slow_ms > 0) {
        out += "|slow=" + std::to_string(faults.slow_ms);
    }
    if (faults.zero_byte) {
        out += "|zero-byte";
    }
    if (faults.huge) {
        out += "|huge";
    }
    if (faults.exit_code) {
        out += "|exit=" + std::to_string(*faults.exit_code);
    }
}

const char* power_word(Power power) {
    switch (power) {
    case Power::running:
        return "running";
    case Power::starting:
        return "starting";
    case Power::stopped:
        break;
    }
    return "stopped";
}

} // namespace

ParsedState parse_state(std::string_view text) {
    State state;
    int number = 0;
    for (std::string_view line : split(text, '\n')) {
        ++number;
        if (!line.empty() && line.back() == '\r') {
            line.remove_suffix(1);
        }
        if (line.find_first_not_of(" \t") == std::string_view::npos || line.front() == '#') {
            continue;
        }
        std::string error = parse_line(line, state);
        if (!error.empty()) {
            return {std::nullopt, "line " + std::to_string(number) + ": " + error};
        }
    }
    return {std::move(state), ""};
}

std::string format_state(const State& state) {
    std::string out = "list2";
    if (state.listing.silent) {
        out += "|silent";
    }
    format_faults(state.listing.faults, out);
    out += "\n";
    for (const Instance& instance : state.instances) {
        out += instance.index + "|" + instance.name + "|" + power_word(instance.power) + "|" +
               instance.version;
        for (const std::string& tree : instance.trees) {
            out += "|tree=" + tree;
        }
        for (const std::string& dir : instance.dirs) {
            out += "|dir=" + dir;
        }
        for (const std::string& file : instance.files) {
            out += "|file=" + file;
        }
        auto flag = [&out](bool on, const char* text) {
            if (on) {
                out += text;
            }
        };
        flag(instance.writable, "|writable");
        flag(instance.remount_refused, "|remount=refused");
        flag(instance.rm_denied, "|rm=denied");
        flag(instance.short_line, "|short");
        flag(instance.blank_before, "|blank-before");
        if (instance.stop_after > 0) {
            out += "|stop-after=" + std::to_string(instance.stop_after);
        }
        if (instance.commands > 0) {
            out += "|commands=" + std::to_string(instance.commands);
        }
        format_faults(instance.faults, out);
        out += "\n";
    }
    return out;
}

const Instance* find_instance(const State& state, std::string_view index) {
    for (const Instance& instance : state.instances) {
        if (instance.index == index) {
            return &instance;
        }
    }
    return nullptr;
}

Instance* find_instance(State& state, std::string_view index) {
    return const_cast<Instance*>(find_instance(std::as_const(state), index));
}

int instance_position(const State& state, const Instance& instance) {
    return static_cast<int>(&instance - state.instances.data()) + 1;
}

bool hang_applies(const AnswerFaults& faults, std::string_view command) {
    return faults.hang && command.find(faults.hang_match) != std::string_view::npos;
}

} // namespace korvath::sim
