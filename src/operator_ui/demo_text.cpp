#include "demo_text.h"

#include "device_link/serial_port.h"
#include "device_link/terminal_commands.h"
#include "test_sequence/shared_state.h"

bool sendDemoText(SerialPort& port, const SharedState& state) {
    using namespace TerminalCommands;
    if (!port.setOutput(clearDisplay()))
        return false;
    for (int row = 0; row < state.TerminalRows; ++row)
        if (!port.setOutput(demoRow(state.TerminalCols)))
            return false;
    return port.setOutput(demoClose());
}
