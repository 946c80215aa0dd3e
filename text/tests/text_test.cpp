// Tables of cases for the toolkit's text, byte and number operations, with the double-byte
// cases that matter. GBK bytes are written escaped: "\xC4\xE3" is one character, and
// "\x81\x5C" is one character whose second byte is a backslash.
#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "runtime/fatal_stop.h"
#include "text/text.h"

namespace urlpush {
namespace {

// --- Cutting ---

struct CutCase {
    const char* name;
    std::string text;
    int start;  // TextMid only
    int count;
    std::string left, right, mid;
};

class CutTest : public testing::TestWithParam<CutCase> {};

TEST_P(CutTest, CountsRawBytes) {
    const CutCase& c = GetParam();
    EXPECT_EQ(TextLeft(c.text, c.count), c.left);
    EXPECT_EQ(TextRight(c.text, c.count), c.right);
    EXPECT_EQ(TextMid(c.text, c.start, c.count), c.mid);
}

INSTANTIATE_TEST_SUITE_P(
    Text, CutTest,
    testing::Values(CutCase{"zero_count", "abcde", 2, 0, "", "", ""},
                    CutCase{"negative_count", "abcde", 2, -3, "", "", ""},
                    CutCase{"count_past_length", "abcde", 3, 99, "abcde", "abcde", "cde"},
                    CutCase{"inside", "abcde", 2, 3, "abc", "cde", "bcd"},
                    CutCase{"mid_start_zero_is_not_moved", "abcde", 0, 2, "ab", "de", ""},
                    CutCase{"mid_start_negative", "abcde", -1, 2, "ab", "de", ""},
                    CutCase{"mid_start_one_past_end", "abcde", 6, 1, "a", "e", ""},
                    CutCase{"mid_start_at_end", "abcde", 5, 1, "a", "e", "e"},
                    CutCase{"cuts_inside_double_byte", "\xC4\xE3\xBA\xC3", 2, 2, "\xC4\xE3",
                            "\xBA\xC3", "\xE3\xBA"},
                    CutCase{"empty_text", "", 1, 3, "", "", ""}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(TextLength, CountsBytes) {
    EXPECT_EQ(TextLength(""), 0);
    EXPECT_EQ(TextLength("a\xC4\xE3"), 3);
}

// --- FindText ---

struct FindCase {
    const char* name;
    std::string text;
    std::string sought;
    std::optional<int> start;
    bool ignoreCase;
    int expected;
};

class FindTextTest : public testing::TestWithParam<FindCase> {};

TEST_P(FindTextTest, FindsAtCharacterBeginnings) {
    const FindCase& c = GetParam();
    const int found = c.start ? FindText(c.text, c.sought, *c.start, c.ignoreCase)
                              : FindText(c.text, c.sought);
    EXPECT_EQ(found, c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Text, FindTextTest,
    testing::Values(
        FindCase{"start_omitted", "a.b.c", ".", std::nullopt, false, 2},
        FindCase{"start_zero", "a.b.c", ".", 0, false, 2},
        FindCase{"start_negative", "a.b.c", ".", -1, false, 2},
        FindCase{"start_after_first", "a.b.c", ".", 3, false, 4},
        FindCase{"start_on_match", "a.b.c", ".", 4, false, 4},
        FindCase{"not_found", "a.b.c", "x", 1, false, -1},
        FindCase{"start_length_plus_one", "abc", "c", 4, false, -1},
        FindCase{"start_length_plus_one_empty_sought", "abc", "", 4, false, -1},
        FindCase{"start_length_finds_last_byte", "abc", "c", 3, false, 3},
        FindCase{"empty_sought_from_three", "abcde", "", 3, false, 1},
        FindCase{"empty_sought_empty_text", "", "", std::nullopt, false, -1},
        FindCase{"sought_longer_than_rest", "abc", "bcd", 1, false, -1},
        FindCase{"ignore_case_lower", "Host: x\r\nuser-agent: y", "User-Agent:", 1, true, 10},
        FindCase{"ignore_case_upper", "USER-AGENT: y", "User-Agent:", 0, true, 1},
        FindCase{"exact_case_misses", "user-agent: y", "User-Agent:", std::nullopt, false, -1},
        FindCase{"exact_case_hits", "X: 1\r\nUser-Agent: y", "User-Agent:", 1, false, 7},
        FindCase{"not_across_second_byte", "\xB0\x41\x42", "AB", std::nullopt, false, -1},
        FindCase{"after_double_byte", "\xB0\x41\x41\x42", "AB", std::nullopt, false, 3},
        FindCase{"backslash_as_second_byte", "C:\\dir\x81\x5C", "\\", 4, false, -1},
        FindCase{"backslash_before_double_byte", "C:\\\x81\x5C", "\\", std::nullopt, false,
                 3},
        FindCase{"start_byte_counts_as_beginning", "\xB0\x41\x42", "AB", 2, false, 2},
        FindCase{"folding_applies_to_second_bytes", "\xB0\x61", "\xB0\x41", 1, true, 1},
        FindCase{"lone_lead_byte_at_end", "ab\xC4", "\xC4", std::nullopt, false, 3},
        FindCase{"double_byte_sought", "x\xC4\xE3\xBA\xC3", "\xBA\xC3", std::nullopt, false,
                 4}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(FindText, BackslashSecondByteIsNotFoundButIsTheLastByte) {
    const std::string path = "C:\\tools\\\xB9\x5C";  // a directory whose last character ends in 0x5C
    EXPECT_EQ(FindText(path.substr(8), "\\"), 1);     // the real separator
    EXPECT_EQ(FindText(path, "\\", 10), -1);          // not inside the double-byte character
    EXPECT_EQ(TextRight(path, 1), "\\");              // yet the last byte reads as one
}

// --- FindTextReverse ---

struct ReverseCase {
    const char* name;
    std::string text;
    std::string sought;
    std::optional<int> start;
    int expected;
};

class FindTextReverseTest : public testing::TestWithParam<ReverseCase> {};

TEST_P(FindTextReverseTest, FindsLastOccurrenceBeforeStart) {
    const ReverseCase& c = GetParam();
    EXPECT_EQ(FindTextReverse(c.text, c.sought, c.start), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Text, FindTextReverseTest,
    testing::Values(ReverseCase{"omitted", "a.b.c", ".", std::nullopt, 4},
                    ReverseCase{"start_five", "a.b.c", ".", 5, 4},
                    ReverseCase{"start_four", "a.b.c", ".", 4, 2},
                    ReverseCase{"start_two", "a.b.c", ".", 2, -1},
                    ReverseCase{"start_one", "a.b.c", ".", 1, -1},
                    ReverseCase{"start_zero", "a.b.c", ".", 0, -1},
                    ReverseCase{"start_negative", "a.b.c", ".", -1, -1},
                    ReverseCase{"last_byte_not_seen_with_start_length", "ab.c.", ".", 5, 3},
                    ReverseCase{"last_byte_seen_when_omitted", "ab.c.", ".", std::nullopt, 5},
                    ReverseCase{"occurrence_reaching_start", "abcd", "bc", 3, -1},
                    ReverseCase{"overlapping", "aaaa", "aa", std::nullopt, 3},
                    ReverseCase{"empty_sought", "abc", "", 2, 1},
                    ReverseCase{"empty_sought_empty_window", "abc", "", 1, -1},
                    ReverseCase{"not_at_second_byte", "a.\xB0.", ".", std::nullopt, 2},
                    ReverseCase{"host_and_port", "srv.lan:8080", ":", std::nullopt, 8}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(FindTextReverse, IgnoresCaseWhenAsked) {
    EXPECT_EQ(FindTextReverse("aXbx", "x", std::nullopt, true), 4);
    EXPECT_EQ(FindTextReverse("aXbx", "X", std::nullopt, false), 2);
}

// --- Changing ---

struct ChangeCase {
    const char* name;
    std::string text;
    std::string lower, trimmed, spaceless;
};

class ChangeTest : public testing::TestWithParam<ChangeCase> {};

TEST_P(ChangeTest, LowerTrimAndRemoveSpaces) {
    const ChangeCase& c = GetParam();
    EXPECT_EQ(ToLower(c.text), c.lower);
    EXPECT_EQ(TrimText(c.text), c.trimmed);
    EXPECT_EQ(RemoveSpaces(c.text), c.spaceless);
}

INSTANTIATE_TEST_SUITE_P(
    Text, ChangeTest,
    testing::Values(
        ChangeCase{"empty", "", "", "", ""},
        ChangeCase{"ascii", " Ab C ", " ab c ", "Ab C", "AbC"},
        ChangeCase{"only_blanks", " \xA1\xA1 ", " \xA1\xA1 ", "", ""},
        ChangeCase{"ideographic_space_is_blank", "\xA1\xA1x\xA1\xA1y\xA1\xA1",
                   "\xA1\xA1x\xA1\xA1y\xA1\xA1", "x\xA1\xA1y", "xy"},
        ChangeCase{"tabs_and_line_breaks_stay", "\t a \r\n", "\t a \r\n", "\t a \r\n", "\ta\r\n"},
        ChangeCase{"double_byte_with_upper_second_byte", "\xB0\x41Z", "\xB0\x41z", "\xB0\x41Z",
                   "\xB0\x41Z"},
        // 0xB0 0xA1 is one character, so the 0xA1 0xA1 that straddles it is no blank.
        ChangeCase{"a1a1_only_at_character_beginning", "\xB0\xA1\xA1x", "\xB0\xA1\xA1x",
                   "\xB0\xA1\xA1x", "\xB0\xA1\xA1x"},
        ChangeCase{"trailing_a1a1_after_second_byte", "x\xB0\xA1\xA1\xA1", "x\xB0\xA1\xA1\xA1",
                   "x\xB0\xA1", "x\xB0\xA1"},
        ChangeCase{"lone_lead_byte_kept", " a\xC4", " a\xC4", "a\xC4", "a\xC4"}),
    [](const auto& info) { return std::string(info.param.name); });

struct ReplaceCase {
    const char* name;
    std::string text, sought;
    std::optional<std::string> replacement;
    bool caseSensitive;
    std::string expected;
};

class ReplaceTextTest : public testing::TestWithParam<ReplaceCase> {};

TEST_P(ReplaceTextTest, OnePassLeftToRight) {
    const ReplaceCase& c = GetParam();
    const Text result = c.replacement
                            ? ReplaceText(c.text, c.sought, *c.replacement, c.caseSensitive)
                            : ReplaceText(c.text, c.sought, {}, c.caseSensitive);
    EXPECT_EQ(result, c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Text, ReplaceTextTest,
    testing::Values(
        ReplaceCase{"three_semicolons", ";;;", ";;", ";", true, ";;"},
        ReplaceCase{"four_semicolons", ";;;;", ";;", ";", true, ";;"},
        ReplaceCase{"replacement_not_searched_again", "aa", "a", "aa", true, "aaaa"},
        ReplaceCase{"case_variants_normalised", "set-cookie: a\r\nSET-COOKIE: b", "Set-Cookie",
                    "Set-Cookie", false, "Set-Cookie: a\r\nSet-Cookie: b"},
        ReplaceCase{"omitted_replacement_deletes", "Set-Cookie: a; set-cookie:b", "Set-Cookie:",
                    std::nullopt, false, " a; b"},
        ReplaceCase{"case_sensitive_keeps_variants", "Ab ab", "ab", "x", true, "Ab x"},
        ReplaceCase{"empty_text", "", "a", "b", true, ""},
        ReplaceCase{"empty_sought", "abc", "", "x", true, "abc"},
        ReplaceCase{"not_at_second_byte", "\xB0\x41" "A", "A", "b", true, "\xB0\x41" "b"},
        ReplaceCase{"tail_shorter_than_sought", "xab", "abc", "-", true, "xab"},
        ReplaceCase{"quote_word", "#\xD2\xFD\xBA\xC5" "a#\xD2\xFD\xBA\xC5",
                    "#\xD2\xFD\xBA\xC5", "\"", true, "\"a\""}),
    [](const auto& info) { return std::string(info.param.name); });

// --- Building, comparing, conversions ---

TEST(Building, ConcatBlankCharFromCode) {
    EXPECT_EQ(ConcatText("a", std::string(), "b\xC4\xE3", Text("c")), "ab\xC4\xE3" "c");
    EXPECT_EQ(BlankText(0), "");
    EXPECT_EQ(BlankText(-2), "");
    EXPECT_EQ(BlankText(5000), std::string(5000, ' '));
    EXPECT_EQ(CharFromCode(0x41), "A");
    EXPECT_EQ(CharFromCode(0), "");
}

TEST(Building, EmptyTextReachesSystemAsNullAndLiteralAsEmptyString) {
    EXPECT_EQ(SystemArg(CharFromCode(0)), nullptr);
    EXPECT_EQ(SystemArg(Text()), nullptr);
    const Text some = "x";
    EXPECT_STREQ(SystemArg(some), "x");
    // A literal "" is written at the call itself and stays a pointer to an empty string.
    const char* literal = "";
    ASSERT_NE(literal, nullptr);
    EXPECT_EQ(*literal, '\0');
}

TEST(Building, BlankTextReadsBackUpToTheFirstZero) {
    Text buffer = BlankText(10);
    buffer.replace(0, 4, "abc\0", 4);  // what a system function leaves in it
    EXPECT_EQ(ToText(buffer), "abc");
}

struct CompareCase {
    const char* name;
    std::string a, b;
    int sign;
};

class CompareTextTest : public testing::TestWithParam<CompareCase> {};

TEST_P(CompareTextTest, OrdersBytesUnsigned) {
    const CompareCase& c = GetParam();
    const int result = CompareText(c.a, c.b);
    EXPECT_EQ((result > 0) - (result < 0), c.sign);
}

INSTANTIATE_TEST_SUITE_P(Text, CompareTextTest,
                         testing::Values(CompareCase{"absent_equals_empty", "", "", 0},
                                         CompareCase{"equal", "abc", "abc", 0},
                                         CompareCase{"case_matters", "abc", "aBc", 1},
                                         CompareCase{"prefix_first", "ab", "abc", -1},
                                         CompareCase{"high_bytes_after_ascii", "\xC4", "z", 1}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(Bytes, LengthLeftBlankConcatCompare) {
    const Bytes withZero("a\0b", 3);
    EXPECT_EQ(BytesLength(withZero), 3);
    EXPECT_EQ(BytesLength(Bytes()), 0);
    EXPECT_EQ(BytesLeft(withZero, 2), Bytes("a\0", 2));
    EXPECT_EQ(BytesLeft(withZero, 99), withZero);
    EXPECT_EQ(BytesLeft(withZero, 0), Bytes());
    EXPECT_EQ(BlankBytes(1024), Bytes(1024, '\0'));
    EXPECT_EQ(BlankBytes(0), Bytes());
    EXPECT_EQ(ConcatBytes(withZero, Bytes(), "c"), Bytes("a\0bc", 4));
    EXPECT_TRUE(CompareBytes(Bytes(), ""));
    EXPECT_FALSE(CompareBytes(withZero, "a"));
}

TEST(Conversions, ToTextAndToBytes) {
    EXPECT_EQ(ToText(Bytes("ab\0cd", 5)), "ab");
    EXPECT_EQ(ToText(Bytes()), "");
    EXPECT_EQ(ToText(Bytes("\xC4\xE3")), "\xC4\xE3");
    EXPECT_EQ(ToText(0), "0");
    EXPECT_EQ(ToText(-2001), "-2001");
    EXPECT_EQ(ToText(4000), "4000");
    EXPECT_EQ(ToBytes(""), Bytes());
    EXPECT_EQ(BytesLength(ToBytes("abc")), 3);
}

struct ToIntCase {
    const char* name;
    std::string text;
    int expected;
};

class ToIntTest : public testing::TestWithParam<ToIntCase> {};

TEST_P(ToIntTest, ReadsLeadingNumber) { EXPECT_EQ(ToInt(GetParam().text), GetParam().expected); }

INSTANTIATE_TEST_SUITE_P(
    Text, ToIntTest,
    testing::Values(ToIntCase{"plain", "8080", 8080},
                    ToIntCase{"digits_then_slash", "8080/path", 8080},
                    ToIntCase{"leading_white_space", " \t\r\n 42", 42},
                    ToIntCase{"plus", "+7", 7},
                    ToIntCase{"minus", "-7", -7},
                    ToIntCase{"two_signs", "+-7", 0},
                    ToIntCase{"empty", "", 0},
                    ToIntCase{"letters", "abc", 0},
                    ToIntCase{"hex_prefix", "0x1F", 0},
                    ToIntCase{"full_width_digits", "\xA3\xB1\xA3\xB2\xA3\xB3", 123},
                    ToIntCase{"full_width_minus_and_space", "\xA1\xA1\xA3\xAD\xA3\xB5", -5},
                    ToIntCase{"wraps_32_bit", "4294967297", 1},
                    ToIntCase{"int_min", "-2147483648", INT32_MIN},
                    ToIntCase{"other_double_byte_stops", "1\xC4\xE3" "2", 1}),
    [](const auto& info) { return std::string(info.param.name); });

// --- Numbers ---

TEST(Numbers, ModuloTruncatesAndBitOr) {
    for (double multiple : {0.0, 2000.0, 4000.0, 2000000.0}) {
        EXPECT_TRUE(IsZero(Modulo(multiple, 2000))) << multiple;
    }
    EXPECT_EQ(Modulo(1, 2000), 1);
    EXPECT_EQ(Modulo(-1, 2000), -1);
    EXPECT_EQ(Modulo(2001, 2000), 1);
    EXPECT_EQ(Modulo(7.5, 2), 1.5);
    EXPECT_TRUE(IsZero(1e-7));
    EXPECT_FALSE(IsZero(2e-7));
    EXPECT_EQ(BitOr(0x80000000, 0x4000), static_cast<int32_t>(0x80004000));
}

TEST(NumbersDeathTest, ModuloByZeroStopsTheProgram) {
    SetFatalReporter(ReportFatalToStandardError);
    EXPECT_EXIT((void)Modulo(5, 0), testing::ExitedWithCode(3), "division by zero");
    SetFatalReporter(nullptr);
}

// --- TextBetween ---

struct BetweenCase {
    const char* name;
    std::string text, left, right;
    std::optional<int> start;
    std::string expected;
};

class TextBetweenTest : public testing::TestWithParam<BetweenCase> {};

TEST_P(TextBetweenTest, CutsBetweenMarkers) {
    const BetweenCase& c = GetParam();
    const Text result = c.start ? TextBetween(c.text, c.left, c.right, *c.start)
                                : TextBetween(c.text, c.left, c.right);
    EXPECT_EQ(result, c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Text, TextBetweenTest,
    testing::Values(
        BetweenCase{"remain", "{\"remain\":498,\"success\":2}", "\"remain\":", ",",
                    std::nullopt, "498"},
        BetweenCase{"success", "{\"remain\":498,\"success\":2}", "\"success\":", "}",
                    std::nullopt, "2"},
        BetweenCase{"left_missing", "{\"a\":1}", "\"b\":", "}", std::nullopt, ""},
        BetweenCase{"right_missing_after_left", "}{\"a\":1", "\"a\":", "}", std::nullopt, ""},
        BetweenCase{"right_follows_directly", "[]", "[", "]", std::nullopt, ""},
        BetweenCase{"left_ends_text", "abc:", ":", "x", std::nullopt, ""},
        BetweenCase{"markers_do_not_overlap", "aXa", "a", "a", std::nullopt, "X"},
        BetweenCase{"second_left_inside", "[a[b]", "[", "]", std::nullopt, "a[b"},
        BetweenCase{"start_skips_first", "[a][b]", "[", "]", 3, "b"},
        BetweenCase{"quote_word_matches_quote", "{\"message\":\"bad\"}",
                    "#\xD2\xFD\xBA\xC5message#\xD2\xFD\xBA\xC5:#\xD2\xFD\xBA\xC5",
                    "#\xD2\xFD\xBA\xC5", std::nullopt, "bad"}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace urlpush
