#include "sim/line_server.h"

#include <algorithm>
#include <cerrno>
#include <ctime>
#include <limits>
#include <poll.h>
#include <stdexcept>
#include <sys/eventfd.h>
#include <sys/timerfd.h>
#include <unistd.h>

namespace zrsim {

namespace {
std::int64_t monotonicNs() {
    timespec now{};
    ::clock_gettime(CLOCK_MONOTONIC, &now);
    return now.tv_sec * 1'000'000'000LL + now.tv_nsec;
}

timespec toTimespec(std::int64_t ns) {
    return {static_cast<time_t>(ns / 1'000'000'000LL), static_cast<long>(ns % 1'000'000'000LL)};
}
} // namespace

LineServer::LineServer(PtyLine& line, TerminalState& state, const SimOptions& options,
                       std::function<void()> onHangUp)
    : line_(line), state_(state), onHangUp_(std::move(onHangUp)), timing_(byteTimeNs(options)),
      policy_(options), recorder_(options.recordFile),
      echoDelayNs_(std::max(0, options.echoDelayMs) * 1'000'000LL),
      hangupAfter_(options.hangupAfter) {
    wake_ = ::eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK);
    timer_ = ::timerfd_create(CLOCK_MONOTONIC, TFD_CLOEXEC | TFD_NONBLOCK);
    if (wake_ < 0 || timer_ < 0)
        throw std::runtime_error("cannot create the line thread's descriptors");
}

LineServer::~LineServer() {
    ::close(wake_);
    ::close(timer_);
}

void LineServer::run() {
    while (!stopped_ && line_.isOpen()) {
        sendDue(monotonicNs());
        armTimer();
        wait();
    }
}

void LineServer::stop() {
    const std::uint64_t one = 1;
    [[maybe_unused]] const ssize_t n = ::write(wake_, &one, sizeof one);
}

void LineServer::answer(char received, std::int64_t arrival) {
    std::string echoes;
    {
        const std::lock_guard lock(state_.mutex);
        echoes = state_.model.feed(std::string_view(&received, 1));
        state_.received += received;
    }
    state_.receivedMore.notify_all();
    for (const char c : policy_.answer(echoes))
        output_.push_back({timing_.departure(arrival + echoDelayNs_), c});
}

void LineServer::sendDue(std::int64_t now) {
    std::string due;
    for (auto it = output_.begin(); !writeBlocked_ && it != output_.end() && it->at <= now; ++it)
        due += it->byte;
    if (due.empty())
        return;
    const ssize_t n = ::write(line_.master(), due.data(), due.size());
    const std::size_t sent = n > 0 ? static_cast<std::size_t>(n) : 0;
    output_.erase(output_.begin(), output_.begin() + static_cast<std::ptrdiff_t>(sent));
    // The program is not reading: wait until the line takes bytes again.
    writeBlocked_ = sent < due.size();
}

// Disarmed (a zero time) when nothing is waiting for its moment.
void LineServer::armTimer() {
    constexpr std::int64_t never = std::numeric_limits<std::int64_t>::max();
    const std::int64_t next = output_.empty() || writeBlocked_ ? never : output_.front().at;
    itimerspec deadline{};
    if (next != never)
        deadline.it_value = toTimespec(next);
    ::timerfd_settime(timer_, TFD_TIMER_ABSTIME, &deadline, nullptr);
}

void LineServer::wait() {
    pollfd fds[] = {{line_.master(), static_cast<short>(POLLIN | (writeBlocked_ ? POLLOUT : 0)), 0},
                    {wake_, POLLIN, 0},
                    {timer_, POLLIN, 0}};
    if (::poll(fds, 3, -1) < 0)
        return;
    if (fds[1].revents & POLLIN)
        stopped_ = true;
    if (fds[2].revents & POLLIN) {
        std::uint64_t expirations = 0;
        [[maybe_unused]] const ssize_t n = ::read(timer_, &expirations, sizeof expirations);
    }
    if (fds[0].revents & POLLOUT)
        writeBlocked_ = false;
    if (fds[0].revents & (POLLIN | POLLHUP | POLLERR))
        readLine(monotonicNs());
}

void LineServer::readLine(std::int64_t now) {
    char chunk[4096];
    const ssize_t n = ::read(line_.master(), chunk, sizeof chunk);
    if (n < 0 && (errno == EAGAIN || errno == EINTR))
        return;
    if (n <= 0)
        return hangUp();
    recorder_.chunk(std::string_view(chunk, n));
    // The terminal takes each byte at once; only its answer waits for the byte's wire time,
    // which spares the line thread a wake-up per byte.
    for (ssize_t i = 0; i < n && line_.isOpen(); ++i) {
        answer(chunk[i], timing_.arrival(now));
        if (hangupAfter_ > 0 && ++receivedCount_ >= hangupAfter_)
            hangUp();
    }
}

// Marked before the line goes, so whoever sees the line gone also sees hungUp().
void LineServer::hangUp() {
    {
        const std::lock_guard lock(state_.mutex);
        state_.hungUp = true;
    }
    line_.close();
    output_.clear();
    state_.receivedMore.notify_all();
    if (onHangUp_)
        onHangUp_();
}

} // namespace zrsim
