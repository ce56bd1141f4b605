// Command line splitting (rules in command_line.h).
#include "command_line.h"

namespace korvath::sim {
namespace {

bool is_blank(char c) {
    return c == ' ' || c == '\t';
}

} // namespace

std::vector<std::string> split_command_line(std::string_view line) {
    std::vector<std::string> args;
    std::size_t i = 0;
    std::string program;
    bool quoted = false;
    for (; i < line.size() && (quoted || !is_blank(line[i])); ++i) {
        if (line[i] == '"') {
            quoted = !quoted;
        } else {
            program += line[i];
        }
    }
    args.push_back(program);
    while (true) {
        while (i < line.size() && is_blank(line[i])) {
            ++i;
        }
        if (i >= line.size()) {
            return args;
        }
        std::string arg;
        quoted = false;
        while (i < line.size() && (quoted || !is_blank(line[i]))) {
            std::size_t slashes = 0;
            while (i < line.size() && line[i] == '\\') {
                ++slashes;
                ++i;
            }
            if (i < line.size() && line[i] == '"') {
                arg.append(slashes / 2, '\\');
                if (slashes % 2 == 1) {
                    arg += '"';
                } else if (quoted && i + 1 < line.size() && line[i + 1] == '"') {
                    arg += '"';
                    ++i;
                } else {
                    quoted = !quoted;
                }
                ++i;
            } else {
                arg.append(slashes, '\\');
                if (i < line.size() && (quoted || !is_blank(line[i]))) {
                    arg += line[i];
                    ++i;
                }
            }
        }
        args.push_back(std::move(arg));
    }
}

std::vector<std::string> split_at_blanks(std::string_view text) {
    std::vector<std::string> pieces;
    std::size_t i = 0;
    while (i < text.size()) {
        if (text[i] == ' ') {
            ++i;
            continue;
        }
        std::size_t end = text.find(' ', i);
        end = end == std::string_view::npos ? text.size() : end;
        pieces.emplace_back(text.substr(i, end - i));
        i = end;
    }
    return pieces;
}

} // namespace korvath::sim
