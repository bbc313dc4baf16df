#pragma once

#include <QString>

class SerialPort;

// Applies the stored line format, port number and handshaking to the port, in that order.
// Absent or empty entries leave the port as it is. Stops at the first value the port
// rejects or that is not a number, and returns false with the text to show.
bool applyStoredPortSettings(SerialPort& port, QString& error);

// Stores what the port reports now, and the echo choice; failing writes are ignored.
void saveStoredPortSettings(const SerialPort& port, bool echo);

// Stores the device that stands for COM<commPort> from now on.
void saveDeviceMapping(int commPort, const QString& device);
