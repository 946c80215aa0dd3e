// The practice push interface: answers a push the way the real kind of interface does,
// so the tool can be tried (and tested) without a real token. No sockets here; see
// practice_server.h for the HTTP side.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace urlpush::practice {

struct Options {
    std::string token = "practice-token";
    std::string site = "www.example.com";  // a host, or a URL whose host is taken
    std::int64_t quota = 100000;           // URLs accepted a day
};

struct Reply {
    int status = 200;
    std::string body;  // JSON
};

class PracticeInterface {
public:
    explicit PracticeInterface(Options options);

    // One POST: `path` without the query, `site` and `token` from the query, `body` the
    // URL list, one per line ("\n" or "\r\n"; blank lines are skipped).
    [[nodiscard]] Reply Answer(std::string_view path, std::string_view site,
                               std::string_view token, std::string_view body);

    // Today's quota still left.
    [[nodiscard]] std::int64_t Remaining();

private:
    void StartNewDayIfDue();

    Options options_;
    std::string siteHost_;
    std::int64_t remaining_;
    std::int64_t day_;
};

// The lower-case host of an http(s) URL without its port; "" when `url` is not one.
[[nodiscard]] std::string HostOfUrl(std::string_view url);

}  // namespace urlpush::practice
