#pragma once

#include "terminal_job/terminal_choice.h"

#include <QHash>
#include <QList>
#include <QString>
#include <optional>

class QCommandLineParser;

// What `quendal --run` was asked to do.
struct RunOptions {
    QList<TerminalChoice> terminals;
    JobSettings job;               // geometry and retries; the unit is each terminal's own
    QString report;                // a file, "-" for standard output, empty for none
    QString station;               // empty: the host name
    QString operatorName;          // empty: the login name
    QHash<QString, QString> units; // a terminal's name to its unit's serial number
    QString database;              // the line database's address from --database, if given
};

namespace RunCommandLine {

// The options of a production run, so that --help lists them beside the window's.
void addOptions(QCommandLineParser& parser);

bool requested(const QCommandLineParser& parser);

// Reads the run's options from a parser that has parsed the command line. Returns nothing,
// with the bad argument named in `error`, when they do not make a run.
std::optional<RunOptions> read(const QCommandLineParser& parser, QString& error);

} // namespace RunCommandLine
