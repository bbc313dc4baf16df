#include "test_steps.h"

#include "captions.h"
#include "shared_state.h"
#include "step_context.h"

TestSteps::TestSteps(SerialPort& port, Exchange& exchange, SharedState& state,
                     RunQuestions& questions)
    : port_(port), exchange_(exchange), state_(state), questions_(questions) {}

QString TestSteps::Test_Function(qint16 index, const bool& ShowMsgs, bool& good) {
    good = true;
    LastFailures.clear();
    LastEchoes = {};
    if (state_.CancelRequested)
        return Captions::stepCancelled;
    TimeOutSign = ShowMsgs ? 1 : -1;
    StepContext step{port_, exchange_, state_, questions_, LastFailures, LastEchoes, TimeOutSign};
    const int stepNumber = index + 1;
    switch (index) {
    case 0:
        return runInterfaceTest(step, stepNumber, good);
    case 1:
        return runRecodingTable(step, stepNumber, good);
    case 2:
        return runDisplayGeometry(step, stepNumber, good);
    case 3:
        return runFixedTexts(step, stepNumber, good);
    default:
        return Captions::ok;
    }
}
