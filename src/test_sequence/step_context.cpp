#include "step_context.h"

#include "device_link/exchange.h"
#include "device_link/serial_port.h"
#include "device_link/terminal_commands.h"
#include "shared_state.h"

void StepContext::write(const QByteArray& bytes) const {
    port.setOutput(bytes);
}

bool StepContext::echoed(char byte, qint16 timeOut) const {
    const QByteArray data = TerminalCommands::byte(byte);
    if (!exchange.SendAndWaitFor(data, data, static_cast<qint16>(timeOut * timeOutSign))
             .isEmpty()) {
        echoes.add(exchange.LastWaitMs);
        return true;
    }
    // A wait cut short by "Abbrechen" says nothing about the terminal.
    if (!state.CancelRequested)
        failures.append({data, data, exchange.LastReply, exchange.LastWaitMs});
    return false;
}
