// MergeCookies: the merged result and what becomes of both operands.
#include "web/cookie_merge.h"

#include <gtest/gtest.h>

#include <string>

namespace urlpush {
namespace {

struct MergeCase {
    const char* name;
    std::string cookies, returned, merged, returnedAfter;
};

class MergeCookiesTest : public testing::TestWithParam<MergeCase> {};

TEST_P(MergeCookiesTest, MergesAndRewritesBothOperands) {
    const MergeCase& c = GetParam();
    Text cookies = c.cookies, returned = c.returned;
    EXPECT_EQ(MergeCookies(cookies, returned), c.merged);
    EXPECT_EQ(cookies, c.merged);
    EXPECT_EQ(returned, c.returnedAfter);
}

INSTANTIATE_TEST_SUITE_P(
    Web, MergeCookiesTest,
    testing::Values(
        MergeCase{"into_empty", "", "a=1; b=2", "a=1;b=2;", "a=1;b=2"},
        MergeCase{"update_and_add", "a=1; b=2", "b=3; c=4", "a=1;b=3;c=4;", "b=3;c=4"},
        MergeCase{"deleted_removes", "a=1; b=2", "a=deleted", "b=2;", "a=deleted"},
        MergeCase{"nothing_returned", "a=1; b=2", "", "a=1;b=2", ""},
        MergeCase{"nothing_returned_keeps_odd_members", "x; a= ;", " ", "x;a=;", ""},
        MergeCase{"member_without_value_dropped", "x; a=1", "c=3", "a=1;c=3;", "c=3"},
        MergeCase{"returned_twice_last_wins", "a=1", "a=2; a=3", "a=3;", "a=2;a=3"},
        MergeCase{"sent_twice_first_updated", "a=1; a=2", "a=9", "a=9;a=2;", "a=9"},
        MergeCase{"names_case_sensitive", "A=1", "a=2", "A=1;a=2;", "a=2"},
        MergeCase{"value_loses_spaces", "", "n=x y", "n=xy;", "n=xy"},
        MergeCase{"ideographic_space_removed", "a=1\xA1\xA1;", "b=2", "a=1;b=2;", "b=2"},
        MergeCase{"value_holds_equals", "", "t=a=b", "t=a=b;", "t=a=b"},
        MergeCase{"header_line_form", "Cookie: a=1", "b=2", "Cookie:a=1;b=2;", "b=2"},
        MergeCase{"empty_members_skipped", "a=1;;b=2", "=x; c=", "a=1;b=2;", "=x;c="},
        MergeCase{"deleted_is_case_sensitive", "a=1", "a=Deleted", "a=Deleted;", "a=Deleted"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(CookieParts, NameIsTrimmedValueIsNot) {
    EXPECT_EQ(CookieName(" a =1"), "a");
    EXPECT_EQ(CookieName("flag"), "flag");
    EXPECT_EQ(CookieValue("a= 1 "), " 1 ");
    EXPECT_EQ(CookieValue("t=a=b"), "a=b");
    EXPECT_EQ(CookieValue("flag"), "");
}

}  // namespace
}  // namespace urlpush
