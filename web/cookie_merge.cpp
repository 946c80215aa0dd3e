// MergeCookies, CookieName, CookieValue.
#include "web/cookie_merge.h"

#include <string>
#include <unordered_map>
#include <vector>

namespace urlpush {
namespace {

struct CookiePair {
    Text name, value;
};

std::vector<CookiePair> PairsOf(std::string_view text) {
    const TextArray members = SplitText(text, ";");
    std::vector<CookiePair> pairs;
    pairs.reserve(static_cast<std::size_t>(ArraySize(members)));
    for (int i = 1; i <= ArraySize(members); ++i) {
        pairs.push_back({CookieName(Member(members, i)), CookieValue(Member(members, i))});
    }
    return pairs;
}

}  // namespace

Text CookieName(std::string_view member) {
    const int equals = FindText(member, "=");
    return TrimText(equals == -1 ? member : std::string_view(TextLeft(member, equals - 1)));
}

Text CookieValue(std::string_view member) {
    const int equals = FindText(member, "=");
    return equals == -1 ? Text() : TextRight(member, TextLength(member) - equals);
}

Text MergeCookies(Text& cookies, Text& returnedCookies) {
    cookies = RemoveSpaces(cookies);
    returnedCookies = RemoveSpaces(returnedCookies);
    if (returnedCookies.empty()) return cookies;

    const std::vector<CookiePair> returned = PairsOf(returnedCookies);
    std::vector<CookiePair> sent = PairsOf(cookies);
    // The first entry of each name, so that the update stays linear in the number of pairs.
    std::unordered_map<std::string, std::size_t> firstOf;
    for (std::size_t k = 0; k < sent.size(); ++k) firstOf.try_emplace(sent[k].name, k);
    for (const CookiePair& pair : returned) {
        const auto [at, isNew] = firstOf.try_emplace(pair.name, sent.size());
        if (isNew) {
            sent.push_back(pair);
        } else {
            sent[at->second].value = pair.value;
        }
    }

    Text merged;
    for (const CookiePair& pair : sent) {
        if (pair.value == "deleted" || pair.name.empty() || pair.value.empty()) continue;
        merged.append(pair.name).append("=").append(pair.value).append(";");
    }
    cookies = ReplaceText(merged, ";;", ";");
    return cookies;
}

}  // namespace urlpush
