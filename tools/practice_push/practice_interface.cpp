// The answers of the practice push interface.
#include "tools/practice_push/practice_interface.h"

#include <algorithm>
#include <cctype>
#include <ctime>
#include <nlohmann/json.hpp>
#include <vector>

namespace urlpush::practice {
namespace {

constexpr std::size_t kMaxLines = 2000;

std::string Lower(std::string_view text) {
    std::string lower(text);
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return lower;
}

Reply Error(int status, std::string_view message) {
    return {status, nlohmann::json{{"error", status}, {"message", message}}.dump()};
}

std::int64_t Today() { return static_cast<std::int64_t>(std::time(nullptr)) / 86400; }

std::vector<std::string_view> NonBlankLines(std::string_view body) {
    std::vector<std::string_view> lines;
    while (!body.empty()) {
        const std::size_t end = body.find('\n');
        std::string_view line = body.substr(0, end);
        body = end == std::string_view::npos ? std::string_view() : body.substr(end + 1);
        while (!line.empty() && (line.back() == '\r' || line.back() == ' ')) line.remove_suffix(1);
        while (!line.empty() && line.front() == ' ') line.remove_prefix(1);
        if (!line.empty()) lines.push_back(line);
    }
    return lines;
}

}  // namespace

std::string HostOfUrl(std::string_view url) {
    const std::string lower = Lower(url.substr(0, 8));
    std::size_t begin;
    if (lower.starts_with("http://")) {
        begin = 7;
    } else if (lower.starts_with("https://")) {
        begin = 8;
    } else {
        return {};
    }
    const std::size_t end = url.find_first_of("/?#", begin);
    std::string_view host = url.substr(begin, end == std::string_view::npos ? url.npos : end - begin);
    host = host.substr(0, host.find(':'));
    if (host.empty() || host.find_first_of(" \t\"<>\\") != std::string_view::npos) return {};
    return Lower(host);
}

PracticeInterface::PracticeInterface(Options options)
    : options_(std::move(options)),
      siteHost_(HostOfUrl(options_.site).empty() ? Lower(options_.site) : HostOfUrl(options_.site)),
      remaining_(options_.quota),
      day_(Today()) {}

void PracticeInterface::StartNewDayIfDue() {
    if (const std::int64_t today = Today(); today != day_) {
        day_ = today;
        remaining_ = options_.quota;
    }
}

std::int64_t PracticeInterface::Remaining() {
    StartNewDayIfDue();
    return remaining_;
}

Reply PracticeInterface::Answer(std::string_view path, std::string_view site,
                                std::string_view token, std::string_view body) {
    StartNewDayIfDue();
    if (path != "/urls") return Error(404, "not found");
    if (token != options_.token) return Error(401, "token is not valid");
    const std::string requestHost = HostOfUrl(site).empty() ? Lower(site) : HostOfUrl(site);
    if (requestHost != siteHost_) return Error(400, "site error");
    const std::vector<std::string_view> lines = NonBlankLines(body);
    if (lines.empty()) return Error(400, "empty content");
    if (lines.size() > kMaxLines) return Error(400, "only 2000 urls are allowed once");

    nlohmann::json notSameSite = nlohmann::json::array();
    nlohmann::json notValid = nlohmann::json::array();
    std::int64_t accepted = 0;
    for (std::string_view line : lines) {
        const std::string host = HostOfUrl(line);
        if (host.empty()) {
            notValid.push_back(line);
        } else if (host != siteHost_) {
            notSameSite.push_back(line);
        } else {
            ++accepted;
        }
    }
    if (accepted > remaining_) return Error(400, "over quota");
    remaining_ -= accepted;
    nlohmann::ordered_json reply = {{"remain", remaining_},
                            {"success", accepted},
                            {"not_same_site", notSameSite},
                            {"not_valid", notValid}};
    return {200, reply.dump(-1, ' ', false, nlohmann::ordered_json::error_handler_t::replace)};
}

}  // namespace urlpush::practice
