#pragma once

#include "sim/line_server.h"
#include "sim/pty_line.h"
#include "sim/sim_options.h"
#include "sim/terminal_model.h"
#include "sim/terminal_state.h"

#include <chrono>
#include <functional>
#include <string>
#include <thread>

namespace zrsim {

// A simulated terminal served on its own thread on the master side of a fresh
// pseudo-terminal; the program under test opens slavePath().
class PtyTerminal {
public:
    // Throws std::runtime_error when no pseudo-terminal or record file can be had, and
    // std::invalid_argument for an unknown framing. `onHangUp` runs on the line thread.
    explicit PtyTerminal(const SimOptions& options = {}, std::function<void()> onHangUp = {});
    ~PtyTerminal();
    PtyTerminal(const PtyTerminal&) = delete;
    PtyTerminal& operator=(const PtyTerminal&) = delete;

    std::string slavePath() const { return slavePath_; }
    // Every byte received so far, in order.
    std::string received() const;
    // Blocks until at least `count` bytes have been received, the line has hung up or
    // `timeout` has passed; returns what has been received by then.
    std::string waitForReceived(std::size_t count, std::chrono::milliseconds timeout) const;
    TerminalModel snapshot() const;
    bool hungUp() const { return state_.hungUp; }
    void stop();

private:
    TerminalState state_;
    PtyLine line_;
    std::string slavePath_;
    LineServer server_;
    std::thread thread_;
};

} // namespace zrsim
