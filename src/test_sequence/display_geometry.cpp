#include "captions.h"
#include "device_link/terminal_commands.h"
#include "run_questions.h"
#include "shared_state.h"
#include "step_context.h"

using namespace TerminalCommands;

// The terminal takes the format without answering; an unsupported choice falls back to
// 16 x 4 with a warning and still passes.
QString runDisplayGeometry(StepContext& step, int stepNumber, bool& good) {
    good = true;
    step.write(clearDisplay());
    step.write(stepTitle(stepNumber, displayGeometryName));
    step.write(displayFormat());
    const int cols = step.state.TerminalCols;
    const int rows = step.state.TerminalRows;
    if (const auto code = displayFormatCode(cols, rows)) {
        step.write(byte(*code));
        return Captions::ok;
    }
    step.write(byte(fallbackFormatCode));
    step.questions.tell({Captions::unsupportedGeometry(cols, rows), Captions::attentionTitle});
    return Captions::ok;
}
