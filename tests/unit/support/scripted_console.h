// A console runner for the workflow tests: records every command line and
// answers by rules, as the console tool would.
#pragma once

#include "exec/console_runner.h"

#include <functional>
#include <map>
#include <string>
#include <vector>

namespace korvath::testing {

// What the runner gives for a command ended at its limit: the output so far
// and the runner's own closing line.
CommandResult timed_out(const std::string& output_so_far = "");

class ScriptedConsole : public ConsoleRunner {
  public:
    using Predicate = std::function<bool(const std::string&)>;

    // Answers for one exact command line, one per call; the last one repeats.
    void on(const std::string& command, std::vector<CommandResult> answers);
    void on(const std::string& command, const std::string& output);
    // Answers for every line the predicate accepts and no exact rule names.
    // Predicates are tried in the order they were added.
    void on_match(Predicate predicate, std::vector<CommandResult> answers);
    void on_match(Predicate predicate, const std::string& output);

    // Runs while the nth command (from 1) is in flight, e.g. a close request.
    void during_command(int n, std::function<void()> action);
    // Runs while every command is in flight.
    void during_every_command(std::function<void(const std::string&)> action);

    const std::vector<std::string>& commands() const { return commands_; }

    // Lines no rule answers get an empty output, as a command that cannot run.
    CommandResult run_console_command(const std::string& command) override;

  private:
    struct Answers {
        std::vector<CommandResult> sequence;
        std::size_t next = 0;
        CommandResult take();
    };
    std::map<std::string, Answers> exact_;
    std::vector<std::pair<Predicate, Answers>> matching_;
    std::map<int, std::function<void()>> during_;
    std::function<void(const std::string&)> during_every_;
    std::vector<std::string> commands_;
};

} // namespace korvath::testing
