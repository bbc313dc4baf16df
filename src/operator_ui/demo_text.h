#pragma once

#include <QtGlobal>

class SerialPort;
struct SharedState;

// Fills the terminal's display with the start of the alphabet, one write per row, and
// homes its cursor. Nothing is awaited. Returns false at the first write the port refuses;
// `sent` counts the bytes handed to the port.
bool sendDemoText(SerialPort& port, const SharedState& state, qsizetype& sent);
