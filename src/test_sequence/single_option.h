#pragma once

#include <QString>

class QCommandLineParser;

// Options that take one value: given twice, one of the two would go unheard.
namespace SingleOption {

// The value of `option`, null when it was not given. False, with the option named in `error`,
// when it was given more than once.
bool read(const QCommandLineParser& parser, const QString& option, QString& value, QString& error);

} // namespace SingleOption
