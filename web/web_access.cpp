// WebAccess, written once against InternetApi: the agent, the flags, the default header
// lines, the body, the raw headers, the returned cookies and the merge.
#include "web/web_access.h"

#include "web/cookie_merge.h"
#include "web/url_parts.h"

namespace urlpush {
namespace {

constexpr std::string_view kDefaultAgent = "Mozilla/4.0 (compatible; MSIE 9.0; Windows NT 6.1)";
constexpr int kReadChunk = 1024;
constexpr uint32_t kFirstHeaderBuffer = 5000;

// Closes its handle, a null one included, exactly once: at Close() or when it goes.
class HandleOwner {
  public:
    HandleOwner(InternetApi& api, InternetHandle handle) : api_(&api), handle_(handle) {}
    HandleOwner(const HandleOwner&) = delete;
    HandleOwner& operator=(const HandleOwner&) = delete;
    ~HandleOwner() { Close(); }

    [[nodiscard]] InternetHandle get() const { return handle_; }
    void Close() {
        if (open_) (void)api_->InternetCloseHandle(handle_);
        open_ = false;
    }

  private:
    InternetApi* api_;
    InternetHandle handle_;
    bool open_ = true;
};

// The agent: the value of the first User-Agent line (its name in any letter case), up to
// any line break left in it, so no other header line can ride along; the default agent
// when there is no such line. A blank value gives no agent at all.
Text AgentOf(std::string_view extraHeaders) {
    if (FindText(extraHeaders, "User-Agent:", 1, true) == -1) return Text(kDefaultAgent);
    const TextArray lines = SplitText(extraHeaders, "\r\n");
    for (int i = 1; i <= ArraySize(lines); ++i) {
        const std::string_view line = Member(lines, i);
        const int colon = FindText(line, ":");
        if (colon == -1) continue;
        const Text name = TrimText(TextLeft(line, colon - 1));
        if (name.size() != 10 || FindText(name, "User-Agent", 1, true) != 1) continue;
        Text value = TextAfterColon(line);
        const std::size_t lineBreak = value.find_first_of("\r\n");
        if (lineBreak != Text::npos) value = TrimText(value.substr(0, lineBreak));
        return value;
    }
    return Text(kDefaultAgent);
}

uint32_t RequestFlags(bool cookiesSupplied, bool noRedirect, bool secure) {
    uint32_t flags = INTERNET_FLAG_RELOAD | INTERNET_FLAG_NEED_FILE;
    if (cookiesSupplied) flags |= INTERNET_FLAG_NO_COOKIES;
    if (noRedirect) flags |= INTERNET_FLAG_NO_AUTO_REDIRECT;
    flags |= secure ? INTERNET_FLAG_SECURE : INTERNET_FLAG_IGNORE_REDIRECT_TO_HTTPS;
    return flags;
}

// The caller's lines followed by the default lines they lack (case-sensitive tests).
void AddDefaultHeaders(Text& headers, std::string_view url, std::string_view cookies) {
    if (headers.empty()) {
        headers = "Accept: */*";
    } else if (FindText(headers, "Accept:") == -1) {
        headers += "\r\nAccept: */*";
    }
    if (FindText(headers, "Referer:") == -1) headers += ConcatText("\r\nReferer: ", url);
    if (FindText(headers, "Accept-Language:") == -1) headers += "\r\nAccept-Language: zh-cn";
    if (FindText(headers, "Content-Type:") == -1) {
        headers += "\r\nContent-Type: application/x-www-form-urlencoded";
    }
    if (!cookies.empty()) {
        // A cookie text holding "Cookie:" is taken as a complete header line.
        headers += FindText(cookies, "Cookie:") == -1 ? ConcatText("\r\nCookie: ", cookies)
                                                      : ConcatText("\r\n", cookies);
    }
}

Bytes ReadBody(InternetApi& api, InternetHandle request) {
    Bytes body;
    char buffer[kReadChunk] = {};
    for (;;) {
        uint32_t count = 0;
        (void)api.InternetReadFile(request, buffer, kReadChunk, &count);  // a failure reads 0
        if (count == 0) return body;
        body.append(buffer, count > kReadChunk ? kReadChunk : count);
    }
}

// The whole raw header block, asking again with the size the service reports when the
// first buffer is too small; "" when there was no response, including a block without a
// status line, which some WinINet versions give after a failed send.
Text RawHeaders(InternetApi& api, InternetHandle request) {
    Text buffer(kFirstHeaderBuffer, '\0');
    for (int attempt = 0; attempt < 3; ++attempt) {
        uint32_t length = static_cast<uint32_t>(buffer.size());
        if (api.HttpQueryInfo(request, HTTP_QUERY_RAW_HEADERS_CRLF, buffer.data(), &length,
                              nullptr)) {
            Text headers = ToText(buffer);
            return StatusCodeOf(headers) == 0 ? Text() : headers;
        }
        if (length <= buffer.size()) return {};
        buffer.assign(length + 1, '\0');
    }
    return {};
}

// 'a=1; b=2' from the Set-Cookie lines of a normalised header block.
Text CookiesOf(std::string_view headers) {
    Text cookies;
    const TextArray lines = SplitText(headers, "\r\n");
    for (int i = 1; i <= ArraySize(lines); ++i) {
        const std::string_view line = Member(lines, i);
        if (FindText(line, "Set-Cookie") == -1) continue;
        const Text cookie = FindText(line, ";") != -1
                                ? TrimText(TextBetween(line, "Set-Cookie:", ";"))
                                : TrimText(ReplaceText(line, "Set-Cookie:", "", false));
        cookies.append(cookie).append("; ");
    }
    return TextLeft(cookies, TextLength(cookies) - 2);
}

}  // namespace

Text TextAfterColon(std::string_view text) {
    const int colon = FindText(text, ":");
    return colon == -1 ? Text() : TrimText(text.substr(static_cast<std::size_t>(colon)));
}

int StatusCodeOf(std::string_view rawHeaders) {
    if (rawHeaders.substr(0, 5) != "HTTP/") return 0;
    const std::size_t space = rawHeaders.find(' ');
    const std::size_t lineEnd = rawHeaders.find("\r\n");
    if (space == std::string_view::npos || space > lineEnd) return 0;
    int code = 0;
    std::size_t at = space + 1;
    for (; at < rawHeaders.size() && at < space + 4; ++at) {
        const char c = rawHeaders[at];
        if (c < '0' || c > '9') return 0;
        code = code * 10 + (c - '0');
    }
    return at == space + 4 ? code : 0;
}

Bytes WebAccess(InternetApi& api, std::string_view url, int method, std::string_view postText,
                Text* cookies, Text* returnedCookies, Text* extraHeaders, Text* returnedHeaders,
                bool noRedirect, Bytes* postBytes, std::string_view proxy) {
    if (method < 0 || method > 2) method = 0;
    static constexpr const char* kVerbs[] = {"GET", "POST", "HEAD"};
    const bool secure = ToLower(TextLeft(url, 8)) == "https://";

    Text ownHeaders;
    Text& headers = extraHeaders != nullptr ? *extraHeaders : ownHeaders;
    const Text agent = AgentOf(headers);

    const Text proxyText = proxy.empty() ? Text()
                           : secure      ? Text(proxy)
                                         : ConcatText("http=", proxy);
    HandleOwner internet(api, proxy.empty()
                                  ? api.InternetOpen(SystemArg(agent), INTERNET_OPEN_TYPE_DIRECT,
                                                     nullptr, nullptr, 0)
                                  : api.InternetOpen(SystemArg(agent), INTERNET_OPEN_TYPE_PROXY,
                                                     proxyText.c_str(), "", 0));
    if (internet.get() == nullptr) return {};

    const Text host = UrlHost(url);
    HandleOwner connection(api, api.InternetConnect(internet.get(), SystemArg(host),
                                                    static_cast<uint16_t>(UrlPort(url)), nullptr,
                                                    nullptr, INTERNET_SERVICE_HTTP, 0, 0));
    if (connection.get() == nullptr) return {};

    const Text path = UrlPath(url);
    HandleOwner request(
        api,
        api.HttpOpenRequest(connection.get(), kVerbs[method], path.c_str(), "HTTP/1.1", nullptr,
                            nullptr, RequestFlags(cookies != nullptr, noRedirect, secure), 0));
    if (request.get() == nullptr) return {};

    AddDefaultHeaders(headers, url, cookies != nullptr ? std::string_view(*cookies) : "");
    const uint32_t headersLength = static_cast<uint32_t>(headers.size());
    if (method == 0) {
        (void)api.HttpSendRequest(request.get(), SystemArg(headers), headersLength, "", 0);
    } else {
        Bytes ownBody;
        Bytes& body = postBytes != nullptr ? *postBytes : ownBody;
        if (body.empty()) body = ToBytes(postText);
        (void)api.HttpSendRequest(request.get(), SystemArg(headers), headersLength,
                                  body.empty() ? nullptr : body.data(),
                                  static_cast<uint32_t>(body.size()));
    }

    Bytes result = ReadBody(api, request.get());
    // One spelling of Set-Cookie for the case-sensitive extraction below.
    const Text rawHeaders =
        ReplaceText(RawHeaders(api, request.get()), "Set-Cookie", "Set-Cookie", false);
    request.Close();
    connection.Close();
    internet.Close();

    Text found = CookiesOf(rawHeaders);
    if (cookies != nullptr) found = MergeCookies(*cookies, found);
    if (returnedHeaders != nullptr) *returnedHeaders = rawHeaders;
    if (returnedCookies != nullptr) *returnedCookies = std::move(found);
    return result;
}

Bytes WebAccess(std::string_view url, int method, std::string_view postText, Text* cookies,
                Text* returnedCookies, Text* extraHeaders, Text* returnedHeaders, bool noRedirect,
                Bytes* postBytes, std::string_view proxy) {
    return WebAccess(SystemInternetApi(), url, method, postText, cookies, returnedCookies,
                     extraHeaders, returnedHeaders, noRedirect, postBytes, proxy);
}

}  // namespace urlpush
