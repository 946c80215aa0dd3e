// WebAccess against the recording fake: the exact calls, the header block, the body, the
// returned headers and cookies, and what each early failure closes and leaves untouched.
#include "web/web_access.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "recording_internet_api.h"

namespace urlpush {
namespace {

using Calls = std::vector<std::string>;

const std::string kOk = "HTTP/1.1 200 OK\r\nContent-Length: 2\r\n\r\n";
const char* const kDefaultAgent = "\"Mozilla/4.0 (compatible; MSIE 9.0; Windows NT 6.1)\"";

FakeScript Answering(std::vector<std::string> reads, std::string headers = kOk) {
    FakeScript script;
    script.reads = std::move(reads);
    script.headers = std::move(headers);
    return script;
}

TEST(WebAccess, GetMakesTheSevenCallsInOrder) {
    RecordingInternetApi api(Answering({"ok"}));
    Text headers;
    EXPECT_EQ(
        WebAccess(api, "http://Srv.LAN:8080/A?b=1", 0, {}, nullptr, nullptr, nullptr, &headers),
        "ok");
    EXPECT_EQ(headers, kOk);
    const Calls expected = {
        std::string("InternetOpen(") + kDefaultAgent + ", 1, null, null, 0x0)",
        "InternetConnect(internet, \"srv.lan\", 8080, null, null, 3, 0x0, 0)",
        "HttpOpenRequest(connection, \"GET\", \"/A?b=1\", \"HTTP/1.1\", null, null, 0x80004010, 0)",
        "HttpSendRequest(request, \"Accept: */*\\r\\nReferer: http://Srv.LAN:8080/A?b=1\\r\\n"
        "Accept-Language: zh-cn\\r\\nContent-Type: application/x-www-form-urlencoded\", 120, "
        "\"\", 0)",
        "InternetReadFile(request, 1024)",
        "InternetReadFile(request, 1024)",
        "HttpQueryInfo(request, 22, 5000, null)",
        "InternetCloseHandle(request)",
        "InternetCloseHandle(connection)",
        "InternetCloseHandle(internet)",
    };
    EXPECT_EQ(api.calls, expected);
}

// --- Verb, flags, proxy ---

struct RequestCase {
    const char* name;
    std::string url;
    int method;
    bool cookiesSupplied, noRedirect;
    std::string proxy;
    std::string openCall, requestCall;
};

class WebAccessRequestTest : public testing::TestWithParam<RequestCase> {};

TEST_P(WebAccessRequestTest, OpensWithTheVerbFlagsAndProxy) {
    const RequestCase& c = GetParam();
    RecordingInternetApi api(Answering({}));
    Text cookies;
    (void)WebAccess(api, c.url, c.method, {}, c.cookiesSupplied ? &cookies : nullptr, nullptr,
                    nullptr, nullptr, c.noRedirect, nullptr, c.proxy);
    ASSERT_GE(api.calls.size(), 3u);
    EXPECT_EQ(api.calls[0], c.openCall);
    EXPECT_EQ(api.calls[2], c.requestCall);
}

const std::string kPlainOpen =
    std::string("InternetOpen(") + kDefaultAgent + ", 1, null, null, 0x0)";

INSTANTIATE_TEST_SUITE_P(
    Web, WebAccessRequestTest,
    testing::Values(
        RequestCase{"post", "http://srv.lan/", 1, false, false, "", kPlainOpen,
                    "HttpOpenRequest(connection, \"POST\", \"/\", \"HTTP/1.1\", null, null, "
                    "0x80004010, 0)"},
        RequestCase{"head", "http://srv.lan/", 2, false, false, "", kPlainOpen,
                    "HttpOpenRequest(connection, \"HEAD\", \"/\", \"HTTP/1.1\", null, null, "
                    "0x80004010, 0)"},
        RequestCase{
            "method_7_is_get", "http://srv.lan/", 7, false, false, "", kPlainOpen,
            "HttpOpenRequest(connection, \"GET\", \"/\", \"HTTP/1.1\", null, null, 0x80004010, 0)"},
        RequestCase{
            "method_minus_1_is_get", "http://srv.lan/", -1, false, false, "", kPlainOpen,
            "HttpOpenRequest(connection, \"GET\", \"/\", \"HTTP/1.1\", null, null, 0x80004010, 0)"},
        RequestCase{"secure", "HTTPS://Srv.LAN/A?b=1", 0, false, false, "", kPlainOpen,
                    "HttpOpenRequest(connection, \"GET\", \"/A?b=1\", \"HTTP/1.1\", null, null, "
                    "0x80800010, 0)"},
        RequestCase{
            "cookies_supplied", "http://srv.lan/", 0, true, false, "", kPlainOpen,
            "HttpOpenRequest(connection, \"GET\", \"/\", \"HTTP/1.1\", null, null, 0x80084010, 0)"},
        RequestCase{
            "no_redirect", "http://srv.lan/", 0, false, true, "", kPlainOpen,
            "HttpOpenRequest(connection, \"GET\", \"/\", \"HTTP/1.1\", null, null, 0x80204010, 0)"},
        RequestCase{"all_flags_secure", "https://srv.lan/", 1, true, true, "", kPlainOpen,
                    "HttpOpenRequest(connection, \"POST\", \"/\", \"HTTP/1.1\", null, null, "
                    "0x80A80010, 0)"},
        RequestCase{
            "proxy_plain_http", "http://srv.lan/", 0, false, false, "px:3128",
            std::string("InternetOpen(") + kDefaultAgent + ", 3, \"http=px:3128\", \"\", 0x0)",
            "HttpOpenRequest(connection, \"GET\", \"/\", \"HTTP/1.1\", null, null, 0x80004010, 0)"},
        RequestCase{"proxy_https", "HTTPS://Srv.LAN/A?b=1", 0, false, false, "px:3128",
                    std::string("InternetOpen(") + kDefaultAgent + ", 3, \"px:3128\", \"\", 0x0)",
                    "HttpOpenRequest(connection, \"GET\", \"/A?b=1\", \"HTTP/1.1\", null, null, "
                    "0x80800010, 0)"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(WebAccess, SecureUrlConnectsToPort443) {
    RecordingInternetApi api(Answering({}));
    (void)WebAccess(api, "HTTPS://Srv.LAN/A?b=1");
    EXPECT_EQ(api.calls[1], "InternetConnect(internet, \"srv.lan\", 443, null, null, 3, 0x0, 0)");
}

TEST(WebAccess, EmptyUrlConnectsToANullHostOnPort80ForRoot) {
    RecordingInternetApi api(Answering({}));
    (void)WebAccess(api, "");
    EXPECT_EQ(api.calls[1], "InternetConnect(internet, null, 80, null, null, 3, 0x0, 0)");
    EXPECT_NE(api.calls[2].find("\"GET\", \"/\","), std::string::npos);
}

// --- Agent ---

struct AgentCase {
    const char* name;
    std::string extraHeaders, agent;  // agent as recorded
};

class WebAccessAgentTest : public testing::TestWithParam<AgentCase> {};

TEST_P(WebAccessAgentTest, TakesTheAgentFromTheUserAgentLine) {
    const AgentCase& c = GetParam();
    RecordingInternetApi api(Answering({}));
    Text headers = c.extraHeaders;
    (void)WebAccess(api, "http://srv.lan/", 0, {}, nullptr, nullptr, &headers);
    EXPECT_EQ(api.calls[0], "InternetOpen(" + c.agent + ", 1, null, null, 0x0)");
    EXPECT_EQ(headers.substr(0, c.extraHeaders.size()), c.extraHeaders) << "the line stays";
}

INSTANTIATE_TEST_SUITE_P(
    Web, WebAccessAgentTest,
    testing::Values(AgentCase{"none", "", kDefaultAgent},
                    AgentCase{"exact", "User-Agent: Probe/2", "\"Probe/2\""},
                    AgentCase{"lower_case", "user-agent: Probe/2", "\"Probe/2\""},
                    AgentCase{"after_other_line", "X-A: 1\r\nuser-agent: Probe/2", "\"Probe/2\""},
                    AgentCase{"before_other_line", "User-Agent:  P/3 \r\nX-A: 1", "\"P/3\""},
                    AgentCase{"lone_line_feed_cut", "User-Agent: P/4\nX-Evil: 1", "\"P/4\""},
                    AgentCase{"blank_value", "User-Agent:   ", "null"},
                    AgentCase{"only_inside_a_value", "X-Note: User-Agent: x", kDefaultAgent}),
    [](const auto& info) { return std::string(info.param.name); });

// --- Header block ---

struct HeaderCase {
    const char* name;
    std::string extraHeaders;
    std::optional<std::string> cookies;
    std::string block;
};

class WebAccessHeaderTest : public testing::TestWithParam<HeaderCase> {};

TEST_P(WebAccessHeaderTest, AddsTheDefaultLinesTheCallerLacks) {
    const HeaderCase& c = GetParam();
    RecordingInternetApi api(Answering({}));
    Text headers = c.extraHeaders;
    Text cookies = c.cookies.value_or("");
    (void)WebAccess(api, "http://srv.lan/p", 0, {}, c.cookies ? &cookies : nullptr, nullptr,
                    &headers);
    EXPECT_EQ(headers, c.block);
    EXPECT_EQ(api.calls[3], "HttpSendRequest(request, " + Quoted(c.block.c_str()) + ", " +
                                std::to_string(c.block.size()) + ", \"\", 0)");
}

const std::string kDefaults =
    "Referer: http://srv.lan/p\r\nAccept-Language: zh-cn\r\nContent-Type: "
    "application/x-www-form-urlencoded";

INSTANTIATE_TEST_SUITE_P(
    Web, WebAccessHeaderTest,
    testing::Values(
        HeaderCase{"left_out", "", std::nullopt, "Accept: */*\r\n" + kDefaults},
        HeaderCase{"lower_case_accept", "accept: text/html", std::nullopt,
                   "accept: text/html\r\nAccept: */*\r\n" + kDefaults},
        HeaderCase{"own_lines_kept",
                   "Accept: a/b\r\nReferer: r\r\nAccept-Language: en\r\nContent-Type: t/x",
                   std::nullopt,
                   "Accept: a/b\r\nReferer: r\r\nAccept-Language: en\r\nContent-Type: t/x"},
        HeaderCase{"cookie_text", "", "sid=1", "Accept: */*\r\n" + kDefaults + "\r\nCookie: sid=1"},
        HeaderCase{"cookie_line", "", "Cookie: sid=1",
                   "Accept: */*\r\n" + kDefaults + "\r\nCookie: sid=1"},
        HeaderCase{"cookies_empty", "", "", "Accept: */*\r\n" + kDefaults}),
    [](const auto& info) { return std::string(info.param.name); });

// --- Body sent ---

struct BodyCase {
    const char* name;
    int method;
    std::string postText, postBytes;
    std::string sendTail;        // the body arguments as recorded
    std::string postBytesAfter;  // the caller's postBytes on return
};

class WebAccessBodyTest : public testing::TestWithParam<BodyCase> {};

TEST_P(WebAccessBodyTest, SendsTheBodyOfTheMethod) {
    const BodyCase& c = GetParam();
    RecordingInternetApi api(Answering({}));
    Bytes postBytes = c.postBytes;
    (void)WebAccess(api, "http://srv.lan/", c.method, c.postText, nullptr, nullptr, nullptr,
                    nullptr, false, &postBytes);
    const std::string& send = api.calls[3];
    EXPECT_EQ(send.substr(send.size() - c.sendTail.size()), c.sendTail) << send;
    EXPECT_EQ(postBytes, c.postBytesAfter);
}

INSTANTIATE_TEST_SUITE_P(
    Web, WebAccessBodyTest,
    testing::Values(BodyCase{"get_ignores_body", 0, "x", "yz", "\"\", 0)", "yz"},
                    BodyCase{"post_bytes_win", 1, "x", "yz", "\"yz\", 2)", "yz"},
                    BodyCase{"post_text_written_back", 1, "x", "", "\"x\", 1)", "x"},
                    BodyCase{"post_zero_bytes", 1, "", std::string("a\0b", 3), "\"a\\0b\", 3)",
                             std::string("a\0b", 3)},
                    BodyCase{"post_empty_is_null", 1, "", "", "null, 0)", ""},
                    BodyCase{"head_sends_body", 2, "h", "", "\"h\", 1)", "h"}),
    [](const auto& info) { return std::string(info.param.name); });

// --- Body read, headers, cookies ---

TEST(WebAccess, ReturnsTheWholeBodyWhateverTheReadCounts) {
    const std::string body(2500, 'b');
    RecordingInternetApi api(Answering(
        {body.substr(0, 1024), body.substr(1024, 7), body.substr(1031, 1024), body.substr(2055)}));
    EXPECT_EQ(WebAccess(api, "http://srv.lan/"), body);
}

TEST(WebAccess, AFailedReadEndsTheBody) {
    RecordingInternetApi api(Answering({"ab"}));  // the second read fails without a count
    EXPECT_EQ(WebAccess(api, "http://srv.lan/"), "ab");
}

TEST(WebAccess, ReturnsAHeaderBlockLongerThan5000BytesWhole) {
    std::string headers = "HTTP/1.1 200 OK\r\nX-Long: " + std::string(6000, 'h') + "\r\n\r\n";
    RecordingInternetApi api(Answering({}, headers));
    Text returned;
    (void)WebAccess(api, "http://srv.lan/", 0, {}, nullptr, nullptr, nullptr, &returned);
    EXPECT_EQ(returned, headers);
    // No body: one read, then a query that is too small and one that is large enough.
    EXPECT_EQ(api.calls[5], "HttpQueryInfo(request, 22, 5000, null)");
    EXPECT_GT(std::stoul(api.calls[6].substr(api.calls[6].find("22, ") + 4)), headers.size());
    EXPECT_EQ(api.calls[7], "InternetCloseHandle(request)");
}

struct CookieCase {
    const char* name;
    std::string headers;
    std::optional<std::string> cookies;
    std::string returnedCookies, cookiesAfter, headersAfter;
};

class WebAccessCookieTest : public testing::TestWithParam<CookieCase> {};

TEST_P(WebAccessCookieTest, ExtractsAndMergesTheReturnedCookies) {
    const CookieCase& c = GetParam();
    RecordingInternetApi api(Answering({}, c.headers));
    Text cookies = c.cookies.value_or(""), returnedCookies = "stale", returnedHeaders;
    (void)WebAccess(api, "http://srv.lan/", 0, {}, c.cookies ? &cookies : nullptr, &returnedCookies,
                    nullptr, &returnedHeaders);
    EXPECT_EQ(returnedCookies, c.returnedCookies);
    if (c.cookies) {
        EXPECT_EQ(cookies, c.cookiesAfter);
    }
    EXPECT_EQ(returnedHeaders, c.headersAfter);
}

const std::string kTwoCookies =
    "HTTP/1.1 200 OK\r\nSet-Cookie: a=1; Path=/\r\nset-cookie: b=2\r\n\r\n";
const std::string kTwoCookiesNormal =
    "HTTP/1.1 200 OK\r\nSet-Cookie: a=1; Path=/\r\nSet-Cookie: b=2\r\n\r\n";

INSTANTIATE_TEST_SUITE_P(
    Web, WebAccessCookieTest,
    testing::Values(
        CookieCase{"left_out", kTwoCookies, std::nullopt, "a=1; b=2", "", kTwoCookiesNormal},
        CookieCase{"supplied_empty", kTwoCookies, "", "a=1;b=2;", "a=1;b=2;", kTwoCookiesNormal},
        CookieCase{"merged", kTwoCookies, "b=0; c=3", "b=2;c=3;a=1;", "b=2;c=3;a=1;",
                   kTwoCookiesNormal},
        CookieCase{"none_back", kOk, std::nullopt, "", "", kOk},
        CookieCase{"none_back_supplied", kOk, "x = 1", "x=1", "x=1", kOk},
        CookieCase{"expose_headers_line",
                   "HTTP/1.1 200 OK\r\nAccess-Control-Expose-Headers: Set-Cookie\r\n\r\n",
                   std::nullopt, "Access-Control-Expose-Headers: Set-Cookie", "",
                   "HTTP/1.1 200 OK\r\nAccess-Control-Expose-Headers: Set-Cookie\r\n\r\n"},
        CookieCase{"name_only_begins_with_set_cookie",
                   "HTTP/1.1 200 OK\r\nSet-Cookie2: v=1; x\r\nSet-Cookie: c=3\r\n\r\n",
                   std::nullopt, "; c=3", "",
                   "HTTP/1.1 200 OK\r\nSet-Cookie2: v=1; x\r\nSet-Cookie: c=3\r\n\r\n"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(WebAccess, NoResponseGivesEmptyHeadersAndCookies) {
    FakeScript script;
    script.sendFails = true;
    RecordingInternetApi api(script);
    Text headers = "old", returnedCookies = "old", cookies = "a=1";
    EXPECT_EQ(
        WebAccess(api, "http://srv.lan/", 0, {}, &cookies, &returnedCookies, nullptr, &headers),
        "");
    EXPECT_EQ(headers, "");
    EXPECT_EQ(returnedCookies, "a=1");
    EXPECT_EQ(api.calls.back(), "InternetCloseHandle(internet)");
}

TEST(WebAccess, AHeaderBlockWithoutStatusLineCountsAsNoResponse) {
    RecordingInternetApi api(Answering({}, "\r\n"));
    Text headers = "old";
    (void)WebAccess(api, "http://srv.lan/", 0, {}, nullptr, nullptr, nullptr, &headers);
    EXPECT_EQ(headers, "");
}

// --- Early failures ---

struct FailureCase {
    const char* name;
    FakeScript script;
    Calls closes;  // the calls after the failing open
};

class WebAccessFailureTest : public testing::TestWithParam<FailureCase> {};

TEST_P(WebAccessFailureTest, ClosesWhatWasOpenedAndTouchesNoOutput) {
    const FailureCase& c = GetParam();
    RecordingInternetApi api(c.script);
    Text cookies = "c=1", returnedCookies = "rc", headers = "H: 1", returnedHeaders = "rh";
    Bytes postBytes = "pb";
    EXPECT_EQ(WebAccess(api, "http://srv.lan/", 1, "text", &cookies, &returnedCookies, &headers,
                        &returnedHeaders, false, &postBytes),
              "");
    const Calls closes(api.calls.end() - static_cast<std::ptrdiff_t>(c.closes.size()),
                       api.calls.end());
    EXPECT_EQ(closes, c.closes);
    EXPECT_EQ(api.calls.size(), 2 * c.closes.size()) << "one open for each close";
    EXPECT_EQ(cookies, "c=1");
    EXPECT_EQ(returnedCookies, "rc");
    EXPECT_EQ(headers, "H: 1");
    EXPECT_EQ(returnedHeaders, "rh");
    EXPECT_EQ(postBytes, "pb");
}

FakeScript Failing(bool open, bool connect, bool request) {
    FakeScript script;
    script.openFails = open;
    script.connectFails = connect;
    script.requestFails = request;
    return script;
}

INSTANTIATE_TEST_SUITE_P(
    Web, WebAccessFailureTest,
    testing::Values(FailureCase{"open", Failing(true, false, false), {"InternetCloseHandle(null)"}},
                    FailureCase{"connect",
                                Failing(false, true, false),
                                {"InternetCloseHandle(null)", "InternetCloseHandle(internet)"}},
                    FailureCase{"request",
                                Failing(false, false, true),
                                {"InternetCloseHandle(null)", "InternetCloseHandle(connection)",
                                 "InternetCloseHandle(internet)"}}),
    [](const auto& info) { return std::string(info.param.name); });

// --- Helpers ---

TEST(TextAfterColon, TrimsTheRestAfterTheFirstColon) {
    EXPECT_EQ(TextAfterColon("User-Agent:  Probe/2 "), "Probe/2");
    EXPECT_EQ(TextAfterColon("a: b: c"), "b: c");
    EXPECT_EQ(TextAfterColon("no colon"), "");
}

struct StatusCase {
    const char* name;
    std::string headers;
    int status;
};

class StatusCodeOfTest : public testing::TestWithParam<StatusCase> {};

TEST_P(StatusCodeOfTest, ReadsTheStatusLine) {
    EXPECT_EQ(StatusCodeOf(GetParam().headers), GetParam().status);
}

INSTANTIATE_TEST_SUITE_P(
    Web, StatusCodeOfTest,
    testing::Values(StatusCase{"ok", "HTTP/1.1 200 OK\r\nA: b\r\n\r\n", 200},
                    StatusCase{"redirect_no_reason", "HTTP/1.0 302\r\n\r\n", 302},
                    StatusCase{"empty", "", 0}, StatusCase{"spaces", std::string(5000, ' '), 0},
                    StatusCase{"not_a_number", "HTTP/1.1 2x0 OK\r\n", 0},
                    StatusCase{"short_code", "HTTP/1.1 20", 0}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace urlpush
