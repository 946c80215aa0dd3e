// Taking a URL apart for a request: the host to connect to, the port, and the object path.
// Plain text rules, no URL parser: no percent-decoding and no validation. Only "http" and
// "https" are schemes, and only at the start of the URL; without one the URL is "http".
#pragma once

#include <optional>
#include <string_view>

#include "text/text.h"

namespace urlpush {

// The host in lower case. It ends at the first "/", "?" or "#" after the scheme.
//   UrlHost("HTTPS://Srv.LAN:8443/x") == "srv.lan"
//   UrlHost("https://srv.lan:8443/x", false, true) == "srv.lan:8443"   (keepPort)
//   UrlHost("http://api.srv.lan/", true) == "srv.lan"                  (dropSubdomain)
// Domain mode, selected by supplying `domainLevels` (any value, 0 included): the last
// domainLevels + 2 labels of the host (+ 1 with dropSubdomain), or the whole host when it
// has fewer. UrlHost("api.srv.lan", false, false, 0) == "srv.lan"
[[nodiscard]] Text UrlHost(std::string_view url, bool dropSubdomain = false, bool keepPort = false,
                           std::optional<int> domainLevels = std::nullopt);

// The explicit port (ToInt of the text after the host's last ":", so 0 for "srv.lan:/"),
// else 443 when the URL begins with "https" in any letter case, else 80.
[[nodiscard]] int UrlPort(std::string_view url);

// The object path with query and fragment, in the URL's own letter case; never empty.
//   UrlPath("http://Srv.LAN/A/b?c=D") == "/A/b?c=D"; UrlPath("srv.lan?x=1") == "/?x=1";
//   UrlPath("srv.lan") == "/"
[[nodiscard]] Text UrlPath(std::string_view url);

}  // namespace urlpush
