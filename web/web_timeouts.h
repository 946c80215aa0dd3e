// How long a request may wait: for the connection, and for the peer to take or give the
// next bytes. Process-wide; the defaults keep a silent server from holding the window for
// long, and tests shorten them.
#pragma once

namespace urlpush {

struct WebTimeouts {
    int connectMilliseconds = 60000;
    int idleMilliseconds = 60000;  // sending and receiving, each time no byte moves
};

// Sets the timeouts of every later request and returns those it replaces.
WebTimeouts SetWebTimeouts(WebTimeouts timeouts);
[[nodiscard]] WebTimeouts CurrentWebTimeouts();

}  // namespace urlpush
