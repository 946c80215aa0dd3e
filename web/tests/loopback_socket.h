// The few socket calls the loopback test server needs, over POSIX sockets or Winsock
// (loopback_socket_posix.cpp, loopback_socket_win32.cpp).
#pragma once

#include <cstdint>
#include <string_view>

namespace urlpush::loopback {

using SocketId = std::intptr_t;
inline constexpr SocketId kNoSocket = -1;

// A socket listening on 127.0.0.1 at a free port, which `*port` receives.
[[nodiscard]] SocketId ListenOnLoopback(int* port);
// Whether `socket` becomes readable (or a connection waits) within `milliseconds`.
[[nodiscard]] bool WaitReadable(SocketId socket, int milliseconds);
[[nodiscard]] SocketId Accept(SocketId listening);
// Bytes received into `buffer`; 0 at the end, below 0 on failure.
[[nodiscard]] int Receive(SocketId socket, char* buffer, int size);
[[nodiscard]] bool SendAll(SocketId socket, std::string_view bytes);
// Ends sending gracefully, then closes.
void Close(SocketId socket);

}  // namespace urlpush::loopback
