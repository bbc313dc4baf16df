#include "far_end.h"

#include <chrono>
#include <fcntl.h>
#include <poll.h>
#include <termios.h>
#include <unistd.h>

FarEnd::FarEnd(const std::string& path) {
    fd_ = ::open(path.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    termios raw{};
    if (fd_ >= 0 && ::tcgetattr(fd_, &raw) == 0) {
        ::cfmakeraw(&raw);
        ::tcsetattr(fd_, TCSANOW, &raw);
    }
}

FarEnd::~FarEnd() {
    if (fd_ >= 0)
        ::close(fd_);
}

void FarEnd::write(const std::string& bytes) {
    [[maybe_unused]] const ssize_t n = ::write(fd_, bytes.data(), bytes.size());
}

std::string FarEnd::read(std::size_t count, int timeoutMs) {
    using clock = std::chrono::steady_clock;
    const auto deadline = clock::now() + std::chrono::milliseconds(timeoutMs);
    std::string bytes;
    while (bytes.size() < count && clock::now() < deadline) {
        const auto left =
            std::chrono::duration_cast<std::chrono::milliseconds>(deadline - clock::now());
        pollfd ready{fd_, POLLIN, 0};
        if (::poll(&ready, 1, static_cast<int>(left.count()) + 1) <= 0)
            continue;
        char chunk[512];
        const ssize_t n = ::read(fd_, chunk, std::min(sizeof chunk, count - bytes.size()));
        if (n <= 0)
            break;
        bytes.append(chunk, n);
    }
    return bytes;
}

bool FarEnd::lineGone(int timeoutMs) {
    pollfd ready{fd_, POLLIN, 0};
    if (::poll(&ready, 1, timeoutMs) <= 0)
        return false;
    char byte = 0;
    return (ready.revents & (POLLHUP | POLLERR)) != 0 || ::read(fd_, &byte, 1) <= 0;
}
