#include "silent_server.h"

#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {
constexpr int backlog = 64;
}

SilentServer::SilentServer() : socket_(::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0)) {
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t size = sizeof address;
    if (::bind(socket_, reinterpret_cast<sockaddr*>(&address), size) == 0 &&
        ::listen(socket_, backlog) == 0 &&
        ::getsockname(socket_, reinterpret_cast<sockaddr*>(&address), &size) == 0)
        port_ = ntohs(address.sin_port);
}

SilentServer::~SilentServer() {
    ::close(socket_);
}

QString SilentServer::uri(const QString& query) const {
    return QStringLiteral("postgresql://station@127.0.0.1:%1/quendal%2").arg(port_).arg(query);
}
