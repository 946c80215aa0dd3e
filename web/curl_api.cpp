// InternetApi over libcurl, for Linux. The session, connection and request handles are
// objects of this file; the whole exchange happens in HttpSendRequest, which keeps the
// body and the final response's header block for the reads and the header query.
#include <curl/curl.h>

#include <chrono>
#include <memory>
#include <unordered_map>

#include "text/text.h"
#include "web/internet_api.h"
#include "web/web_access.h"
#include "web/web_timeouts.h"

namespace urlpush {
namespace {

struct CurlObject {
    virtual ~CurlObject() = default;
};

struct Session : CurlObject {
    Text agent;
    bool hasAgent = false;
    Text proxy;  // the WinINet proxy list: "host:port" for every scheme, "http=host:port"
};

struct Connection : CurlObject {
    Session* session = nullptr;
    Text host;
    uint16_t port = 0;
};

struct Request : CurlObject {
    Connection* connection = nullptr;
    Text verb, object;
    uint32_t flags = 0;
    Bytes body;
    std::size_t readAt = 0;
    Text headers;  // the header block of the latest response
    bool responded = false;
    bool headWithBody = false;  // HEAD sent with a body: stop at the end of the headers
};

struct EasyDeleter {
    void operator()(CURL* easy) const { curl_easy_cleanup(easy); }
};
struct ListDeleter {
    void operator()(curl_slist* list) const { curl_slist_free_all(list); }
};
struct ShareDeleter {
    void operator()(CURLSH* share) const { curl_share_cleanup(share); }
};

// The process-wide cookie store, shared by every request that does not keep it out.
CURLSH* CookieStore() {
    static const std::unique_ptr<CURLSH, ShareDeleter> share = [] {
        std::unique_ptr<CURLSH, ShareDeleter> made(curl_share_init());
        curl_share_setopt(made.get(), CURLSHOPT_SHARE, CURL_LOCK_DATA_COOKIE);
        return made;
    }();
    return share.get();
}

// The proxy the WinINet list gives for `scheme`: an entry "scheme=host:port", or an entry
// without "=" that serves every scheme. "" for none.
Text ProxyFor(std::string_view list, std::string_view scheme) {
    Text found;
    const TextArray entries = SplitText(ReplaceText(list, ";", " "), " ");
    for (int i = 1; i <= ArraySize(entries); ++i) {
        const std::string_view entry = Member(entries, i);
        const std::size_t equals = entry.find('=');
        if (equals == std::string_view::npos) {
            if (found.empty() && !entry.empty()) found = entry;
        } else if (entry.substr(0, equals) == scheme) {
            return Text(entry.substr(equals + 1));
        }
    }
    return found;
}

size_t CollectBody(char* data, size_t size, size_t count, void* request) {
    static_cast<Request*>(request)->body.append(data, size * count);
    return size * count;
}

// Keeps the header lines of the latest response, each ended by "\r\n"; a status line
// starts a new block, so a followed redirect leaves the final response's block.
size_t CollectHeader(char* data, size_t size, size_t count, void* target) {
    auto* request = static_cast<Request*>(target);
    std::string_view line(data, size * count);
    if (line.substr(0, 5) == "HTTP/") {
        request->headers.clear();
        request->responded = true;
    }
    while (!line.empty() && (line.back() == '\n' || line.back() == '\r')) line.remove_suffix(1);
    request->headers.append(line).append("\r\n");
    // curl would wait for the body of a HEAD it sends as a custom request: stop it once
    // a final header block is complete.
    if (line.empty() && request->headWithBody && StatusCodeOf(request->headers) >= 200) return 0;
    return size * count;
}

// Ends a transfer once no byte has moved for the idle timeout.
struct IdleWatch {
    std::chrono::milliseconds limit;
    curl_off_t moved = -1;
    std::chrono::steady_clock::time_point since = std::chrono::steady_clock::now();
};

int WatchIdle(void* watch, curl_off_t, curl_off_t downloaded, curl_off_t, curl_off_t uploaded) {
    auto* idle = static_cast<IdleWatch*>(watch);
    const auto now = std::chrono::steady_clock::now();
    if (downloaded + uploaded != idle->moved) {
        idle->moved = downloaded + uploaded;
        idle->since = now;
        return 0;
    }
    return now - idle->since > idle->limit ? 1 : 0;
}

class CurlInternetApi final : public InternetApi {
  public:
    CurlInternetApi() { curl_global_init(CURL_GLOBAL_DEFAULT); }

    InternetHandle InternetOpen(const char* agent, uint32_t accessType, const char* proxy,
                                const char*, uint32_t) override {
        auto session = std::make_unique<Session>();
        session->hasAgent = agent != nullptr;
        if (agent != nullptr) session->agent = agent;
        if (accessType == INTERNET_OPEN_TYPE_PROXY && proxy != nullptr) session->proxy = proxy;
        return Keep(std::move(session));
    }

    InternetHandle InternetConnect(InternetHandle internet, const char* serverName,
                                   uint16_t serverPort, const char*, const char*, uint32_t,
                                   uint32_t, uintptr_t) override {
        auto* session = Find<Session>(internet);
        if (session == nullptr) return nullptr;
        auto connection = std::make_unique<Connection>();
        connection->session = session;
        connection->host = serverName != nullptr ? serverName : "";
        connection->port = serverPort;
        return Keep(std::move(connection));
    }

    InternetHandle HttpOpenRequest(InternetHandle connection, const char* verb,
                                   const char* objectName, const char*, const char*, const char**,
                                   uint32_t flags, uintptr_t) override {
        auto* owner = Find<Connection>(connection);
        if (owner == nullptr) return nullptr;
        auto request = std::make_unique<Request>();
        request->connection = owner;
        request->verb = verb != nullptr ? verb : "GET";
        request->object = objectName != nullptr ? objectName : "/";
        request->flags = flags;
        return Keep(std::move(request));
    }

    bool HttpSendRequest(InternetHandle handle, const char* headers, uint32_t headersLength,
                         const void* body, uint32_t bodyLength) override {
        auto* request = Find<Request>(handle);
        if (request == nullptr) return false;
        std::unique_ptr<CURL, EasyDeleter> easy(curl_easy_init());
        if (!easy) return false;
        CURL* e = easy.get();
        const Connection& connection = *request->connection;
        const Session& session = *connection.session;
        const bool secure = (request->flags & INTERNET_FLAG_SECURE) != 0;
        const char* scheme = secure ? "https" : "http";

        const Text url = ConcatText(scheme, "://", connection.host, ":",
                                    ToText(static_cast<int>(connection.port)), request->object);
        curl_easy_setopt(e, CURLOPT_URL, url.c_str());
        curl_easy_setopt(e, CURLOPT_PROTOCOLS_STR, "http,https");
        curl_easy_setopt(e, CURLOPT_HTTP_VERSION, CURL_HTTP_VERSION_1_1);
        curl_easy_setopt(e, CURLOPT_NOSIGNAL, 1L);

        // Header lines as given, and no "Expect: 100-continue" before a body.
        std::unique_ptr<curl_slist, ListDeleter> lines;
        const TextArray given = SplitText(std::string_view(headers != nullptr ? headers : "",
                                                           headers != nullptr ? headersLength : 0),
                                          "\r\n");
        for (int i = 1; i <= ArraySize(given); ++i) {
            if (Member(given, i).empty()) continue;
            lines.reset(curl_slist_append(lines.release(), Text(Member(given, i)).c_str()));
        }
        lines.reset(curl_slist_append(lines.release(), "Expect:"));
        curl_easy_setopt(e, CURLOPT_HTTPHEADER, lines.get());
        // A User-Agent line of the block takes the place of this one.
        if (session.hasAgent) curl_easy_setopt(e, CURLOPT_USERAGENT, session.agent.c_str());

        const Text proxy = ProxyFor(session.proxy, scheme);
        curl_easy_setopt(e, CURLOPT_PROXY, proxy.c_str());  // "" also ignores *_proxy variables
        curl_easy_setopt(e, CURLOPT_SUPPRESS_CONNECT_HEADERS, 1L);

        if ((request->flags & INTERNET_FLAG_NO_COOKIES) == 0) {
            curl_easy_setopt(e, CURLOPT_SHARE, CookieStore());
            curl_easy_setopt(e, CURLOPT_COOKIEFILE, "");
        }
        if ((request->flags & INTERNET_FLAG_NO_AUTO_REDIRECT) == 0) {
            // 301, 302 and 303 turn a POST into a GET; 307 and 308 keep method and body.
            curl_easy_setopt(e, CURLOPT_FOLLOWLOCATION, 1L);
            curl_easy_setopt(e, CURLOPT_MAXREDIRS, 10L);
            const bool toHttps =
                secure || (request->flags & INTERNET_FLAG_IGNORE_REDIRECT_TO_HTTPS);
            curl_easy_setopt(e, CURLOPT_REDIR_PROTOCOLS_STR,
                             secure    ? "https"
                             : toHttps ? "http,https"
                                       : "http");
        }

        const char* sent = body != nullptr ? static_cast<const char*>(body) : "";
        if (request->verb == "POST") {
            curl_easy_setopt(e, CURLOPT_POST, 1L);
            curl_easy_setopt(e, CURLOPT_POSTFIELDSIZE_LARGE, static_cast<curl_off_t>(bodyLength));
            curl_easy_setopt(e, CURLOPT_POSTFIELDS, sent);
        } else if (request->verb == "HEAD") {
            SetUpHead(e, sent, bodyLength);
        } else {
            curl_easy_setopt(e, CURLOPT_HTTPGET, 1L);
        }

        const WebTimeouts timeouts = CurrentWebTimeouts();
        curl_easy_setopt(e, CURLOPT_CONNECTTIMEOUT_MS,
                         static_cast<long>(timeouts.connectMilliseconds));
        IdleWatch idle{std::chrono::milliseconds(timeouts.idleMilliseconds)};
        curl_easy_setopt(e, CURLOPT_NOPROGRESS, 0L);
        curl_easy_setopt(e, CURLOPT_XFERINFOFUNCTION, WatchIdle);
        curl_easy_setopt(e, CURLOPT_XFERINFODATA, &idle);

        curl_easy_setopt(e, CURLOPT_WRITEFUNCTION, CollectBody);
        curl_easy_setopt(e, CURLOPT_WRITEDATA, request);
        curl_easy_setopt(e, CURLOPT_HEADERFUNCTION, CollectHeader);
        curl_easy_setopt(e, CURLOPT_HEADERDATA, request);

        request->body.clear();
        request->readAt = 0;
        request->headers.clear();
        request->responded = false;
        request->headWithBody = request->verb == "HEAD" && bodyLength != 0;
        const CURLcode result = curl_easy_perform(e);
        if (!request->responded) request->headers.clear();
        return result == CURLE_OK;
    }

    bool InternetReadFile(InternetHandle handle, void* buffer, uint32_t bytesToRead,
                          uint32_t* bytesRead) override {
        *bytesRead = 0;
        auto* request = Find<Request>(handle);
        if (request == nullptr) return false;
        const std::size_t left = request->body.size() - request->readAt;
        const std::size_t count = left < bytesToRead ? left : bytesToRead;
        request->body.copy(static_cast<char*>(buffer), count, request->readAt);
        request->readAt += count;
        *bytesRead = static_cast<uint32_t>(count);
        return true;
    }

    bool HttpQueryInfo(InternetHandle handle, uint32_t infoLevel, void* buffer,
                       uint32_t* bufferLength, uint32_t*) override {
        auto* request = Find<Request>(handle);
        if (request == nullptr || infoLevel != HTTP_QUERY_RAW_HEADERS_CRLF || !request->responded) {
            return false;
        }
        const std::size_t length = request->headers.size();
        if (*bufferLength <= length) {
            *bufferLength = static_cast<uint32_t>(length + 1);
            return false;
        }
        request->headers.copy(static_cast<char*>(buffer), length);
        static_cast<char*>(buffer)[length] = '\0';
        *bufferLength = static_cast<uint32_t>(length);
        return true;
    }

    bool InternetCloseHandle(InternetHandle handle) override { return handles_.erase(handle) == 1; }

  private:
    // HEAD sends its body too, and takes no response body. curl sends no body with its own
    // HEAD, so a HEAD with a body goes as a POST renamed, stopped after the headers.
    static void SetUpHead(CURL* e, const char* body, uint32_t bodyLength) {
        if (bodyLength == 0) {
            curl_easy_setopt(e, CURLOPT_NOBODY, 1L);
            return;
        }
        curl_easy_setopt(e, CURLOPT_POSTFIELDSIZE_LARGE, static_cast<curl_off_t>(bodyLength));
        curl_easy_setopt(e, CURLOPT_POSTFIELDS, body);
        curl_easy_setopt(e, CURLOPT_CUSTOMREQUEST, "HEAD");
    }

    InternetHandle Keep(std::unique_ptr<CurlObject> object) {
        InternetHandle handle = object.get();
        handles_.emplace(handle, std::move(object));
        return handle;
    }

    template <typename T>
    T* Find(InternetHandle handle) {
        const auto it = handles_.find(handle);
        return it == handles_.end() ? nullptr : dynamic_cast<T*>(it->second.get());
    }

    std::unordered_map<InternetHandle, std::unique_ptr<CurlObject>> handles_;
};

}  // namespace

InternetApi& SystemInternetApi() {
    static CurlInternetApi api;
    return api;
}

}  // namespace urlpush
