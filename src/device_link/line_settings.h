#pragma once

#include <QString>

// The serial line format as the settings text "baud,parity,data,stop" describes it.
struct LineSettings {
    int baud = 9600;
    char parity = 'e'; // lower case: e, o, n, m, s
    int dataBits = 8;
    QString stopBits = QStringLiteral("1"); // "1", "1.5" or "2"

    bool operator==(const LineSettings&) const = default;
};

// Parses a settings text; on failure returns false and a German description in `error`.
bool parseLineSettings(const QString& text, LineSettings& settings, QString& error);

// The text form the serial component reports, for example "9600,e,8,1".
QString formatLineSettings(const LineSettings& settings);
