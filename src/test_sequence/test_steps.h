#pragma once

#include "step_result.h"

#include <QString>

class Exchange;
class RunQuestions;
class SerialPort;
struct SharedState;

// The steps of a test run, selected by index: 0 interface test, 1 recoding table,
// 2 display geometry, 3 fixed texts; 4 to 6 pass without action.
class TestSteps {
public:
    TestSteps(SerialPort& port, Exchange& exchange, SharedState& state, RunQuestions& questions);

    virtual ~TestSteps() = default;

    virtual QString Test_Function(qint16 index, const bool& ShowMsgs, bool& good);
    RunQuestions& questions() const { return questions_; }

    // The sign of every time-out of the last step: +1 when it showed messages.
    qint16 TimeOutSign = 1;
    // The exchanges of the last step that did not get their echo.
    QList<ExchangeFailure> LastFailures;
    // The echoes the last step got back.
    EchoCount LastEchoes;

private:
    SerialPort& port_;
    Exchange& exchange_;
    SharedState& state_;
    RunQuestions& questions_;
};
