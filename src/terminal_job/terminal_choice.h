#pragma once

#include <QString>

// One terminal named on the command line or in the settings: by COM number, or by its device
// path.
struct TerminalChoice {
    QString name;     // "COM3", or the path as given
    int commPort = 0; // 0 when named by path
    QString device;
};

// What one terminal's run is given besides its port.
struct JobSettings {
    int columns = 20;
    int rows = 4;
    int retries = 0; // the interface test's retries when nobody is there to answer
    QString unit;    // the unit's serial number, empty when none was named
};
