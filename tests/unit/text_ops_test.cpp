#include "text/text_ops.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace korvath {
namespace {

// "运" is E8 BF 90; "行" is E8 A1 8C. A pattern made of a character's inner
// bytes must never match inside it.
const std::string kYun = "\xE8\xBF\x90";

struct LocateCase {
    const char* name;
    friend void PrintTo(const LocateCase& c, std::ostream* os) { *os << c.name; }
    std::string text;
    std::string sought;
    int expected;
};

class LocateText : public ::testing::TestWithParam<LocateCase> {};

TEST_P(LocateText, FindsFirstMatchAtCharacterStart) {
    const auto& c = GetParam();
    EXPECT_EQ(locate_text(c.text, c.sought), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, LocateText,
    ::testing::Values(LocateCase{"capitals_found_by_small", "ERROR: device offline", "error", 1},
                      LocateCase{"small_found_by_mixed", "rm: /x: no such file or directory",
                                 "No such file or directory", 9},
                      LocateCase{"absent", "7.1.2", "5.1.1", -1},
                      LocateCase{"at_start", "5.1.1\r\n", "5.1.1", 1},
                      LocateCase{"first_of_several", "a,b,c", ",", 2},
                      LocateCase{"inside_multibyte_not_matched", kYun + "x", "\xBF\x90", -1},
                      LocateCase{"after_multibyte_counts_bytes", kYun + "error", "ERROR", 4},
                      LocateCase{"non_latin_bytes_not_folded", "\xC3\xA9", "\xC3\x89", -1},
                      LocateCase{"at_symbol_not_folded_to_backtick", "`", "@", -1},
                      LocateCase{"stray_byte_is_one_character", "\xE8z", "z", 2},
                      LocateCase{"empty_text", "", "x", -1},
                      LocateCase{"empty_sought", "abc", "", -1},
                      LocateCase{"longer_than_text", "ab", "abc", -1}),
    [](const auto& info) { return info.param.name; });

struct SplitCase {
    const char* name;
    friend void PrintTo(const SplitCase& c, std::ostream* os) { *os << c.name; }
    std::string text;
    std::string separator;
    std::vector<std::string> expected;
};

class SplitAt : public ::testing::TestWithParam<SplitCase> {};

TEST_P(SplitAt, CutsAtEverySeparator) {
    const auto& c = GetParam();
    EXPECT_EQ(split_at(c.text, c.separator), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SplitAt,
    ::testing::Values(
        SplitCase{"trailing_separator_adds_nothing", "a\r\nb\r\n", "\r\n", {"a", "b"}},
        SplitCase{"empty_line_inside_kept", "a\r\n\r\nb", "\r\n", {"a", "", "b"}},
        SplitCase{"empty_text_no_members", "", "\r\n", {}},
        SplitCase{"separator_alone_one_empty", ",", ",", {""}},
        SplitCase{"no_separator_itself", "abc", ",", {"abc"}},
        SplitCase{"empty_fields_kept", "0,,x,,1", ",", {"0", "", "x", "", "1"}},
        SplitCase{"leading_separator", ",a", ",", {"", "a"}},
        SplitCase{"four_fields_then_comma", "1,a,0,0,", ",", {"1", "a", "0", "0"}},
        SplitCase{"case_counts", "aXbxc", "x", {"aXb", "c"}},
        SplitCase{"lone_cr_lf_stay", "a\rb\nc", "\r\n", {"a\rb\nc"}},
        SplitCase{"no_match_inside_multibyte", kYun + "," + kYun, "\xBF", {kYun + "," + kYun}}),
    [](const auto& info) { return info.param.name; });

struct ReplaceCase {
    const char* name;
    friend void PrintTo(const ReplaceCase& c, std::ostream* os) { *os << c.name; }
    std::string text;
    std::string sought;
    std::string replacement;
    std::string expected;
};

class ReplaceAll : public ::testing::TestWithParam<ReplaceCase> {};

TEST_P(ReplaceAll, ReplacesNonOverlappingMatches) {
    const auto& c = GetParam();
    EXPECT_EQ(replace_all(c.text, c.sought, c.replacement), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ReplaceAll,
    ::testing::Values(ReplaceCase{"crlf_removed_lone_kept", "7.1.2\r\n\rx\n\r\n", "\r\n", "",
                                  "7.1.2\rx\n"},
                      ReplaceCase{"lines_joined", "a\r\nb\r\n", "\r\n", "", "ab"},
                      ReplaceCase{"no_overlap", "aaa", "aa", "b", "ba"},
                      ReplaceCase{"case_ignored", "Err err", "ERR", "x", "x x"},
                      ReplaceCase{"replacement_not_rescanned", "ab", "a", "aa", "aab"},
                      ReplaceCase{"empty_text", "", "a", "b", ""},
                      ReplaceCase{"empty_sought_unchanged", "abc", "", "x", "abc"},
                      ReplaceCase{"multibyte_kept_whole", kYun + "a",
                                  "\x90"
                                  "a",
                                  "!", kYun + "a"}),
    [](const auto& info) { return info.param.name; });

TEST(LeftPart, CountsInBytes) {
    EXPECT_EQ(left_part("12,name", 0), "");
    EXPECT_EQ(left_part("12,name", -2), "");
    EXPECT_EQ(left_part("12,name", 2), "12");
    EXPECT_EQ(left_part("abc", 3), "abc");
    EXPECT_EQ(left_part("abc", 99), "abc");
    // A count may cut a character.
    EXPECT_EQ(left_part(kYun, 1), "\xE8");
}

TEST(TextsEqual, ByteForByteNoTrimming) {
    EXPECT_TRUE(texts_equal("运行中", "运行中"));
    EXPECT_FALSE(texts_equal("运行中 ", "运行中"));
    EXPECT_FALSE(texts_equal("Error", "error"));
    EXPECT_TRUE(texts_equal("", std::string()));
}

TEST(JoinTexts, ConcatenatesInOrder) {
    EXPECT_EQ(join_texts({"a", "", "b", "c"}), "abc");
    EXPECT_EQ(join_texts({}), "");
}

TEST(BytesToText, EndsAtFirstZeroByte) {
    const unsigned char middle[] = {'a', 'b', 0, 'c'};
    const unsigned char none[] = {'a', 'b'};
    EXPECT_EQ(bytes_to_text(middle), "ab");
    EXPECT_EQ(bytes_to_text(none), "ab");
    EXPECT_EQ(bytes_to_text({}), "");
}

} // namespace
} // namespace korvath
