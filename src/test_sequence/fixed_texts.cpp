#include "captions.h"
#include "device_link/terminal_commands.h"
#include "step_context.h"

using namespace TerminalCommands;

namespace {

bool sendText(StepContext& step, const QByteArray& digits) {
    for (const char digit : digits)
        if (!step.echoed(digit, fixedTextDigitTimeOut))
            return false;
    step.write(byte(NUL));
    return true;
}

} // namespace

// The first missing echo ends the block: nothing more of it is sent but its closing NUL.
QString runFixedTexts(StepContext& step, int stepNumber, bool& good) {
    step.write(clearDisplay());
    step.write(fixedTextsTitle(stepNumber));
    step.write(fixedTextTransfer());
    QString result = Captions::ok;
    for (int i = 0; i < fixedTextCount; ++i) {
        if (!sendText(step, fixedText(i))) {
            result = Captions::fixedTextsFailed;
            good = false;
            break;
        }
    }
    step.write(byte(NUL));
    return result;
}
