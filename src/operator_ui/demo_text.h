#pragma once

class SerialPort;
struct SharedState;

// Fills the terminal's display with the start of the alphabet, one write per row, and
// homes its cursor. Nothing is awaited. Returns false at the first write the port refuses.
bool sendDemoText(SerialPort& port, const SharedState& state);
