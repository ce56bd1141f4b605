// The simulator's state: its instances, their faults, and the text format that
// both the setup description and the saved state use.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace korvath::sim {

enum class Power { stopped, starting, running };

// Faults that shape an answer; an instance's apply to its device commands,
// the listing's to list2.
struct AnswerFaults {
    bool hang = false;
    bool hang_forever = false;
    int hang_seconds = 0;
    std::string hang_match; // empty: every command
    int slow_ms = 0;
    bool zero_byte = false;
    bool huge = false;
    std::optional<unsigned> exit_code;
};

struct Instance {
    std::string index;
    std::string name;
    Power power = Power::stopped;
    std::string version;
    // Only sim-setup reads these, to build the tree.
    std::vector<std::string> trees;
    std::vector<std::string> dirs;
    std::vector<std::string> files;
    bool writable = false;
    bool remount_refused = false;
    bool rm_denied = false;
    int stop_after = 0; // 0: never stops
    int commands = 0;   // device commands answered so far
    bool short_line = false;
    bool blank_before = false;
    AnswerFaults faults;
};

struct Listing {
    bool silent = false;
    AnswerFaults faults;
};

struct State {
    Listing listing;
    std::vector<Instance> instances;
};

struct ParsedState {
    std::optional<State> state;
    std::string error; // "line N: ..." when state is empty
};

ParsedState parse_state(std::string_view text);
std::string format_state(const State& state);

// The first instance with exactly this index text, or null.
const Instance* find_instance(const State& state, std::string_view index);
Instance* find_instance(State& state, std::string_view index);
// 1-based position in the state, which names the instance's tree folder.
int instance_position(const State& state, const Instance& instance);

bool hang_applies(const AnswerFaults& faults, std::string_view command);

} // namespace korvath::sim
