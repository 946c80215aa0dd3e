// WebAccess through the platform's HTTP service against servers on 127.0.0.1: what
// arrived on the wire, and what came back.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <fstream>
#include <string>

#include "loopback_server.h"
#include "web/web_access.h"
#include "web/web_timeouts.h"

namespace urlpush {
namespace {

using loopback::Arrival;
using loopback::LoopbackServer;
using loopback::Reply;
using loopback::Response;
using Clock = std::chrono::steady_clock;

class Wire : public testing::Test {
  protected:
    void SetUp() override { previous_ = SetWebTimeouts({5000, 5000}); }
    void TearDown() override { SetWebTimeouts(previous_); }

  private:
    WebTimeouts previous_;
};

Reply Answer(const std::string& body) { return {Response("200 OK", body)}; }

double SecondsSince(Clock::time_point start) {
    return std::chrono::duration<double>(Clock::now() - start).count();
}

// --- What arrives ---

struct PostCase {
    const char* name;
    std::string postText, postBytes, expected;
};

class WirePostTest : public Wire, public testing::WithParamInterface<PostCase> {};

TEST_P(WirePostTest, BodyArrivesByteForByte) {
    const PostCase& c = GetParam();
    LoopbackServer server([](const Arrival&) { return Answer("ok"); });
    Bytes postBytes = c.postBytes;
    EXPECT_EQ(WebAccess(server.Url("/push?site=a"), 1, c.postText, nullptr, nullptr, nullptr,
                        nullptr, false, &postBytes),
              "ok");
    const auto arrivals = server.Arrivals();
    ASSERT_EQ(arrivals.size(), 1u);
    EXPECT_EQ(arrivals[0].RequestLine(), "POST /push?site=a HTTP/1.1");
    EXPECT_TRUE(arrivals[0].HasLine("Content-Length: " + std::to_string(c.expected.size())))
        << arrivals[0].head;
    EXPECT_TRUE(arrivals[0].body == c.expected)
        << "body of " << arrivals[0].body.size() << " bytes";
}

INSTANTIATE_TEST_SUITE_P(Web, WirePostTest,
                         testing::Values(PostCase{"text", "a=1&b=2\r\n", "", "a=1&b=2\r\n"},
                                         PostCase{"bytes_with_zeros", "x",
                                                  std::string("\0a\0\xFF", 4),
                                                  std::string("\0a\0\xFF", 4)},
                                         PostCase{"empty", "", "", ""},
                                         PostCase{"ten_megabytes", std::string(10 << 20, 'u'), "",
                                                  std::string(10 << 20, 'u')}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(Wire, HeaderBlockArrivesAsSent) {
    LoopbackServer server([](const Arrival&) { return Answer("ok"); });
    const std::string url = server.Url("/h");
    Text headers = "X-Probe: 1\r\nUser-Agent: Probe/2";
    (void)WebAccess(url, 0, {}, nullptr, nullptr, &headers);
    const auto arrivals = server.Arrivals();
    ASSERT_EQ(arrivals.size(), 1u);
    const Arrival& got = arrivals[0];
    EXPECT_EQ(got.RequestLine(), "GET /h HTTP/1.1");
    for (const char* line :
         {"X-Probe: 1", "User-Agent: Probe/2", "Accept: */*", "Accept-Language: zh-cn",
          "Content-Type: application/x-www-form-urlencoded"}) {
        EXPECT_TRUE(got.HasLine(line)) << line << " in\n" << got.head;
    }
    EXPECT_TRUE(got.HasLine("Referer: " + url)) << got.head;
    EXPECT_TRUE(got.HasLine("Host: 127.0.0.1:" + std::to_string(server.port()))) << got.head;
    EXPECT_EQ(got.head.find("User-Agent:"), got.head.rfind("User-Agent:")) << "one agent line";
    EXPECT_EQ(got.head.find("Expect:"), std::string::npos) << got.head;
    EXPECT_EQ(got.body, "");
}

TEST_F(Wire, DefaultAgentIsTheUserAgent) {
    LoopbackServer server([](const Arrival&) { return Answer("ok"); });
    (void)WebAccess(server.Url("/"));
    const auto arrivals = server.Arrivals();
    ASSERT_EQ(arrivals.size(), 1u);
    EXPECT_TRUE(
        arrivals[0].HasLine("User-Agent: Mozilla/4.0 (compatible; MSIE 9.0; Windows NT 6.1)"))
        << arrivals[0].head;
}

TEST_F(Wire, HeadSendsItsBodyAndDoesNotWaitForAResponseBody) {
    LoopbackServer server([](const Arrival&) {
        return Reply{"HTTP/1.1 200 OK\r\nContent-Length: 5\r\n\r\n", true};
    });
    Text returnedHeaders;
    const auto start = Clock::now();
    EXPECT_EQ(WebAccess(server.Url("/h"), 2, "hb", nullptr, nullptr, nullptr, &returnedHeaders),
              "");
    EXPECT_LT(SecondsSince(start), 3.0);
    EXPECT_EQ(StatusCodeOf(returnedHeaders), 200);
    const auto arrivals = server.Arrivals();
    ASSERT_EQ(arrivals.size(), 1u);
    EXPECT_EQ(arrivals[0].RequestLine(), "HEAD /h HTTP/1.1");
    EXPECT_EQ(arrivals[0].body, "hb");
}

// --- Redirects ---

Reply RedirectOnce(const Arrival& arrival) {
    if (arrival.RequestLine().find(" /from ") != std::string::npos) {
        return {Response("302 Found", "moved", "Location: /to\r\n")};
    }
    return Answer("arrived");
}

TEST_F(Wire, A302AfterAPostIsFollowedAsAGet) {
    LoopbackServer server(RedirectOnce);
    Text returnedHeaders;
    EXPECT_EQ(
        WebAccess(server.Url("/from"), 1, "body", nullptr, nullptr, nullptr, &returnedHeaders),
        "arrived");
    EXPECT_EQ(StatusCodeOf(returnedHeaders), 200);
    const auto arrivals = server.Arrivals();
    ASSERT_EQ(arrivals.size(), 2u);
    EXPECT_EQ(arrivals[0].RequestLine(), "POST /from HTTP/1.1");
    EXPECT_EQ(arrivals[0].body, "body");
    EXPECT_EQ(arrivals[1].RequestLine(), "GET /to HTTP/1.1");
    EXPECT_EQ(arrivals[1].body, "");
}

TEST_F(Wire, NoRedirectReturnsThe302Itself) {
    LoopbackServer server(RedirectOnce);
    Text returnedHeaders;
    EXPECT_EQ(WebAccess(server.Url("/from"), 1, "body", nullptr, nullptr, nullptr, &returnedHeaders,
                        true),
              "moved");
    EXPECT_EQ(StatusCodeOf(returnedHeaders), 302);
    EXPECT_NE(returnedHeaders.find("Location: /to\r\n"), std::string::npos);
    EXPECT_EQ(server.Arrivals().size(), 1u);
}

// --- Cookies and proxy ---

TEST_F(Wire, SetCookieLinesBecomeReturnedCookies) {
    LoopbackServer server([](const Arrival&) {
        return Reply{Response("200 OK", "c", "Set-Cookie: a=1; Path=/\r\nset-cookie: b=2\r\n")};
    });
    Text returnedCookies, returnedHeaders;
    (void)WebAccess(server.Url("/c"), 0, {}, nullptr, &returnedCookies, nullptr, &returnedHeaders);
    EXPECT_EQ(returnedCookies, "a=1; b=2");
    EXPECT_NE(returnedHeaders.find("\r\nSet-Cookie: b=2\r\n"), std::string::npos)
        << returnedHeaders;
}

TEST_F(Wire, SuppliedCookiesAreSentAndMerged) {
    LoopbackServer server([](const Arrival&) {
        return Reply{Response("200 OK", "c", "Set-Cookie: b=3; Path=/\r\n")};
    });
    Text cookies = "a=1; b=2", returnedCookies;
    (void)WebAccess(server.Url("/c"), 0, {}, &cookies, &returnedCookies);
    ASSERT_EQ(server.Arrivals().size(), 1u);
    EXPECT_TRUE(server.Arrivals()[0].HasLine("Cookie: a=1; b=2")) << server.Arrivals()[0].head;
    EXPECT_EQ(cookies, "a=1;b=3;");
    EXPECT_EQ(returnedCookies, "a=1;b=3;");
}

TEST_F(Wire, AProxySeesTheAbsoluteFormRequest) {
    LoopbackServer proxy([](const Arrival&) { return Answer("proxied"); });
    const std::string target =
        "http://127.0.0.1:" + std::to_string(loopback::RefusingPort()) + "/x?y=1";
    EXPECT_EQ(WebAccess(target, 0, {}, nullptr, nullptr, nullptr, nullptr, false, nullptr,
                        "127.0.0.1:" + std::to_string(proxy.port())),
              "proxied");
    const auto arrivals = proxy.Arrivals();
    ASSERT_EQ(arrivals.size(), 1u);
    EXPECT_EQ(arrivals[0].RequestLine(), "GET " + target + " HTTP/1.1");
}

// --- What comes back ---

struct BodyCase {
    const char* name;
    std::string body;
    bool chunked;
};

class WireBodyTest : public Wire, public testing::WithParamInterface<BodyCase> {};

std::string Chunked(const std::string& body) {
    std::string out = "HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\nConnection: close\r\n\r\n";
    for (std::size_t at = 0; at < body.size(); at += 3000) {
        const std::string piece = body.substr(at, 3000);
        char size[16];
        std::snprintf(size, sizeof size, "%zx\r\n", piece.size());
        out += size + piece + "\r\n";
    }
    return out + "0\r\n\r\n";
}

TEST_P(WireBodyTest, ReturnsTheWholeBody) {
    const BodyCase& c = GetParam();
    LoopbackServer server([&c](const Arrival&) {
        return Reply{c.chunked ? Chunked(c.body) : Response("200 OK", c.body)};
    });
    const Bytes got = WebAccess(server.Url("/b"));
    EXPECT_EQ(got.size(), c.body.size());
    EXPECT_TRUE(got == c.body);
}

std::string Pattern(std::size_t size) {
    std::string text(size, '\0');
    for (std::size_t i = 0; i < size; ++i) text[i] = static_cast<char>(i * 7 % 251);
    return text;
}

INSTANTIATE_TEST_SUITE_P(Web, WireBodyTest,
                         testing::Values(BodyCase{"bytes_2500", Pattern(2500), false},
                                         BodyCase{"megabytes_10", Pattern(10 << 20), false},
                                         BodyCase{"chunked", Pattern(10000), true}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(Wire, AServerClosingMidBodyGivesWhatWasRead) {
    const std::string part = Pattern(5000);
    LoopbackServer server([&part](const Arrival&) {
        return Reply{"HTTP/1.1 200 OK\r\nContent-Length: 100000\r\nConnection: close\r\n\r\n" +
                     part};
    });
    EXPECT_TRUE(WebAccess(server.Url("/cut")) == part);
}

// --- Failures ---

TEST_F(Wire, ARefusedPortGivesAnEmptyResultQuickly) {
    const std::string url = "http://127.0.0.1:" + std::to_string(loopback::RefusingPort()) + "/";
    Text returnedHeaders = "old", returnedCookies = "old";
    const auto start = Clock::now();
    EXPECT_EQ(WebAccess(url, 1, "x", nullptr, &returnedCookies, nullptr, &returnedHeaders), "");
    EXPECT_LT(SecondsSince(start), 3.0);
    EXPECT_EQ(returnedHeaders, "");
    EXPECT_EQ(returnedCookies, "");
}

TEST_F(Wire, ASilentServerTimesOut) {
    (void)SetWebTimeouts({2000, 1000});
    LoopbackServer server([](const Arrival&) { return Reply{"", false, true}; });
    Text returnedHeaders = "old";
    const auto start = Clock::now();
    EXPECT_EQ(WebAccess(server.Url("/s"), 0, {}, nullptr, nullptr, nullptr, &returnedHeaders), "");
    const double seconds = SecondsSince(start);
    EXPECT_GE(seconds, 0.9);
    EXPECT_LT(seconds, 10.0);
    EXPECT_EQ(returnedHeaders, "");
}

// The fixture's server answers curl -k, so only its certificate stands between it and a
// reply: certificates are checked and an untrusted one is no answer.
TEST_F(Wire, AnUntrustedCertificateGivesAnEmptyResult) {
    const char* dir = std::getenv("URLPUSH_TLS_DIR");
    ASSERT_NE(dir, nullptr) << "URLPUSH_TLS_DIR is set by the test run's TLS server fixture";
    std::string port;
    std::ifstream(std::string(dir) + "/port") >> port;
    ASSERT_FALSE(port.empty()) << "no port from the TLS server in " << dir;
    Text returnedHeaders = "old";
    EXPECT_EQ(WebAccess("https://127.0.0.1:" + port + "/", 0, {}, nullptr, nullptr, nullptr,
                        &returnedHeaders),
              "");
    EXPECT_EQ(returnedHeaders, "");
}

}  // namespace
}  // namespace urlpush
