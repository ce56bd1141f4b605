// What the simulated console tool answers: the listing, device commands and
// the faults that shape an answer. Texts are UTF-8; the caller converts.
#pragma once

#include "sim_state.h"

#include <filesystem>
#include <string>
#include <string_view>

namespace korvath::sim {

// One line per instance, 7 fields, "\r\n" after each line.
std::string listing_text(const State& state);

// Runs one device command against a running instance and its tree.
std::string device_answer(Instance& instance, const std::filesystem::path& tree,
                          std::string_view command);

// The zero byte and the huge filler of the faults, applied to a whole answer.
std::string shape_answer(std::string text, const AnswerFaults& faults);

} // namespace korvath::sim
