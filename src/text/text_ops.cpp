// Text operations: byte-exact rules over UTF-8 characters.
#include "text/text_ops.h"

namespace korvath {
namespace {

bool is_continuation(unsigned char byte) {
    return (byte & 0xC0) == 0x80;
}

unsigned char fold_latin(unsigned char byte) {
    return (byte >= 'A' && byte <= 'Z') ? static_cast<unsigned char>(byte + 0x20) : byte;
}

bool matches_at(std::string_view text, std::size_t pos, std::string_view sought, bool ignore_case) {
    if (sought.size() > text.size() - pos) {
        return false;
    }
    for (std::size_t i = 0; i < sought.size(); ++i) {
        auto a = static_cast<unsigned char>(text[pos + i]);
        auto b = static_cast<unsigned char>(sought[i]);
        if (ignore_case ? fold_latin(a) != fold_latin(b) : a != b) {
            return false;
        }
    }
    return true;
}

} // namespace

std::size_t character_length(std::string_view text, std::size_t pos) {
    auto lead = static_cast<unsigned char>(text[pos]);
    std::size_t length = 1;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
    }
    if (length == 1 || pos + length > text.size()) {
        return 1;
    }
    for (std::size_t i = 1; i < length; ++i) {
        if (!is_continuation(static_cast<unsigned char>(text[pos + i]))) {
            return 1;
        }
    }
    return length;
}

std::string join_texts(std::initializer_list<std::string_view> parts) {
    std::size_t total = 0;
    for (auto part : parts) {
        total += part.size();
    }
    std::string joined;
    joined.reserve(total);
    for (auto part : parts) {
        joined.append(part);
    }
    return joined;
}

bool texts_equal(std::string_view a, std::string_view b) {
    return a == b;
}

int locate_text(std::string_view text, std::string_view sought) {
    if (sought.empty()) {
        return -1;
    }
    for (std::size_t pos = 0; pos < text.size(); pos += character_length(text, pos)) {
        if (matches_at(text, pos, sought, true)) {
            return static_cast<int>(pos) + 1;
        }
    }
    return -1;
}

std::string left_part(std::string_view text, long count) {
    if (count <= 0) {
        return {};
    }
    if (static_cast<unsigned long>(count) >= text.size()) {
        return std::string(text);
    }
    return std::string(text.substr(0, static_cast<std::size_t>(count)));
}

std::vector<std::string> split_at(std::string_view text, std::string_view separator) {
    std::vector<std::string> members;
    if (separator.empty()) {
        if (!text.empty()) {
            members.emplace_back(text);
        }
        return members;
    }
    std::size_t cut = 0;
    std::size_t pos = 0;
    while (pos < text.size()) {
        if (matches_at(text, pos, separator, false)) {
            members.emplace_back(text.substr(cut, pos - cut));
            pos += separator.size();
            cut = pos;
        } else {
            pos += character_length(text, pos);
        }
    }
    if (cut < text.size()) {
        members.emplace_back(text.substr(cut));
    }
    return members;
}

std::string replace_all(std::string_view text, std::string_view sought,
                        std::string_view replacement) {
    if (text.empty() || sought.empty()) {
        return std::string(text);
    }
    std::string result;
    result.reserve(text.size());
    std::size_t pos = 0;
    while (pos < text.size()) {
        if (matches_at(text, pos, sought, true)) {
            result.append(replacement);
            pos += sought.size();
        } else {
            std::size_t length = character_length(text, pos);
            result.append(text.substr(pos, length));
            pos += length;
        }
    }
    return result;
}

std::string bytes_to_text(std::span<const unsigned char> buffer) {
    std::size_t end = 0;
    while (end < buffer.size() && buffer[end] != 0) {
        ++end;
    }
    return std::string(reinterpret_cast<const char*>(buffer.data()), end);
}

} // namespace korvath
