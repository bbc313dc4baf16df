#pragma once

#include <QString>

// A TCP port on the loopback whose kernel completes every connection while nobody ever
// answers: a line database that accepts and then hangs.
class SilentServer {
public:
    SilentServer();
    ~SilentServer();
    SilentServer(const SilentServer&) = delete;
    SilentServer& operator=(const SilentServer&) = delete;

    // A line database address on that port, with `query` ("?connect_timeout=0") appended.
    QString uri(const QString& query = {}) const;

private:
    int socket_ = -1;
    int port_ = 0;
};
