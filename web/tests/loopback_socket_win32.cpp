// The loopback server's socket calls over Winsock.
#include <winsock2.h>
#include <ws2tcpip.h>

#include "loopback_socket.h"

namespace urlpush::loopback {
namespace {
SOCKET Raw(SocketId socket) { return static_cast<SOCKET>(socket); }
}  // namespace

SocketId ListenOnLoopback(int* port) {
    static const bool started = [] {
        WSADATA data;
        return WSAStartup(MAKEWORD(2, 2), &data) == 0;
    }();
    if (!started) return kNoSocket;
    const SOCKET fd = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
    if (fd == INVALID_SOCKET) return kNoSocket;
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    int length = sizeof address;
    if (bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 ||
        listen(fd, 16) != 0 ||
        getsockname(fd, reinterpret_cast<sockaddr*>(&address), &length) != 0) {
        closesocket(fd);
        return kNoSocket;
    }
    *port = ntohs(address.sin_port);
    return static_cast<SocketId>(fd);
}

bool WaitReadable(SocketId socket, int milliseconds) {
    fd_set readable;
    FD_ZERO(&readable);
    FD_SET(Raw(socket), &readable);
    timeval wait{milliseconds / 1000, (milliseconds % 1000) * 1000};
    return select(0, &readable, nullptr, nullptr, &wait) > 0;
}

SocketId Accept(SocketId listening) {
    const SOCKET fd = accept(Raw(listening), nullptr, nullptr);
    return fd == INVALID_SOCKET ? kNoSocket : static_cast<SocketId>(fd);
}

int Receive(SocketId socket, char* buffer, int size) { return recv(Raw(socket), buffer, size, 0); }

bool SendAll(SocketId socket, std::string_view bytes) {
    while (!bytes.empty()) {
        const int chunk = bytes.size() > 65536 ? 65536 : static_cast<int>(bytes.size());
        const int sent = send(Raw(socket), bytes.data(), chunk, 0);
        if (sent <= 0) return false;
        bytes.remove_prefix(static_cast<size_t>(sent));
    }
    return true;
}

void Close(SocketId socket) {
    if (socket == kNoSocket) return;
    shutdown(Raw(socket), SD_SEND);
    closesocket(Raw(socket));
}

}  // namespace urlpush::loopback
