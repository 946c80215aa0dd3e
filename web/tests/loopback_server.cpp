// The loopback test server: accept, read one request, record it, answer, close.
#include "loopback_server.h"

#include <chrono>
#include <cstdlib>

namespace urlpush::loopback {
namespace {

std::string Lower(std::string text) {
    for (char& c : text) {
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    }
    return text;
}

std::size_t ContentLength(const std::string& head) {
    const std::string lower = Lower(head);
    const std::size_t at = lower.find("\r\ncontent-length:");
    return at == std::string::npos ? 0 : std::strtoul(lower.c_str() + at + 17, nullptr, 10);
}

}  // namespace

LoopbackServer::LoopbackServer(Handler handler) : handler_(std::move(handler)) {
    listening_ = ListenOnLoopback(&port_);
    thread_ = std::thread([this] { Serve(); });
}

LoopbackServer::~LoopbackServer() {
    stopping_ = true;
    thread_.join();
    Close(listening_);
}

std::string LoopbackServer::Url(const std::string& path) const {
    return "http://127.0.0.1:" + std::to_string(port_) + path;
}

std::vector<Arrival> LoopbackServer::Arrivals() {
    std::lock_guard<std::mutex> lock(mutex_);
    return arrivals_;
}

void LoopbackServer::Serve() {
    while (!stopping_) {
        if (!WaitReadable(listening_, 20)) continue;
        const SocketId connection = Accept(listening_);
        if (connection == kNoSocket) continue;
        Answer(connection);
        Close(connection);
    }
}

void LoopbackServer::Answer(SocketId connection) {
    std::string received;
    char buffer[65536];
    std::size_t headEnd = std::string::npos;
    while (headEnd == std::string::npos) {
        if (!WaitReadable(connection, 5000)) return;
        const int count = Receive(connection, buffer, sizeof buffer);
        if (count <= 0) return;
        received.append(buffer, static_cast<std::size_t>(count));
        headEnd = received.find("\r\n\r\n");
    }
    Arrival arrival;
    arrival.head = received.substr(0, headEnd + 4);
    arrival.body = received.substr(headEnd + 4);
    const std::size_t length = ContentLength(arrival.head);
    while (arrival.body.size() < length) {
        if (!WaitReadable(connection, 5000)) break;
        const int count = Receive(connection, buffer, sizeof buffer);
        if (count <= 0) break;
        arrival.body.append(buffer, static_cast<std::size_t>(count));
    }
    {
        std::lock_guard<std::mutex> lock(mutex_);
        arrivals_.push_back(arrival);
    }
    const Reply reply = handler_(arrival);
    if (!reply.silent) (void)SendAll(connection, reply.bytes);
    if (reply.silent || reply.holdOpen) HoldUntilStopped();
}

void LoopbackServer::HoldUntilStopped() {
    while (!stopping_) std::this_thread::sleep_for(std::chrono::milliseconds(20));
}

std::string Response(const std::string& status, const std::string& body,
                     const std::string& extraLines) {
    return "HTTP/1.1 " + status + "\r\nContent-Length: " + std::to_string(body.size()) +
           "\r\nConnection: close\r\n" + extraLines + "\r\n" + body;
}

int RefusingPort() {
    int port = 0;
    Close(ListenOnLoopback(&port));
    return port;
}

}  // namespace urlpush::loopback
