#pragma once

#include "sim/answer_policy.h"
#include "sim/line_timing.h"
#include "sim/pty_line.h"
#include "sim/recorder.h"
#include "sim/sim_options.h"
#include "sim/terminal_state.h"

#include <cstdint>
#include <deque>
#include <functional>

namespace zrsim {

// Serves the terminal on the master side of a pseudo-terminal. Sleeps in poll() until the
// line has bytes, the next timed byte is due, or stop() is called.
class LineServer {
public:
    LineServer(PtyLine& line, TerminalState& state, const SimOptions& options,
               std::function<void()> onHangUp);
    ~LineServer();
    LineServer(const LineServer&) = delete;
    LineServer& operator=(const LineServer&) = delete;

    void run();
    // Safe from any thread; run() returns soon after.
    void stop();

private:
    struct TimedByte {
        std::int64_t at;
        char byte;
    };

    void answer(char received, std::int64_t arrival);
    void sendDue(std::int64_t now);
    void armTimer();
    void wait();
    void readLine(std::int64_t now);
    void hangUp();

    PtyLine& line_;
    TerminalState& state_;
    std::function<void()> onHangUp_;
    LineTiming timing_;
    AnswerPolicy policy_;
    Recorder recorder_;
    std::int64_t echoDelayNs_;
    std::int64_t hangupAfter_;
    std::int64_t receivedCount_ = 0;
    std::deque<TimedByte> output_;
    bool writeBlocked_ = false;
    bool stopped_ = false;
    int wake_ = -1;
    int timer_ = -1;
};

} // namespace zrsim
