// The practice push interface's answers, case by case, and its quota.
#include <gtest/gtest.h>

#include <string>

#include "tools/practice_push/practice_interface.h"

namespace urlpush::practice {
namespace {

struct AnswerCase {
    const char* name;
    std::string path, site, token, body;
    int status;
    std::string reply;
};

class PracticeAnswerTest : public testing::TestWithParam<AnswerCase> {};

std::string Lines(int count, std::string_view host) {
    std::string body;
    for (int i = 0; i < count; ++i) body.append("http://").append(host).append("/p\r\n");
    return body;
}

TEST_P(PracticeAnswerTest, AnswersLikeAPushInterface) {
    const AnswerCase& c = GetParam();
    PracticeInterface interface({"tok", "https://www.site.lan", 10});
    const Reply reply = interface.Answer(c.path, c.site, c.token, c.body);
    EXPECT_EQ(reply.status, c.status);
    EXPECT_EQ(reply.body, c.reply);
}

INSTANTIATE_TEST_SUITE_P(
    Practice, PracticeAnswerTest,
    testing::Values(
        AnswerCase{"success", "/urls", "www.site.lan", "tok",
                   "http://www.site.lan/a\r\nhttps://WWW.site.lan:8080/b\r\n", 200,
                   R"({"remain":8,"success":2,"not_same_site":[],"not_valid":[]})"},
        AnswerCase{"site_given_as_url", "/urls", "https://www.site.lan", "tok",
                   "http://www.site.lan/a\n", 200,
                   R"({"remain":9,"success":1,"not_same_site":[],"not_valid":[]})"},
        AnswerCase{"other_host_and_invalid", "/urls", "www.site.lan", "tok",
                   "http://other.lan/x\r\n\r\nftp://www.site.lan/y\r\nnot a url\r\n", 200,
                   R"({"remain":10,"success":0,"not_same_site":["http://other.lan/x"],)"
                   R"("not_valid":["ftp://www.site.lan/y","not a url"]})"},
        AnswerCase{"wrong_token", "/urls", "www.site.lan", "bad", "http://www.site.lan/a", 401,
                   R"({"error":401,"message":"token is not valid"})"},
        AnswerCase{"unknown_site", "/urls", "other.lan", "tok", "http://other.lan/a", 400,
                   R"({"error":400,"message":"site error"})"},
        AnswerCase{"empty_body", "/urls", "www.site.lan", "tok", "\r\n\r\n", 400,
                   R"({"error":400,"message":"empty content"})"},
        AnswerCase{"too_many_lines", "/urls", "www.site.lan", "tok", Lines(2001, "www.site.lan"),
                   400, R"({"error":400,"message":"only 2000 urls are allowed once"})"},
        AnswerCase{"over_quota", "/urls", "www.site.lan", "tok", Lines(11, "www.site.lan"), 400,
                   R"({"error":400,"message":"over quota"})"},
        AnswerCase{"other_path", "/push", "www.site.lan", "tok", "http://www.site.lan/a", 404,
                   R"({"error":404,"message":"not found"})"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(PracticeInterface, QuotaIsUsedUpAcrossPushes) {
    PracticeInterface interface({"tok", "www.site.lan", 3});
    EXPECT_EQ(interface.Answer("/urls", "www.site.lan", "tok", Lines(2, "www.site.lan")).status,
              200);
    EXPECT_EQ(interface.Remaining(), 1);
    const Reply over = interface.Answer("/urls", "www.site.lan", "tok", Lines(2, "www.site.lan"));
    EXPECT_EQ(over.body, R"({"error":400,"message":"over quota"})");
    EXPECT_EQ(interface.Remaining(), 1);  // a refused push takes nothing off the quota
}

}  // namespace
}  // namespace urlpush::practice
