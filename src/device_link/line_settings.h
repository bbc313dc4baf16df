#pragma once

#include "port_problem.h"

#include <QString>

// The serial line format as the settings text "baud,parity,data,stop" describes it.
struct LineSettings {
    int baud = 9600;
    char parity = 'e'; // lower case: e, o, n, m, s
    int dataBits = 8;
    QString stopBits = QStringLiteral("1"); // "1", "1.5" or "2"

    bool operator==(const LineSettings&) const = default;
};

// A setting that a settings text or the device rejected, as data for the captions to word.
struct RejectedSetting {
    PortProblem::Setting setting = PortProblem::NoSetting;
    QString value;       // as written in the settings text, or as it was asked of the device
    int errorNumber = 0; // the device's refusal only
    QString systemText;  // the serial component's words for that refusal
};

// Parses a settings text; on failure returns false and names the rejected field in `rejected`.
bool parseLineSettings(const QString& text, LineSettings& settings, RejectedSetting& rejected);

// The text form the serial component reports, for example "9600,e,8,1".
QString formatLineSettings(const LineSettings& settings);
