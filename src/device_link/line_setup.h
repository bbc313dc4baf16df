#pragma once

#include "line_settings.h"

#include <QSerialPort>

// Flow-control codes as the store and the settings dialog number them.
enum HandshakingCode { NoHandshaking = 0, XonXoff = 1, RtsCts = 2, XonXoffAndRtsCts = 3 };

// Puts the line format and flow control on an open port; on failure returns false and names
// the setting the device refused in `rejected`.
bool applyLineSetup(QSerialPort& port, const LineSettings& settings, int handshaking,
                    RejectedSetting& rejected);
