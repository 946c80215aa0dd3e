// UrlHost, UrlPort, UrlPath.
#include "web/url_parts.h"

namespace urlpush {
namespace {

// Where the host begins: after a leading "https://" or "http://" in any letter case.
std::size_t HostStart(std::string_view url) {
    const Text scheme = ToLower(TextLeft(url, 8));
    if (scheme == "https://") return 8;
    if (TextLeft(scheme, 7) == "http://") return 7;
    return 0;
}

// Where the host ends. "/", "?" and "#" are below 0x40 and so can never be the second byte
// of a double-byte character: a plain byte search finds only real ones.
std::size_t HostEnd(std::string_view url, std::size_t start) {
    const std::size_t end = url.find_first_of("/?#", start);
    return end == std::string_view::npos ? url.size() : end;
}

Text CutPort(Text host) {
    const int colon = FindText(host, ":");
    return colon == -1 ? host : TextLeft(host, colon - 1);
}

Text HostMode(const Text& lower, bool dropSubdomain, bool keepPort) {
    const std::size_t start = HostStart(lower);
    Text host = lower.substr(start, HostEnd(lower, start) - start);
    if (dropSubdomain) {
        const TextArray labels = SplitText(host, ".");
        const int count = ArraySize(labels);
        if (count > 1) host = ConcatText(Member(labels, count - 1), ".", Member(labels, count));
    }
    return keepPort ? host : CutPort(std::move(host));
}

Text DomainMode(const Text& lower, bool dropSubdomain, bool keepPort, int domainLevels) {
    Text text = ReplaceText(ReplaceText(lower, "http://"), "https://");
    const int slash = FindText(text, "/");
    if (slash != -1) text = TextLeft(text, slash - 1);
    const int length = TextLength(text);
    int h = length;
    for (int i = 0; i < domainLevels; ++i) h = FindTextReverse(text, ".", h);
    const int l = FindTextReverse(text, ".", h);
    if (dropSubdomain) {
        text = TextRight(text, length - l);
    } else if (l != -1) {
        const int m = FindTextReverse(text, ".", l);
        if (m != -1) text = TextRight(text, length - m);
    }
    return keepPort ? text : CutPort(std::move(text));
}

}  // namespace

Text UrlHost(std::string_view url, bool dropSubdomain, bool keepPort,
             std::optional<int> domainLevels) {
    const Text lower = ToLower(url);
    if (domainLevels) return DomainMode(lower, dropSubdomain, keepPort, *domainLevels);
    return HostMode(lower, dropSubdomain, keepPort);
}

int UrlPort(std::string_view url) {
    const Text host = UrlHost(url, false, true);
    const int colon = FindTextReverse(host, ":");
    if (colon != -1) return ToInt(TextRight(host, TextLength(host) - colon));
    return ToLower(TextLeft(url, 5)) == "https" ? 443 : 80;
}

Text UrlPath(std::string_view url) {
    const std::size_t end = HostEnd(url, HostStart(url));
    if (end == url.size()) return "/";
    if (url[end] == '/') return Text(url.substr(end));
    return ConcatText("/", url.substr(end));  // a query or fragment right after the host
}

}  // namespace urlpush
