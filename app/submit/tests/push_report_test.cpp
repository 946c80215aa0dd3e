// The report the log gets for each kind of reply. Expected texts are written in UTF-8 here
// and compared with the GBK report read as UTF-8.
#include <gtest/gtest.h>

#include <string>

#include "app/submit/push_report.h"
#include "text/encoding.h"

namespace urlpush {
namespace {

struct ReportCase {
    const char* name;
    std::string reply;
    int status;
    PushMode mode;
    std::string expected;  // UTF-8
};

class PushReportTest : public testing::TestWithParam<ReportCase> {};

TEST_P(PushReportTest, ReportsTheReply) {
    const ReportCase& c = GetParam();
    EXPECT_EQ(GbkToUtf8(PushReport(c.reply, c.status, c.mode)), c.expected);
}

const auto kSingle = PushMode::kSingle;
const auto kBatch = PushMode::kBatch;

INSTANTIATE_TEST_SUITE_P(
    Push, PushReportTest,
    testing::Values(
        ReportCase{"success", R"({"remain":498,"success":2})", 200, kSingle,
                   "已成功推送：2条\r\n目前剩余可推送条数：498推送成功\r\n"},
        ReportCase{"success_in_batch", R"({"remain":498,"success":2})", 200, kBatch,
                   "已成功推送：2条\r\n"},
        ReportCase{"keys_in_other_order", R"({"success":2,"remain":498})", 200, kSingle,
                   "已成功推送：2条\r\n目前剩余可推送条数：498推送成功\r\n"},
        ReportCase{"further_keys", R"({"remain":7,"success":3,"not_same_site":[],"not_valid":[]})",
                   200, kSingle, "已成功推送：3条\r\n目前剩余可推送条数：7推送成功\r\n"},
        ReportCase{"success_without_remain", R"({"success":2})", 200, kSingle,
                   "已成功推送：2条\r\n目前剩余可推送条数：推送成功\r\n"},
        ReportCase{"rejected_urls_listed",
                   R"({"remain":8,"success":1,"not_same_site":["http://o.lan/x","http://p.lan/"],)"
                   R"("not_valid":["bad"]})",
                   200, kBatch,
                   "已成功推送：1条\r\n非本站链接：2条\r\nhttp://o.lan/x\r\nhttp://p.lan/\r\n"
                   "不合法链接：1条\r\nbad\r\n"},
        ReportCase{"error_message", R"({"error":400,"message":"bad request"})", 400, kSingle,
                   "bad request推送失败\r\n"},
        ReportCase{"message_mentioning_remain", R"({"message":"no remain left"})", 200, kSingle,
                   "no remain left推送失败\r\n"},
        ReportCase{"utf8_message", R"({"error":400,"message":"站点错误"})", 400, kBatch,
                   "站点错误推送失败\r\n"},
        ReportCase{"escaped_quote_in_message", R"({"message":"say \"hi\""})", 400, kSingle,
                   "say \"hi\"推送失败\r\n"},
        ReportCase{"no_response", "", 0, kSingle, "无法连接推送接口，推送失败\r\n"},
        ReportCase{"server_error_page", "<html><body>Internal error</body></html>", 500, kSingle,
                   "HTTP 500 推送失败\r\n"},
        ReportCase{"ok_status_but_no_success", "<html>remain</html>", 200, kSingle, "推送失败\r\n"},
        ReportCase{"success_not_a_number", R"({"success":"2","remain":1})", 200, kSingle,
                   "推送失败\r\n"},
        ReportCase{"not_found_without_body", "", 404, kBatch, "HTTP 404 推送失败\r\n"}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace urlpush
