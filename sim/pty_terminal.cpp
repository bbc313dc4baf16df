#include "sim/pty_terminal.h"

namespace zrsim {

PtyTerminal::PtyTerminal(const SimOptions& options, std::function<void()> onHangUp)
    : state_(options.rows, options.cols), slavePath_(line_.slavePath()),
      server_(line_, state_, options, std::move(onHangUp)), thread_([this] { server_.run(); }) {}

PtyTerminal::~PtyTerminal() {
    stop();
    line_.close();
}

std::string PtyTerminal::received() const {
    const std::lock_guard lock(state_.mutex);
    return state_.received;
}

std::string PtyTerminal::waitForReceived(std::size_t count,
                                         std::chrono::milliseconds timeout) const {
    std::unique_lock lock(state_.mutex);
    state_.receivedMore.wait_for(lock, timeout,
                                 [&] { return state_.received.size() >= count || state_.hungUp; });
    return state_.received;
}

TerminalModel PtyTerminal::snapshot() const {
    const std::lock_guard lock(state_.mutex);
    return state_.model;
}

void PtyTerminal::stop() {
    server_.stop();
    if (thread_.joinable())
        thread_.join();
}

} // namespace zrsim
