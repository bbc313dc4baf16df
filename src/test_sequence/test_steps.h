#pragma once

#include <QString>

class Exchange;
class OperatorPrompt;
class SerialPort;
struct SharedState;

// The steps of a test run, selected by index: 0 interface test, 1 recoding table,
// 2 display geometry, 3 fixed texts; 4 to 6 pass without action.
class TestSteps {
public:
    TestSteps(SerialPort& port, Exchange& exchange, SharedState& state, OperatorPrompt& prompt);

    virtual ~TestSteps() = default;

    virtual QString Test_Function(qint16 index, const bool& ShowMsgs, bool& good);
    OperatorPrompt& prompt() const { return prompt_; }

    // The sign of every time-out of the last step: +1 when it showed messages.
    qint16 TimeOutSign = 1;

private:
    SerialPort& port_;
    Exchange& exchange_;
    SharedState& state_;
    OperatorPrompt& prompt_;
};
