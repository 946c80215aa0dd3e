// GBK <-> UTF-8 conversion, the same table natively and under Wine.
#include "text/encoding.h"

#include <gtest/gtest.h>

#include <cctype>

namespace urlpush {
namespace {

struct RoundTrip {
    const char* label;
    std::string_view gbk;
    std::string_view utf8;
};

const RoundTrip kRoundTrips[] = {
    {"empty", "", ""},
    {"ascii", "http://data.example/urls?site=a&token=b", "http://data.example/urls?site=a&token=b"},
    {"submit", "\xCC\xE1\xBD\xBB", "\xE6\x8F\x90\xE4\xBA\xA4"},
    {"label with full-width colon", "\xCD\xC6\xCB\xCD\xBD\xD3\xBF\xDA\xA3\xBA",
     "\xE6\x8E\xA8\xE9\x80\x81\xE6\x8E\xA5\xE5\x8F\xA3\xEF\xBC\x9A"},
    {"mixed with line breaks", "a\r\n\xCC\xE1\r\nb", "a\r\n\xE6\x8F\x90\r\nb"},
    {"ideographic space", "\xA1\xA1", "\xE3\x80\x80"},
};

class EncodingRoundTrip : public testing::TestWithParam<RoundTrip> {};

TEST_P(EncodingRoundTrip, BothWays) {
    const RoundTrip& c = GetParam();
    EXPECT_EQ(GbkToUtf8(c.gbk), c.utf8);
    EXPECT_EQ(Utf8ToGbk(c.utf8), c.gbk);
}

INSTANTIATE_TEST_SUITE_P(Table, EncodingRoundTrip, testing::ValuesIn(kRoundTrips),
                         [](const auto& info) {
                             std::string name = info.param.label;
                             for (char& ch : name)
                                 if (!std::isalnum(static_cast<unsigned char>(ch))) ch = '_';
                             return name;
                         });

TEST(Encoding, CharacterMissingFromGbkBecomesQuestionMark) {
    // U+0E01 (Thai) has no GBK code; the letters around it survive.
    EXPECT_EQ(Utf8ToGbk("a\xE0\xB8\x81" "b"), "a?b");
}

TEST(Encoding, LongTextConvertsWhole) {
    std::string gbk;
    std::string utf8;
    for (int i = 0; i < 100000; ++i) {
        gbk += "\xCC\xE1x";
        utf8 += "\xE6\x8F\x90x";
    }
    EXPECT_EQ(GbkToUtf8(gbk), utf8);
    EXPECT_EQ(Utf8ToGbk(utf8), gbk);
}

}  // namespace
}  // namespace urlpush
