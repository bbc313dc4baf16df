#pragma once

#include <QHash>
#include <QString>

class QCommandLineParser;
struct RunOptions;

// The options that say which unit sits at which port, where and by whom it was run, and
// which line database gets the records.
namespace UnitOptions {

void addOptions(QCommandLineParser& parser);

// Reads --unit, --station, --operator and --database into `options`, whose terminals are
// already read. False with the bad argument named in `error`.
bool read(const QCommandLineParser& parser, RunOptions& options, QString& error);

} // namespace UnitOptions
