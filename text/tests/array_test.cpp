// SplitText, the TextArray it makes, and the fatal stop for a member read out of range.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "runtime/fatal_stop.h"
#include "text/text.h"

namespace urlpush {
namespace {

std::vector<std::string> Members(const TextArray& array) {
    std::vector<std::string> members;
    for (int i = 1; i <= ArraySize(array); ++i) members.emplace_back(Member(array, i));
    return members;
}

struct SplitCase {
    const char* name;
    std::string text, delimiter;
    std::vector<std::string> expected;
};

class SplitTextTest : public testing::TestWithParam<SplitCase> {};

TEST_P(SplitTextTest, SplitsIntoMembers) {
    const SplitCase& c = GetParam();
    EXPECT_EQ(Members(SplitText(c.text, c.delimiter)), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Text, SplitTextTest,
    testing::Values(
        SplitCase{"two_lines_each_ending", "a\r\nb\r\n", "\r\n", {"a", "b"}},
        SplitCase{"just_a_line_break", "\r\n", "\r\n", {""}},
        SplitCase{"empty_text", "", "\r\n", {}},
        SplitCase{"empty_line_between", "a\r\n\r\nb", "\r\n", {"a", "", "b"}},
        SplitCase{"no_delimiter", "abc", "\r\n", {"abc"}},
        SplitCase{"empty_delimiter", "a;b", "", {"a;b"}},
        SplitCase{"leading_dot", ".lan", ".", {"", "lan"}},
        SplitCase{"name_without_dot", "localhost", ".", {"localhost"}},
        SplitCase{"trailing_semicolon", "a=1;b=2;", ";", {"a=1", "b=2"}},
        SplitCase{"empty_member_between", "a;;b", ";", {"a", "", "b"}},
        SplitCase{"lone_cr_stays", "a\rb\nc\r\n", "\r\n", {"a\rb\nc"}},
        SplitCase{"not_at_second_byte", "\xB0;x;y", ";", {"\xB0;x", "y"}},
        SplitCase{"lone_lead_byte_at_end", "a;\xC4", ";", {"a", "\xC4"}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(TextArray, AppendMemberCopiesAndGrows) {
    TextArray array;
    EXPECT_EQ(ArraySize(array), 0);
    Text line = "x";
    AppendMember(array, line);
    AppendMember(array, "");
    line = "changed";
    EXPECT_EQ(Members(array), (std::vector<std::string>{"x", ""}));
}

TEST(TextArray, SplitsManyShortLinesInOrder) {
    std::string text;
    for (int i = 1; i <= 100000; ++i) text.append("u").append(std::to_string(i)).append("\r\n");
    const TextArray lines = SplitText(text, "\r\n");
    ASSERT_EQ(ArraySize(lines), 100000);
    EXPECT_EQ(Member(lines, 1), "u1");
    EXPECT_EQ(Member(lines, 54321), "u54321");
    EXPECT_EQ(Member(lines, 100000), "u100000");
}

TEST(TextArrayDeathTest, ReadOutsideTheArrayStopsTheProgram) {
    TextArray array = SplitText("a;b", ";");
    SetFatalReporter(ReportFatalToStandardError);
    EXPECT_EXIT((void)Member(array, 3), testing::ExitedWithCode(3), "member 3 read outside 1 to 2");
    EXPECT_EXIT((void)Member(array, 0), testing::ExitedWithCode(3), "member 0 read outside");
    SetFatalReporter(nullptr);
}

}  // namespace
}  // namespace urlpush
