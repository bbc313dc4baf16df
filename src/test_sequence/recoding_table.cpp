#include "captions.h"
#include "device_link/terminal_commands.h"
#include "step_context.h"

using namespace TerminalCommands;

// Every byte of the table goes out even after a missing echo: the terminal counts 32.
QString runRecodingTable(StepContext& step, int stepNumber, bool& good) {
    step.write(clearDisplay());
    step.write(stepTitle(stepNumber, recodingTableName));
    step.write(recodingTableTransfer());
    QString result = Captions::ok;
    for (const char entry : recodingTable()) {
        if (!step.echoed(entry, recodingTableTimeOut)) {
            result = Captions::recodingTableFailed;
            good = false;
        }
    }
    return result;
}
