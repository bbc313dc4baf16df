#include "captions.h"
#include "device_link/terminal_commands.h"
#include "run_questions.h"
#include "shared_state.h"
#include "step_context.h"

using namespace TerminalCommands;

namespace {

bool probeAnswered(StepContext& step, int stepNumber) {
    step.write(clearDisplayAndCursor());
    step.write(stepTitle(stepNumber, interfaceTestName));
    step.write(recodingTableTransfer());
    return step.echoed(probeByte, probeTimeOut);
}

} // namespace

QString runInterfaceTest(StepContext& step, int stepNumber, bool& good) {
    good = true;
    while (!probeAnswered(step, stepNumber)) {
        // A probe cut short by "Abbrechen" says nothing about the link: no box for it.
        if (step.state.CancelRequested)
            return Captions::stepCancelled;
        if (!step.questions.retryProbe({Captions::linkFault, Captions::programTitle})) {
            step.state.CancelRequested = true;
            return Captions::stepCancelled;
        }
    }
    // The fillers complete the 32 data bytes ESC "&u" expects; their echoes do not count,
    // so a missing one is no failure of the step either.
    const qsizetype counted = step.failures.size();
    const EchoCount echoes = step.echoes;
    for (int i = 0; i < probeFillers; ++i)
        step.echoed(probeByte, probeTimeOut);
    step.failures.resize(counted);
    step.echoes = echoes;
    return Captions::ok;
}
