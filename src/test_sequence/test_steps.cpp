#include "test_steps.h"

#include "operator_ui/captions.h"
#include "operator_ui/shared_state.h"
#include "step_context.h"

TestSteps::TestSteps(SerialPort& port, Exchange& exchange, SharedState& state,
                     OperatorPrompt& prompt)
    : port_(port), exchange_(exchange), state_(state), prompt_(prompt) {}

QString TestSteps::Test_Function(qint16 index, const bool& ShowMsgs, bool& good) {
    good = true;
    if (state_.CancelRequested)
        return Captions::stepCancelled;
    TimeOutSign = ShowMsgs ? 1 : -1;
    StepContext step{port_, exchange_, state_, prompt_, TimeOutSign};
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
