#include "demo_text.h"

#include "device_link/serial_port.h"
#include "device_link/terminal_commands.h"
#include "test_sequence/shared_state.h"

namespace {

bool send(SerialPort& port, const QByteArray& bytes, qsizetype& sent) {
    if (!port.setOutput(bytes))
        return false;
    sent += bytes.size();
    return true;
}

} // namespace

bool sendDemoText(SerialPort& port, const SharedState& state, qsizetype& sent) {
    using namespace TerminalCommands;
    sent = 0;
    if (!send(port, clearDisplay(), sent))
        return false;
    for (int row = 0; row < state.TerminalRows; ++row)
        if (!send(port, demoRow(state.TerminalCols), sent))
            return false;
    return send(port, demoClose(), sent);
}
