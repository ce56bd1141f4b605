// The scripted console runner used by the workflow tests.
#include "support/scripted_console.h"

#include <algorithm>
#include <stdexcept>

namespace korvath::testing {

CommandResult timed_out(const std::string& output_so_far) {
    return {output_so_far + "\r\n命令超时（30 秒），已终止\r\n", true};
}

CommandResult ScriptedConsole::Answers::take() {
    if (sequence.empty()) {
        throw std::logic_error("a rule without answers");
    }
    const CommandResult& answer = sequence[std::min(next, sequence.size() - 1)];
    ++next;
    return answer;
}

void ScriptedConsole::on(const std::string& command, std::vector<CommandResult> answers) {
    exact_[command] = Answers{std::move(answers)};
}

void ScriptedConsole::on(const std::string& command, const std::string& output) {
    on(command, std::vector<CommandResult>{{output, false}});
}

void ScriptedConsole::on_match(Predicate predicate, std::vector<CommandResult> answers) {
    matching_.emplace_back(std::move(predicate), Answers{std::move(answers)});
}

void ScriptedConsole::on_match(Predicate predicate, const std::string& output) {
    on_match(std::move(predicate), std::vector<CommandResult>{{output, false}});
}

void ScriptedConsole::during_command(int n, std::function<void()> action) {
    during_[n] = std::move(action);
}

void ScriptedConsole::during_every_command(std::function<void(const std::string&)> action) {
    during_every_ = std::move(action);
}

CommandResult ScriptedConsole::run_console_command(const std::string& command) {
    commands_.push_back(command);
    if (during_every_) {
        during_every_(command);
    }
    if (auto it = during_.find(static_cast<int>(commands_.size())); it != during_.end()) {
        it->second();
    }
    if (auto it = exact_.find(command); it != exact_.end()) {
        return it->second.take();
    }
    for (auto& [predicate, answers] : matching_) {
        if (predicate(command)) {
            return answers.take();
        }
    }
    return {};
}

} // namespace korvath::testing
