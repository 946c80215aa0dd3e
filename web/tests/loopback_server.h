// A small HTTP server on 127.0.0.1 for the real-wire tests: it records each request as it
// arrived (the head byte for byte, and the body) and answers with the raw bytes a handler
// gives, one request per connection.
#pragma once

#include <atomic>
#include <functional>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "loopback_socket.h"

namespace urlpush::loopback {

struct Arrival {
    std::string head;  // request line and header lines, up to and with the empty line
    std::string body;  // Content-Length bytes after the head
    [[nodiscard]] std::string RequestLine() const { return head.substr(0, head.find("\r\n")); }
    // Whether the head holds exactly this line.
    [[nodiscard]] bool HasLine(const std::string& line) const {
        return head.find("\r\n" + line + "\r\n") != std::string::npos;
    }
};

struct Reply {
    std::string bytes;      // written as they are
    bool holdOpen = false;  // keep the connection open until the server stops
    bool silent = false;    // write nothing, keep the connection open until the server stops
};

class LoopbackServer {
  public:
    using Handler = std::function<Reply(const Arrival&)>;

    explicit LoopbackServer(Handler handler);
    LoopbackServer(const LoopbackServer&) = delete;
    LoopbackServer& operator=(const LoopbackServer&) = delete;
    ~LoopbackServer();

    [[nodiscard]] int port() const { return port_; }
    [[nodiscard]] std::string Url(const std::string& path) const;
    [[nodiscard]] std::vector<Arrival> Arrivals();

  private:
    void Serve();
    void Answer(SocketId connection);
    void HoldUntilStopped();

    Handler handler_;
    int port_ = 0;
    SocketId listening_ = kNoSocket;
    std::atomic<bool> stopping_{false};
    std::mutex mutex_;
    std::vector<Arrival> arrivals_;
    std::thread thread_;
};

// "HTTP/1.1 <status>" with Content-Length and Connection: close, extra lines, then `body`.
[[nodiscard]] std::string Response(const std::string& status, const std::string& body,
                                   const std::string& extraLines = {});

// A port on 127.0.0.1 where nothing listens.
[[nodiscard]] int RefusingPort();

}  // namespace urlpush::loopback
