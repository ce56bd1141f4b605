// Text operations the workflow relies on, with their exact rules.
//
// Texts are UTF-8 byte strings. Lengths and positions are in bytes,
// positions start at 1 and -1 means "not found". Searches and splits try a
// match only where a character starts: a well-formed UTF-8 sequence is one
// character, any other byte is a character by itself.
#pragma once

#include <cstddef>
#include <initializer_list>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace korvath {

// Length in bytes of the character that starts at text[pos] (1 to 4).
std::size_t character_length(std::string_view text, std::size_t pos);

// The texts one after another, nothing between them.
std::string join_texts(std::initializer_list<std::string_view> parts);

// Same bytes, same length; letter case counts, nothing is trimmed.
bool texts_equal(std::string_view a, std::string_view b);

// 1-based position of the first match, or -1. Letter case is ignored for the
// 26 Latin letters only. An empty text sought is never found.
int locate_text(std::string_view text, std::string_view sought);

// The first `count` bytes; empty for a count of 0 or less, the whole text for
// a count at or past the length (even where the cut splits a character).
std::string left_part(std::string_view text, long count);

// Members between the separators (compared with letter case counting).
// No members for an empty text; no empty last member after a final separator.
std::vector<std::string> split_at(std::string_view text, std::string_view separator);

// Every non-overlapping match (letter case ignored) replaced, left to right.
std::string replace_all(std::string_view text, std::string_view sought,
                        std::string_view replacement);

// The bytes up to, not including, the first zero byte.
std::string bytes_to_text(std::span<const unsigned char> buffer);

} // namespace korvath
