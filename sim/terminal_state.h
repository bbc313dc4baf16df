#pragma once

#include "sim/terminal_model.h"

#include <atomic>
#include <condition_variable>
#include <mutex>
#include <string>

namespace zrsim {

// What the line thread updates and other threads read, always under `mutex`.
struct TerminalState {
    TerminalState(int rows, int cols) : model(rows, cols) {}

    mutable std::mutex mutex;
    mutable std::condition_variable receivedMore;
    TerminalModel model;
    std::string received;
    std::atomic<bool> hungUp{false};
};

} // namespace zrsim
