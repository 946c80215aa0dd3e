// The loopback server's socket calls over POSIX sockets.
#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <csignal>

#include "loopback_socket.h"

namespace urlpush::loopback {

SocketId ListenOnLoopback(int* port) {
    std::signal(SIGPIPE, SIG_IGN);  // a client that hangs up must not end the test
    const int fd = socket(AF_INET, SOCK_STREAM, 0);
    if (fd < 0) return kNoSocket;
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof address;
    if (bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 ||
        listen(fd, 16) != 0 ||
        getsockname(fd, reinterpret_cast<sockaddr*>(&address), &length) != 0) {
        close(fd);
        return kNoSocket;
    }
    *port = ntohs(address.sin_port);
    return fd;
}

bool WaitReadable(SocketId socket, int milliseconds) {
    pollfd watched{static_cast<int>(socket), POLLIN, 0};
    return poll(&watched, 1, milliseconds) > 0;
}

SocketId Accept(SocketId listening) {
    const int fd = accept(static_cast<int>(listening), nullptr, nullptr);
    return fd < 0 ? kNoSocket : fd;
}

int Receive(SocketId socket, char* buffer, int size) {
    return static_cast<int>(recv(static_cast<int>(socket), buffer, static_cast<size_t>(size), 0));
}

bool SendAll(SocketId socket, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t sent = send(static_cast<int>(socket), bytes.data(), bytes.size(), 0);
        if (sent <= 0) return false;
        bytes.remove_prefix(static_cast<size_t>(sent));
    }
    return true;
}

void Close(SocketId socket) {
    if (socket == kNoSocket) return;
    shutdown(static_cast<int>(socket), SHUT_WR);
    close(static_cast<int>(socket));
}

}  // namespace urlpush::loopback
