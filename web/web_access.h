// WebAccess: one GET, POST or HEAD request, returning the whole response body, with
// default headers filled in, a cookie text sent and merged with the cookies the server
// set, the raw response headers, and an optional proxy.
#pragma once

#include <string_view>

#include "text/text.h"
#include "web/internet_api.h"

namespace urlpush {

// Performs one request through the platform's HTTP service and returns the body as read
// (empty when the request could not be opened or nothing was read). Every parameter after
// `url` may be left out; pointers are the caller's variables, rewritten in place:
//   method          0 "GET", 1 "POST", 2 "HEAD"; any other value is 0
//   postText        body as text, used when *postBytes is empty; GET sends no body
//   cookies         sent as a Cookie line; supplying it at all, even empty, keeps the
//                   platform's cookie store out, and on return it holds the merged jar
//   returnedCookies the cookies the response set, 'a=1; b=2' (merged when `cookies` given)
//   extraHeaders    the caller's header lines joined by "\r\n"; on return the block sent
//   returnedHeaders the raw response header block, status line first; "" without response
//   noRedirect      redirects are not followed
//   postBytes       body as bytes, ahead of postText; on return the body that POST or HEAD
//                   sent
//   proxy           "host:port"; empty connects directly
// The outputs are written only when a request was opened.
[[nodiscard]] Bytes WebAccess(std::string_view url, int method = 0, std::string_view postText = {},
                              Text* cookies = nullptr, Text* returnedCookies = nullptr,
                              Text* extraHeaders = nullptr, Text* returnedHeaders = nullptr,
                              bool noRedirect = false, Bytes* postBytes = nullptr,
                              std::string_view proxy = {});

// The same request through `api`.
[[nodiscard]] Bytes WebAccess(InternetApi& api, std::string_view url, int method = 0,
                              std::string_view postText = {}, Text* cookies = nullptr,
                              Text* returnedCookies = nullptr, Text* extraHeaders = nullptr,
                              Text* returnedHeaders = nullptr, bool noRedirect = false,
                              Bytes* postBytes = nullptr, std::string_view proxy = {});

// The part of `text` after its first ":", trimmed; "" without ":".
// TextAfterColon("User-Agent:  Probe/2 ") == "Probe/2"
[[nodiscard]] Text TextAfterColon(std::string_view text);

// The status code of a raw header block ("HTTP/1.1 302 Found\r\n..." gives 302); 0 when it
// does not begin with a status line.
[[nodiscard]] int StatusCodeOf(std::string_view rawHeaders);

}  // namespace urlpush
