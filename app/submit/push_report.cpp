// The reply of the push interface is parsed as JSON; strings in it are UTF-8 and become
// GBK for the log.
#include "app/submit/push_report.h"

#include <nlohmann/json.hpp>

#include "app/submit/push_texts.h"
#include "text/encoding.h"

namespace urlpush {
namespace {

using nlohmann::json;
namespace t = push_texts;

// A number's decimal form; "" for anything else (a missing "remain" among them).
Text NumberText(const json& reply, const char* key) {
    const auto found = reply.find(key);
    return found != reply.end() && found->is_number() ? Text(found->dump()) : Text();
}

// "非本站链接：3条\r\n" and the three URLs, one a line; nothing when the list is empty.
void AppendUrlList(Text& report, const json& reply, const char* key, std::string_view caption) {
    const auto found = reply.find(key);
    if (found == reply.end() || !found->is_array() || found->empty()) return;
    report += ConcatText(caption, ToText(static_cast<int>(found->size())), t::kCountEnd);
    for (const json& url : *found) {
        report += url.is_string() ? Utf8ToGbk(url.get_ref<const std::string&>())
                                  : Utf8ToGbk(url.dump());
        report += "\r\n";
    }
}

Text FailureReason(const json& reply, int status) {
    if (reply.is_object()) {
        const auto message = reply.find("message");
        if (message != reply.end() && !message->is_null()) {
            return Utf8ToGbk(message->is_string() ? message->get_ref<const std::string&>()
                                                  : message->dump());
        }
    }
    if (status == 0) return Text(t::kCannotConnect);
    if (status < 200 || status > 299) return ConcatText("HTTP ", ToText(status), " ");
    return {};
}

}  // namespace

Text PushReport(std::string_view replyBody, int status, PushMode mode) {
    const json reply = json::parse(replyBody, nullptr, /*allow_exceptions=*/false);
    const bool success = reply.is_object() && reply.contains("success") &&
                         reply["success"].is_number();
    if (!success) return ConcatText(FailureReason(reply, status), t::kPushFailed, "\r\n");

    Text report = mode == PushMode::kSingle
                      ? ConcatText(t::kPushed, NumberText(reply, "success"), t::kCountThenRemain,
                                   NumberText(reply, "remain"), t::kPushSucceeded)
                      : ConcatText(t::kPushed, NumberText(reply, "success"), t::kCountEnd);
    AppendUrlList(report, reply, "not_same_site", t::kNotSameSite);
    AppendUrlList(report, reply, "not_valid", t::kNotValid);
    return report;
}

}  // namespace urlpush
