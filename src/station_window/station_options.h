#pragma once

#include "terminal_job/terminal_choice.h"

#include <QList>
#include <QString>
#include <optional>

class QCommandLineParser;

// What `quendal --slots` was asked to do.
struct StationOptions {
    QList<TerminalChoice> terminals; // one slot each
    JobSettings job;                 // the geometry; each slot's unit comes from its scan
    QString station;                 // empty: the host name
    QString operatorName;            // empty: the login name
    QString database;                // the line database's address from --database, if given
};

namespace StationCommandLine {

inline constexpr int mostSlots = 16;

void addOptions(QCommandLineParser& parser);
bool requested(const QCommandLineParser& parser);
// The slots from --com and --device, else from the settings file's [Pruefplatz] Plaetze=.
// Returns nothing, with the bad argument or entry named in `error`.
std::optional<StationOptions> read(const QCommandLineParser& parser, QString& error);

} // namespace StationCommandLine
