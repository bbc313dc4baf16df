#pragma once

#include "operator_ui/main_window.h"
#include "scripted_prompt.h"
#include "sim/pty_terminal.h"

#include <gtest/gtest.h>
#include <memory>

// A main window started against a simulated terminal that is mapped to COM1.
class SimFixture : public ::testing::Test {
protected:
    void SetUp() override { start({}); }
    // Replaces terminal and window: a new terminal with these options, a new start-up
    // (with this flow-control code stored, when it is not 0).
    void start(const zrsim::SimOptions& options, int handshaking = 0);
    // Every byte the terminal has received, once there are at least `atLeast` of them
    // (or two seconds have passed).
    QByteArray received(qsizetype atLeast = 0) const;
    // Every byte the terminal has received, once the line has been quiet for a moment.
    QByteArray settled() const;

    std::unique_ptr<zrsim::PtyTerminal> sim;
    ScriptedPrompt prompt;
    std::unique_ptr<MainWindow> window;
};
