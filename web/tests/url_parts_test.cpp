// UrlHost, UrlPort and UrlPath: the table of URLs, and the options of UrlHost.
#include "web/url_parts.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace urlpush {
namespace {

struct UrlCase {
    const char* name;
    std::string url, host;
    int port;
    std::string path;
};

class UrlPartsTest : public testing::TestWithParam<UrlCase> {};

TEST_P(UrlPartsTest, TakesTheUrlApart) {
    const UrlCase& c = GetParam();
    EXPECT_EQ(UrlHost(c.url), c.host);
    EXPECT_EQ(UrlPort(c.url), c.port);
    EXPECT_EQ(UrlPath(c.url), c.path);
}

INSTANTIATE_TEST_SUITE_P(
    Web, UrlPartsTest,
    testing::Values(
        UrlCase{"mixed_case", "http://Srv.LAN/A/b?c=D", "srv.lan", 80, "/A/b?c=D"},
        UrlCase{"https_capitals_no_path", "HTTPS://SRV.LAN", "srv.lan", 443, "/"},
        UrlCase{"explicit_port", "https://srv.lan:8443/x", "srv.lan", 8443, "/x"},
        UrlCase{"no_scheme_with_path", "srv.lan/x", "srv.lan", 80, "/x"},
        UrlCase{"no_scheme_no_path", "srv.lan", "srv.lan", 80, "/"},
        UrlCase{"root", "http://srv.lan/", "srv.lan", 80, "/"},
        UrlCase{"port_no_path", "http://srv.lan:81", "srv.lan", 81, "/"},
        UrlCase{"empty", "", "", 80, "/"},
        UrlCase{"empty_port_text", "http://srv.lan:/", "srv.lan", 0, "/"},
        UrlCase{"secure_query", "HTTPS://Srv.LAN/A?b=1", "srv.lan", 443, "/A?b=1"},
        // A scheme counts only at the start; the host ends at "/", "?" or "#".
        UrlCase{"query_after_host", "http://srv.lan?x=1", "srv.lan", 80, "/?x=1"},
        UrlCase{"query_after_port", "http://srv.lan:8080?x=1", "srv.lan", 8080, "/?x=1"},
        UrlCase{"fragment_after_host", "http://srv.lan#top", "srv.lan", 80, "/#top"},
        UrlCase{"scheme_later_in_text", "srv.lan/?u=http://alt.lan/", "srv.lan", 80,
                "/?u=http://alt.lan/"},
        UrlCase{"host_inside_scheme", "http://t/x", "t", 80, "/x"},
        UrlCase{"mixed_case_scheme", "Http://Srv.lan/P", "srv.lan", 80, "/P"},
        UrlCase{"https_word_without_scheme", "https.lan/x", "https.lan", 443, "/x"},
        UrlCase{"double_byte_path", "http://srv.lan/\xC4\xE3/A", "srv.lan", 80, "/\xC4\xE3/A"}),
    [](const auto& info) { return std::string(info.param.name); });

struct HostCase {
    const char* name;
    std::string url;
    bool dropSubdomain, keepPort;
    std::optional<int> domainLevels;
    std::string host;
};

class UrlHostOptionsTest : public testing::TestWithParam<HostCase> {};

TEST_P(UrlHostOptionsTest, AppliesTheOptions) {
    const HostCase& c = GetParam();
    EXPECT_EQ(UrlHost(c.url, c.dropSubdomain, c.keepPort, c.domainLevels), c.host);
}

INSTANTIATE_TEST_SUITE_P(
    Web, UrlHostOptionsTest,
    testing::Values(
        HostCase{"keep_port", "https://srv.lan:8443/x", false, true, std::nullopt, "srv.lan:8443"},
        HostCase{"drop_subdomain", "http://api.srv.lan/", true, false, std::nullopt, "srv.lan"},
        HostCase{"drop_subdomain_two_labels", "srv.lan", true, false, std::nullopt, "srv.lan"},
        HostCase{"drop_subdomain_one_label", "http://lan:80/", true, false, std::nullopt, "lan"},
        HostCase{"domain_levels_0", "api.srv.lan", false, false, 0, "srv.lan"},
        HostCase{"domain_levels_0_drop", "api.srv.lan", true, false, 0, "lan"},
        HostCase{"domain_levels_1", "api.srv.lan", false, false, 1, "api.srv.lan"},
        HostCase{"domain_levels_1_drop", "api.srv.lan", true, false, 1, "srv.lan"},
        HostCase{"domain_levels_negative", "http://a.b.srv.lan/x", false, false, -3, "srv.lan"},
        HostCase{"domain_short_host", "https://lan:81/x", false, false, 2, "lan"},
        HostCase{"domain_keeps_port", "http://api.srv.lan:81/x", false, true, 0, "srv.lan:81"},
        HostCase{"domain_cuts_port", "http://api.srv.lan:81/x", false, false, 0, "srv.lan"}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace urlpush
