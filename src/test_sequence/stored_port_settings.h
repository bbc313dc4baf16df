#pragma once

#include <QHash>
#include <QString>

class SerialPort;

// The store's port entries by key, read at once.
using StoredEntries = QHash<QString, QString>;

// Reads the port entries in one pass over the store. Returns false with the text to show when
// the store cannot be read; `entries` then stays empty, so the port keeps its configuration.
bool readStoredPortSettings(StoredEntries& entries, QString& error);

// Applies the stored line format, port number and handshaking to the port, in that order.
// Absent or empty entries leave the port as it is. Stops at the first value the port
// rejects or that is not a number, and returns false with the text to show.
bool applyStoredPortSettings(SerialPort& port, const StoredEntries& entries, QString& error);

// Stores what the port reports now and the echo choice, and when `changedDevice` is not
// empty, that device as the one behind the port's COM number, all in one rewrite of the
// store. Returns false with the text to show when the store could not be written.
bool saveStoredPortSettings(const SerialPort& port, bool echo, const QString& changedDevice,
                            QString& error);
