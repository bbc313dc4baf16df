#pragma once

#include <QString>

class QCommandLineParser;

// A serial number, station or operator: 1 to 64 characters (code points), none of them a
// control, format or separator character but the space, and no space at either end.
// Returns the reason when `text` is none, else nothing.
namespace NameRules {

QString problem(const QString& text);

// The value of a name option such as --station, when given once and by the rules; false with
// the bad argument named in `error`.
bool readOption(const QCommandLineParser& parser, const QString& option, QString& value,
                QString& error);

} // namespace NameRules
