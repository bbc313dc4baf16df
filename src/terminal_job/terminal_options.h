#pragma once

#include "terminal_choice.h"

#include <QList>
#include <QString>
#include <optional>

class QCommandLineParser;

// The options that name terminals and their geometry, the same for `--run` and `--slots`.
namespace TerminalOptions {

inline constexpr int highestCommPort = 16;

void addOptions(QCommandLineParser& parser);

// Plain digits only: toInt() would also take " 3", "+3" and "03", which nobody means as a
// number on a command line.
std::optional<int> wholeNumber(const QString& text);

// --com N and --device PATH, in that order; false with the bad argument named in `error`.
bool readTerminals(const QCommandLineParser& parser, QList<TerminalChoice>& terminals,
                   QString& error);
// --geometry COLSxROWS into `settings`, when given.
bool readGeometry(const QCommandLineParser& parser, JobSettings& settings, QString& error);
// A COM number as the window reads it from the store, where a hand-edited "03" still names
// COM3; 0 when it names none.
int storedCommPort(const QString& text);
// Two jobs on one device would fight over it, and the loser would blame "another program".
bool eachDeviceOnce(const QList<TerminalChoice>& terminals, QString& error);
QString deviceOf(const TerminalChoice& terminal);

} // namespace TerminalOptions
