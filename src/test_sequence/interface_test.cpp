#include "device_link/terminal_commands.h"
#include "operator_ui/captions.h"
#include "operator_ui/operator_prompt.h"
#include "operator_ui/shared_state.h"
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
        const PromptMessage question{Captions::linkFault, Captions::programTitle,
                                     QMessageBox::NoIcon, QMessageBox::Retry | QMessageBox::Cancel};
        if (step.prompt.ask(question) != QMessageBox::Retry) {
            step.state.CancelRequested = true;
            return Captions::stepCancelled;
        }
    }
    // The fillers complete the 32 data bytes ESC "&u" expects; their echoes do not count.
    for (int i = 0; i < probeFillers; ++i)
        step.echoed(probeByte, probeTimeOut);
    return Captions::ok;
}
